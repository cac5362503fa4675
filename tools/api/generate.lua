-- Turns the description of the script API (src/bindings/Api.lua) into what
-- people and editors read:
--   brawlgear-lua generate.lua docs DESCRIPTION OUTDIR
--       writes OUTDIR/API.md and OUTDIR/editor/brawlgear.lua
--   brawlgear-lua generate.lua list DESCRIPTION
--       prints the names the description promises, one per line, in the
--       form the registry test prints what the engine registers:
--       "class NAME", "method CLASS:NAME", "function NAME",
--       "constant NAME VALUE"
--   brawlgear-lua generate.lua examples DESCRIPTION
--       prints a script that runs every class's example
--
-- A calling form is written as in the description:
--   name(a: type, b: type = default, c?: type, ...: type) | (other form) -> result, name: type
-- "| (" starts another form of the same call; "->" the results (all forms
-- answer the same). A type may be a union ("Point|Vector").

local mode, descriptionFile, outDir = arg[1], arg[2], arg[3]
if not ((mode == "list" or mode == "examples") and descriptionFile) and not (mode == "docs" and descriptionFile and outDir) then
    io.stderr:write("usage: generate.lua docs DESCRIPTION OUTDIR | list DESCRIPTION | examples DESCRIPTION\n")
    os.exit(2)
end

local api = assert(dofile(descriptionFile))

local function fail(where, message)
    error(where .. ": " .. message, 0)
end

local function trim(s)
    return (s:gsub("^%s+", ""):gsub("%s+$", ""))
end

-- "x: number = 1" -> {name = "x", type = "number", default = "1"}
local function parseParam(text, where)
    local name, optional, rest = text:match("^([%a_][%w_]*)(%??)%s*:%s*(.+)$")
    if not name then
        rest = text:match("^%.%.%.%s*:%s*(.+)$")
        if not rest then fail(where, "cannot read the parameter '" .. text .. "'") end
        return {name = "...", type = trim(rest), variadic = true}
    end
    local kind, default = rest:match("^(.-)%s*=%s*(.+)$")
    if kind then return {name = name, type = kind, default = default, optional = true} end
    return {name = name, type = trim(rest), optional = optional == "?"}
end

local function parseList(text, where)
    local params = {}
    if trim(text) == "" then return params end
    for part in (text .. ","):gmatch("([^,]*),") do table.insert(params, parseParam(trim(part), where)) end
    return params
end

-- "-> number, name: string" -> {{type = "number"}, {name = "name", type = "string"}}
local function parseResults(text, where)
    local results = {}
    if not text then return results end
    for part in (text .. ","):gmatch("([^,]*),") do
        part = trim(part)
        local name, kind = part:match("^([%a_][%w_]*)%s*:%s*(.+)$")
        local many = part:match("^%.%.%.%s*:%s*(.+)$")
        if many then
            table.insert(results, {name = "...", type = many, variadic = true})
        elseif name then
            table.insert(results, {name = name, type = kind})
        elseif part:match("^[%w_|%.]+$") then
            table.insert(results, {type = part})
        else
            fail(where, "cannot read the result '" .. part .. "'")
        end
    end
    return results
end

-- A whole calling description -> {name, forms = {params...}, results}
local function parseCall(text, where)
    local name, rest = text:match("^([%a_][%w_]*)%s*(%(.*)$")
    if not name then fail(where, "cannot read the call '" .. text .. "'") end
    local formsText, resultsText = rest:match("^(.-)%s*%->%s*(.+)$")
    formsText = formsText or rest
    local call = {name = name, forms = {}, results = parseResults(resultsText, where)}
    local position = 1
    while true do
        local body, after = formsText:match("^%((.-)%)()", position)
        if not body then fail(where, "cannot read the forms of '" .. text .. "'") end
        table.insert(call.forms, parseList(body, where))
        local next = formsText:match("^%s*|%s*()", after)
        if not next then
            if after <= #formsText then fail(where, "unexpected text after the forms of '" .. text .. "'") end
            break
        end
        position = next
    end
    return call
end

local function entries(list, where)
    local calls = {}
    for i, entry in ipairs(list) do
        local place = where .. " #" .. i
        if type(entry[1]) ~= "string" or type(entry[2]) ~= "string" then
            fail(place, "an entry is {\"call(...) -> results\", \"meaning\"}")
        end
        local call = parseCall(entry[1], place)
        call.doc = entry[2]
        table.insert(calls, call)
    end
    return calls
end

for _, class in ipairs(api.classes) do
    class.calls = entries(class.methods, class.name)
    for _, call in ipairs(class.calls) do
        if call.name == "new" and #call.results == 0 then call.results = {{type = class.name}} end
    end
    class.var = class.var or class.name:sub(1, 1):lower() .. class.name:sub(2)
end
local functions = entries(api.functions, "functions")

local function formatNumber(value)
    return string.format("%.17g", value)
end

-- ---------------------------------------------------------------- list

