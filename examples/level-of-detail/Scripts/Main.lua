-- level-of-detail: one ball at four levels of detail, side by side.
--
-- Every mesh keeps coarser versions of its grid. By default the level
-- follows the distance to the camera (full detail up to the level length,
-- one step coarser each time the distance doubles). Here that is off and
-- each ball is given its level, 1 (full detail) down to 0; flat shading
-- shows every facet. Space switches to levels by distance: with a level
-- length of 3 the balls, all about 8 away, are past the steps at 3 and 6,
-- so all four drop to the same level, two below full detail.

local scene, camera, events = getScene(), getCamera(), getEventManager()
local lights, fonts = getLightManager(), getFontManager()
local vars = getVarManager()
local width, height = vars:getNumber("GL_ORTHO_RESOLUTION_X"), vars:getNumber("GL_ORTHO_RESOLUTION_Y")

local levels = {1, 0.5, 0.25, 0}
local balls = {}
for i, level in ipairs(levels) do
    local ball = RoundedCube(-1, Material(0.3, 0.25, 0.1, 1, 1, 0.8, 0.3, 1, 0.5, 0.5, 0.5, 1, 0, 0, 0, 1, 30),
                             1.6, 1.6, 1.6, 0.8)
    ball:translate((i - 2.5) * 2, 0, 0)
    ball:setLODEnabled(false)
    ball:setLODLevel(level)
    ball:setLevelLength(3) -- used while LOD by distance is on
    balls[i] = ball
end

local sun = lights:addLight()
lights:enable(sun)
local font = fonts:load("Fonts/Font.txt")

scene:setBackgroundColor(0.1, 0.12, 0.18, 1)
scene:setShadeModel(GL_FLAT) -- one colour a triangle
camera:setEye(0, 2, 9)
camera:setCenter(0, 0, 0)
camera:setUp(0, 1, 0)
camera:normalize()

local byDistance, spaceHeld = false, false
while not events:isKeyPressed(SDLK_ESCAPE) do
    scene:update()
    if events:isKeyPressed(SDLK_SPACE) and not spaceHeld then
        byDistance = not byDistance
        for _, ball in ipairs(balls) do ball:setLODEnabled(byDistance) end
    end
    spaceHeld = events:isKeyPressed(SDLK_SPACE)

    scene:clearBuffers()
    camera:lookAt()
    lights:setPosition(sun, -1, 2, 2)
    for _, ball in ipairs(balls) do
        ball:selfRotate(0.5, 0, 1, 0) -- rewrites the vertices: every level turns with them
        ball:display()
    end

    scene:glBegin2D()
    scene:set(GL_TEXTURE_2D, true)
    scene:set(GL_BLEND, true)
    scene:setBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA)
    fonts:setCurrentFontId(font)
    for i, level in ipairs(levels) do
        local label = byDistance and "auto" or string.format("%g", level)
        local centre = width * (0.5 + (i - 2.5) * 0.197)
        fonts:print(centre - fonts:getStringWidth(label) / 2, height * 0.28, label, 1, 1, 1, 1)
    end
    scene:restoreBlendFunc()
    scene:restore(GL_BLEND)
    scene:restore(GL_TEXTURE_2D)
    scene:glEnd2D()

    scene:display()
end
