-- Brawlgear sample game: the main script. The engine runs this file (packed
-- as Scripts/Main.o) once; the game loop lives here.

loadModule("Scripts/Maths")

trace("Brawlgear demo")
trace("  clamp(5, 0, 3) = " .. clamp(5, 0, 3))
trace("  angle between the axes: " .. degrees(acos(0)) .. " degrees")

-- A short countdown, paced with delay().
for i = 3, 1, -1 do
    trace("  starting in " .. i)
    delay(100)
end
trace("Done. Engine.cfg has been written back, sorted.")
