-- What both games of bench/vs-love share: the script loops, the layout of
-- the text and the sprites, the fault counter and the result line. Both load
-- this same file (Brawlgear as Scripts/Work, LÖVE as work.lua), so the two
-- programs run the very same Lua.

local Work = {}

-- Settings from the runner, through the environment.
local function setting(name, default)
    return tonumber(os.getenv(name) or "") or default
end

Work.case = os.getenv("BENCH_CASE") or ""
Work.frames = setting("BENCH_FRAMES", 100)         -- timed frames
Work.warmup = setting("BENCH_WARMUP", 20)          -- frames drawn before the timed ones
Work.scriptSeconds = setting("BENCH_SCRIPT_SECONDS", 0.1) -- CPU time of one timed loop

Work.WIDTH, Work.HEIGHT = 800, 600
Work.LINES, Work.SPRITES = 1000, 10000

-- Brawlgear does not offer the jit table: LuaJIT shows in how it names its
-- built-in functions.
Work.interpreter = (jit and jit.version) or (tostring(print):find("builtin") and "LuaJIT") or _VERSION

-- Minor page faults of this process so far: field 10 of /proc/self/stat.
-- The command name (field 2) may hold blanks, so count from its ')'.
function Work.minorFaults()
    local file = io.open("/proc/self/stat", "r")
    if not file then return 0 end
    local line = file:read("*l") or ""
    file:close()
    local rest = line:match("%)%s+(.*)$") or ""
    local n = 0
    for field in rest:gmatch("%S+") do
        n = n + 1
        if n == 8 then return tonumber(field) or 0 end -- fields 3, 4, ... 10
    end
    return 0
end

-- The script loops: each runs n steps and answers something so that no
-- interpreter can drop the work.
local loops = {}

function loops.empty(n)
    for i = 1, n do end
    return n
end

function loops.arith(n)
    local t = { 1, 2, 3, 4, 5, 6, 7, 8 }
    local s = 0
    for i = 1, n do
        local k = i % 8 + 1
        local v = t[k] * 3 + i
        t[k] = v % 1000
        s = s + v * 0.5
    end
    return s
end

function loops.abs(n)
    local s, h = 0, n / 2
    for i = 1, n do
        s = s + math.abs(i - h)
    end
    return s
end

Work.loops = loops

-- Nanoseconds per step of step(n): runs it for a while to warm up (LuaJIT
-- compiles the loop there), grows n until one run takes scriptSeconds of
-- CPU time, then answers the median of three runs of that n.
function Work.nsPerStep(step)
    local n = 1000
    local start = os.clock()
    while os.clock() - start < Work.scriptSeconds / 2 do
        step(n)
    end
    while true do
        local t0 = os.clock()
        step(n)
        local spent = os.clock() - t0
        if spent >= Work.scriptSeconds then break end
        n = n * (spent > 0 and math.min(10, math.max(2, 1.2 * Work.scriptSeconds / spent)) or 10)
        n = math.floor(n)
    end
    local runs = {}
    for r = 1, 3 do
        local t0 = os.clock()
        step(n)
        runs[r] = (os.clock() - t0) * 1e9 / n
    end
    table.sort(runs)
    return runs[2]
end

-- The text: LINES lines of 41 characters, each its own string, at places
-- spread over the window (x to the right, y down from the top, in pixels).
function Work.textLayout()
    local lines, xs, ys = {}, {}, {}
    for i = 1, Work.LINES do
        local line = string.format("%04d The quick brown fox jumps over a dog", i)
        assert(#line == 41, "a text line must be 41 characters")
        lines[i] = line
        xs[i] = (i * 37) % 440 + 4
        ys[i] = (i * 16) % 576 + 2
    end
    return lines, xs, ys
end

-- The sprites' centres, spread over the window (y down from the top). Each
-- is a pixel's centre: a 1 px sprite then covers that pixel whichever way y
-- runs, instead of leaving it to the rasteriser's rule for edges through
-- pixel centres (a y-up overlay and a y-down one would disagree).
function Work.spriteLayout()
    local xs, ys = {}, {}
    for i = 1, Work.SPRITES do
        xs[i] = (i * 37) % 768 + 16.5
        ys[i] = (i * 53) % 568 + 16.5
    end
    return xs, ys
end

-- What each frame case draws: text at a line height in pixels, sprites at a
-- side in pixels.
Work.frameCases = {
    text16 = { kind = "text", height = nil }, -- the font's own 16 px size
    text2 = { kind = "text", height = 2 },
    sprite32 = { kind = "sprite", side = 32 },
    sprite1 = { kind = "sprite", side = 1 },
}

Work.scriptCases = { empty = true, arith = true, abs = true, call = true }

-- The one line the runner reads.
function Work.report(value, unit, faults)
    io.write(string.format("BENCH case=%s value=%.6g unit=%s faults=%s lua=%s\n", Work.case, value, unit,
        faults and string.format("%.6g", faults) or "-", (Work.interpreter:gsub("%s", "_"))))
    io.flush()
end

return Work