if mode == "list" then
    local lines = {}
    for _, class in ipairs(api.classes) do
        table.insert(lines, "class " .. class.name)
        for _, call in ipairs(class.calls) do table.insert(lines, "method " .. class.name .. ":" .. call.name) end
        if class.accessor then table.insert(lines, "function " .. class.accessor) end
    end
    for _, call in ipairs(functions) do table.insert(lines, "function " .. call.name) end
    for _, group in ipairs(api.constants) do
        for _, constant in ipairs(group) do
            table.insert(lines, "constant " .. constant[1] .. " " .. formatNumber(constant[2]))
        end
    end
    table.sort(lines)
    for _, line in ipairs(lines) do print(line) end
    return
end

-- ---------------------------------------------------------------- examples

-- A script that runs every class's example in turn, each in a protected
-- call, and says of each whether it ran (the test of the examples).
if mode == "examples" then
    print("local examples = {")
    for _, class in ipairs(api.classes) do
        if class.example then print(string.format("    {%q, %q},", class.name, class.example)) end
    end
    print("}")
    print([[
for _, example in ipairs(examples) do
    local chunk, message = loadstring(example[2], "=" .. example[1] .. " example")
    local ran = false
    if chunk then ran, message = pcall(chunk) end
    io.stderr:write("example ", example[1], ran and " ran" or (": " .. tostring(message)), "\n")
end]])
    return
end

-- ---------------------------------------------------------------- API.md

if os.execute("mkdir -p '" .. outDir .. "/editor'") ~= 0 then fail(outDir, "cannot make the folder") end

local out = {}
local function emit(...)
    for _, text in ipairs({...}) do table.insert(out, text) end
end

local function paramText(param)
    if param.variadic then return "..." end
    return param.name
end

-- "x, y [, z = 1]"
local function formArgs(params)
    local required, optional = {}, {}
    for _, param in ipairs(params) do
        if param.optional then
            local text = param.default and (param.name .. " = " .. param.default) or paramText(param)
            table.insert(optional, text)
        else
            table.insert(required, paramText(param))
        end
    end
    local text = table.concat(required, ", ")
    if #optional > 0 then
        text = text .. (text == "" and "[" or " [, ") .. table.concat(optional, ", ") .. "]"
    end
    return text
end

-- The arguments whose type is not a plain number.
local function typesText(params)
    local seen, parts = {}, {}
    for _, param in ipairs(params) do
        local text = paramText(param) .. ": " .. param.type
        if param.type ~= "number" and not seen[text] then
            seen[text] = true
            table.insert(parts, text)
        end
    end
    return parts
end

local function resultsText(results)
    if #results == 0 then return "" end
    local parts = {}
    for _, result in ipairs(results) do
        if result.variadic then
            table.insert(parts, result.type .. ", ...")
        else
            table.insert(parts, result.name or result.type)
        end
    end
    return table.concat(parts, ", ")
end

local function cell(text)
    return (text:gsub("|", "\\|"):gsub("\n", " "))
end

local function anchor(name)
    return name:lower():gsub("[^%w]+", "-")
end

local function callRows(calls, makeForm)
    emit("| call | answers | does |", "|---|---|---|")
    for _, call in ipairs(calls) do
        local forms, types = {}, {}
        for _, params in ipairs(call.forms) do
            table.insert(forms, "`" .. makeForm(call, params) .. "`")
            for _, text in ipairs(typesText(params)) do
                if not types[text] then
                    types[text] = true
                    table.insert(types, text)
                end
            end
        end
        local meaning = call.doc
        if #types > 0 then meaning = meaning .. " *(" .. table.concat(types, "; ") .. ")*" end
        emit("| " .. cell(table.concat(forms, "<br>")) .. " | " .. cell(resultsText(call.results)) .. " | " ..
             cell(meaning) .. " |")
    end
    emit("")
end

emit("# Script API reference", "",
     "<!-- Generated from src/bindings/Api.lua by tools/api/generate.lua: edit those, not this file. -->", "",
     api.introduction, "",
     "Calling forms: `[...]` marks optional arguments with their defaults, and a call that takes different",
     "arguments (\"a `Point` or x, y, z\") has a line for each form. Arguments are numbers unless the note",
     "after the meaning gives their type; several answers are several return values (`local x, y, z = p:get()`).",
     "Editors can complete all of this: see [editor.md](editor.md).", "")

emit("## Contents", "", "- [Global functions](#global-functions)")
for _, class in ipairs(api.classes) do emit("- [" .. class.name .. "](#" .. anchor(class.name) .. ")") end
emit("- [Constants](#constants)", "")

emit("## Global functions", "")
callRows(functions, function(call, params) return call.name .. "(" .. formArgs(params) .. ")" end)
local accessors = {}
for _, class in ipairs(api.classes) do
    if class.accessor then table.insert(accessors, "`" .. class.accessor .. "()` ([" .. class.name .. "](#" .. anchor(class.name) .. "))") end
end
emit("The singletons are reached with " .. table.concat(accessors, ", ") .. ".", "")

