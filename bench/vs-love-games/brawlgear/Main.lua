-- Brawlgear's side of bench/vs-love: runs the case named by BENCH_CASE and
-- prints one BENCH line. The runner adds Engine.cfg, the fonts (from
-- `brawlgear --new`), Scripts/Work.lua and Textures/Sprite.png, then packs it.

local Work = loadModule("Scripts/Work")
local scene, time = getScene(), getTime()

-- No vertical sync (Engine.cfg has GL_SWAP_CONTROL = 0 as well). The frame
-- cap lives in Scene:update (Time:update): the frame loop below never calls
-- it, so nothing waits between frames.
disableVSync()

local function engineCall(n)
    local t = getTime()
    local dt
    for i = 1, n do
        dt = t:getDt()
    end
    return dt
end

local function scriptCase(case)
    local step = case == "call" and engineCall or Work.loops[case]
    Work.report(Work.nsPerStep(step), "ns")
end

-- A frame: clear, the overlay, swap.
local function frame(draw)
    scene:clearBuffers()
    scene:glBegin2D()
    scene:set(GL_TEXTURE_2D, true)
    scene:set(GL_BLEND, true)
    scene:setBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA)
    draw()
    scene:restoreBlendFunc()
    scene:restore(GL_BLEND)
    scene:restore(GL_TEXTURE_2D)
    scene:glEnd2D()
    scene:display()
end

local function textDraw(setup)
    local fonts = getFontManager()
    fonts:setCurrentFontId(fonts:load("Fonts/Font.txt"))
    fonts:setScale(1)
    if setup.height then fonts:setScale(setup.height / fonts:getStringHeight("A")) end
    local lines, xs, ys = Work.textLayout()
    for i = 1, #ys do ys[i] = Work.HEIGHT - ys[i] end -- y up, at the glyph tops
    local count = #lines
    return function()
        for i = 1, count do
            fonts:print(xs[i], ys[i], lines[i], 1, 1, 1, 1)
        end
    end
end

local function spriteDraw(setup)
    -- No mipmaps, as LÖVE's images by default: both minify with GL_LINEAR.
    local texture = getTextureManager():load("Textures/Sprite.png", false)
    assert(texture >= 0, "no sprite texture")
    local sprite = Billboard(1, 1, 1, 1, texture, setup.side, setup.side)
    local xs, ys = Work.spriteLayout()
    for i = 1, #ys do ys[i] = Work.HEIGHT - ys[i] end
    local count = #xs
    return function()
        sprite:beginDisplay()
        sprite:bindTexture()
        for i = 1, count do
            sprite:display2D(xs[i], ys[i], 0)
        end
        sprite:endDisplay()
    end
end

local function frameCase(setup)
    local draw = setup.kind == "text" and textDraw(setup) or spriteDraw(setup)
    for f = 1, Work.warmup do frame(draw) end
    -- Time:restart then Time:update measure the whole stretch by the
    -- engine's own clock (milliseconds); it is far longer than a capped
    -- frame, so update does not wait.
    time:restart()
    local faults = Work.minorFaults()
    for f = 1, Work.frames do frame(draw) end
    time:update()
    faults = Work.minorFaults() - faults
    local seconds = time:getDt()
    if seconds < 0.05 then
        trace("vs-love: the timed frames took " .. seconds .. " s: too few frames for a millisecond clock")
    end
    Work.report(seconds * 1000 / Work.frames, "ms", faults / Work.frames)
end

local case = Work.case
if Work.scriptCases[case] then
    scriptCase(case)
elseif Work.frameCases[case] then
    frameCase(Work.frameCases[case])
else
    error("unknown BENCH_CASE '" .. case .. "'")
end
