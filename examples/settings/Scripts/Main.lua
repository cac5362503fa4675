-- settings: keeping the game's own settings in Engine.cfg.
--
-- Engine.cfg holds the engine's settings and may hold the game's. BALL_HUE
-- ships in the file: the arrow keys change it with setVarValue, and the
-- engine writes the file back when the game ends, so the ball keeps its
-- colour next time. GAME_RUNS is made on the first run (hasVar, addVar)
-- and saved at once with end(), so a count survives even a crash.
-- Reading a name the file lacks stops the game: check with hasVar first.

local scene, camera, events = getScene(), getCamera(), getEventManager()
local lights, fonts = getLightManager(), getFontManager()
local vars = getVarManager()
local width, height = vars:getNumber("GL_ORTHO_RESOLUTION_X"), vars:getNumber("GL_ORTHO_RESOLUTION_Y")

if not vars:hasVar("GAME_RUNS") then vars:addVar("GAME_RUNS", 0) end
local runs = vars:getNumber("GAME_RUNS") + 1
vars:setVarValue("GAME_RUNS", runs)
vars["end"](vars) -- `end` is a Lua keyword: written now, not only at exit

local ball = RoundedCube(-1, Material(), 2, 2, 2, 1)
local function paint(hue)
    local colour = Color()
    colour:setHSBA(hue, 80, 100, 1) -- hue in degrees, saturation and brightness in percent
    local r, g, b = colour:get()
    -- Material's 17 numbers: ambient, diffuse, specular, emission (r, g, b, a), shininess.
    ball:setMaterial(r * 0.3, g * 0.3, b * 0.3, 1, r, g, b, 1, 0.5, 0.5, 0.5, 1, 0, 0, 0, 1, 40)
end
local hue = vars:getNumber("BALL_HUE")
paint(hue)

local sun = lights:addLight()
lights:enable(sun)
local font = fonts:load("Fonts/Font.txt")
scene:setBackgroundColor(0.1, 0.12, 0.18, 1)
camera:setEye(0, 0, 7)
camera:setCenter(0, 0, 0)
camera:setUp(0, 1, 0)
camera:normalize()

while not events:isKeyPressed(SDLK_ESCAPE) do
    scene:update()
    local turn = (events:isKeyPressed(SDLK_RIGHT) and 2 or 0) - (events:isKeyPressed(SDLK_LEFT) and 2 or 0)
    if turn ~= 0 then
        hue = (hue + turn) % 360
        paint(hue)
        vars:setVarValue("BALL_HUE", hue) -- saved when the game ends
    end

    scene:clearBuffers()
    camera:lookAt()
    lights:setPosition(sun, -1, 2, 2)
    ball:display()

    scene:glBegin2D()
    scene:set(GL_TEXTURE_2D, true)
    scene:set(GL_BLEND, true)
    scene:setBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA)
    fonts:setCurrentFontId(font)
    fonts:print(10, height - 10, string.format("run %d", runs), 1, 1, 1, 1)
    local line = string.format("hue %d   left/right: change", hue)
    fonts:print((width - fonts:getStringWidth(line)) / 2, 30, line, 1, 1, 1, 1)
    scene:restoreBlendFunc()
    scene:restore(GL_BLEND)
    scene:restore(GL_TEXTURE_2D)
    scene:glEnd2D()
    scene:display()
end
