-- LÖVE's side of bench/vs-love: runs the case named by BENCH_CASE and prints
-- one BENCH line. The runner adds work.lua (the loops and layouts Brawlgear
-- runs too) and sprite.png.

local Work = require("work")

local function engineCall(n)
    local timer = love.timer
    local dt
    for i = 1, n do
        dt = timer.getDelta()
    end
    return dt
end

local function scriptCase(case)
    local step = case == "call" and engineCall or Work.loops[case]
    Work.report(Work.nsPerStep(step), "ns")
end

-- A frame: clear, draw, swap (present). No events, no timer step and no
-- sleep: the same work as Brawlgear's frame.
local function frame(draw)
    love.graphics.clear(0.1, 0.2, 0.3, 1)
    draw()
    love.graphics.present()
end

local FONT = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf"

local function textDraw(setup)
    -- love.filesystem reads only the game and its save folder: take the
    -- font's bytes through io.
    local file = assert(io.open(FONT, "rb"))
    local bytes = file:read("*a")
    file:close()
    local font = love.graphics.newFont(love.filesystem.newFileData(bytes, "DejaVuSans.ttf"), 16)
    love.graphics.setFont(font)
    local scale = setup.height and setup.height / font:getHeight() or 1
    local lines, xs, ys = Work.textLayout()
    local count = #lines
    local print = love.graphics.print
    return function()
        for i = 1, count do
            print(lines[i], xs[i], ys[i], 0, scale, scale)
        end
    end
end

local function spriteDraw(setup)
    local image = love.graphics.newImage("sprite.png") -- linear filter, no mipmaps
    local scale = setup.side / image:getWidth()
    local half = setup.side / 2
    local xs, ys = Work.spriteLayout()
    local count = #xs
    local draw = love.graphics.draw
    return function()
        for i = 1, count do
            draw(image, xs[i] - half, ys[i] - half, 0, scale, scale)
        end
    end
end

local function frameCase(setup)
    love.graphics.setColor(1, 1, 1, 1)
    love.graphics.setBlendMode("alpha")
    local draw = setup.kind == "text" and textDraw(setup) or spriteDraw(setup)
    for f = 1, Work.warmup do frame(draw) end
    local getTime = love.timer.getTime
    local start = getTime()
    local faults = Work.minorFaults()
    for f = 1, Work.frames do frame(draw) end
    local seconds = getTime() - start
    faults = Work.minorFaults() - faults
    Work.report(seconds * 1000 / Work.frames, "ms", faults / Work.frames)
end

-- An error prints and quits: the default handler would wait on its screen.
function love.errorhandler(message)
    io.stderr:write(debug.traceback("vs-love: " .. tostring(message), 2), "\n")
    return function() return 1 end
end

function love.run()
    local case = Work.case
    if Work.scriptCases[case] then
        scriptCase(case)
    elseif Work.frameCases[case] then
        frameCase(Work.frameCases[case])
    else
        error("unknown BENCH_CASE '" .. case .. "'")
    end
    return function() return 0 end
end
