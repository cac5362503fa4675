-- Brawlgear sample game: the main script. The engine runs this file (packed
-- as Scripts/Main.o) once; the game loop lives here.

loadModule("Scripts/Maths")

local config = getVarManager()

trace("Brawlgear demo")
trace("  configured window: " .. config:getNumber("SDL_SCREEN_WIDTH") .. " x "
      .. config:getNumber("SDL_SCREEN_HEIGHT"))
trace("  clamp(5, 0, 3) = " .. clamp(5, 0, 3))
trace("  angle between the axes: " .. degrees(acos(0)) .. " degrees")

-- A short countdown, paced with delay().
for i = 3, 1, -1 do
    trace("  starting in " .. i)
    delay(100)
end

-- Game settings live in Engine.cfg beside the engine's own.
config:setVarValue("DEMO_LAST_RUN", os.time())
trace("Done. Engine.cfg is written back, sorted, at exit.")