emit("## Classes", "", api.classIntroduction, "")
for _, class in ipairs(api.classes) do
    emit("### " .. class.name, "", class.doc, "")
    if class.accessor then
        emit("A singleton: `" .. class.accessor .. "()` answers an object standing for it (so does `" .. class.name ..
             "()`); any number of objects may stand for it.", "")
    end
    local makers, methods = {}, {}
    for _, call in ipairs(class.calls) do table.insert(call.name == "new" and makers or methods, call) end
    if not class.accessor then
        callRows(makers, function(_, params) return class.name .. "(" .. formArgs(params) .. ")" end)
    end
    if #methods > 0 then
        callRows(methods, function(call, params)
            local name = call.name
            if name == "end" then return class.var .. '["end"](' .. class.var .. ")" end
            return class.var .. ":" .. name .. "(" .. formArgs(params) .. ")"
        end)
    end
    if class.example then emit("```lua", trim(class.example), "```", "") end
end

emit("## Constants", "", "Global numbers, registered with the class that uses them.", "")
for _, group in ipairs(api.constants) do
    emit("### " .. group.title, "", group.doc, "", "| name | value | meaning |", "|---|---|---|")
    for _, constant in ipairs(group) do
        emit("| `" .. constant[1] .. "` | " .. formatNumber(constant[2]) .. " | " .. cell(constant[3]) .. " |")
    end
    emit("")
end

local function write(path, lines)
    local file = assert(io.open(path, "wb"))
    file:write(table.concat(lines, "\n"), "\n")
    file:close()
end

write(outDir .. "/API.md", out)

-- ---------------------------------------------------------------- annotations

out = {}

local keywords = {}
for word in ("and break do else elseif end false for function if in local nil not or repeat return then " ..
             "true until while"):gmatch("%S+") do keywords[word] = true end

local function docLines(text)
    for line in (text .. "\n"):gmatch("(.-)\n") do emit("---" .. line) end
end

-- "fun(self: T, x: number, y?: number): number"
local function funType(self, params, results)
    local parts = {}
    if self then table.insert(parts, "self: " .. self) end
    for _, param in ipairs(params) do
        table.insert(parts, paramText(param) .. ((param.optional and not param.variadic) and "?" or "") .. ": " ..
                     param.type)
    end
    local text = "fun(" .. table.concat(parts, ", ") .. ")"
    if #results > 0 then
        local types = {}
        for _, result in ipairs(results) do table.insert(types, result.type) end
        text = text .. ": " .. table.concat(types, ", ")
    end
    return text
end

local function paramDoc(param)
    local name = param.variadic and "..." or (param.name .. (param.optional and "?" or ""))
    local line = "---@param " .. name .. " " .. param.type
    if param.default then line = line .. " Default " .. param.default .. "." end
    return line
end

local function argNames(params)
    local names = {}
    for _, param in ipairs(params) do table.insert(names, paramText(param)) end
    return table.concat(names, ", ")
end

-- One function: its meaning, the first form's parameters, the other forms
-- as overloads, and the results.
local function emitFunction(owner, call, self, results)
    docLines(call.doc)
    if owner and keywords[call.name] then emit("---@param self " .. owner) end
    for _, param in ipairs(call.forms[1]) do emit(paramDoc(param)) end
    for _, result in ipairs(results) do
        emit("---@return " .. result.type .. (result.name and (" " .. result.name) or ""))
    end
    for i = 2, #call.forms do emit("---@overload " .. funType(self, call.forms[i], results)) end
    if owner and keywords[call.name] then
        -- `function T:end()` is not Lua: the method is a field holding a function.
        local names = argNames(call.forms[1])
        emit(owner .. '["' .. call.name .. '"] = function(self' .. (names ~= "" and ", " or "") .. names .. ") end")
    elseif owner then
        emit("function " .. owner .. (self and ":" or ".") .. call.name .. "(" .. argNames(call.forms[1]) .. ") end")
    else
        emit("function " .. call.name .. "(" .. argNames(call.forms[1]) .. ") end")
    end
    emit("")
end

emit("---@meta",
     "-- The Brawlgear script API, for the Lua language server (and editors built on it).",
     "-- Generated from src/bindings/Api.lua by tools/api/generate.lua: edit those, not this file.",
     "-- docs/editor.md says how to point an editor at it.", "")

for _, call in ipairs(functions) do emitFunction(nil, call, nil, call.results) end

for _, class in ipairs(api.classes) do
    docLines(class.doc)
    emit("---@class " .. class.name)
    for _, call in ipairs(class.calls) do
        if call.name == "new" then
            for _, params in ipairs(call.forms) do emit("---@overload " .. funType(nil, params, {{type = class.name}})) end
        end
    end
    emit(class.name .. " = {}", "")
    if class.accessor then
        emit("---Answers an object standing for the " .. class.name .. " singleton.", "---@return " .. class.name,
             "function " .. class.accessor .. "() end", "")
    end
    for _, call in ipairs(class.calls) do emitFunction(class.name, call, class.name, call.results) end
end

for _, group in ipairs(api.constants) do
    emit("-- " .. group.title, "")
    for _, constant in ipairs(group) do
        docLines(constant[3])
        emit(constant[1] .. " = " .. formatNumber(constant[2]))
    end
    emit("")
end

write(outDir .. "/editor/brawlgear.lua", out)
