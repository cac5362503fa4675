-- revolution: vases turned from one profile, as on a potter's wheel.
--
-- A CurvedMesh is a profile of points (x, y, z; x is the distance from the
-- axis) turned round the y axis. The number of points less one must be a
-- power of two. The same five points make all three: joined by straight
-- lines (interpolation 0), by a natural cubic spline (1), and the spline
-- turned through 270 degrees only, open at the front (culling off, so the
-- inside shows too).

local scene, camera, events = getScene(), getCamera(), getEventManager()
local lights, fonts = getLightManager(), getFontManager()
local vars = getVarManager()
local width, height = vars:getNumber("GL_ORTHO_RESOLUTION_X"), vars:getNumber("GL_ORTHO_RESOLUTION_Y")

-- Material(ambient, diffuse, specular, emission: r, g, b, a each; shininess)
local glaze = Material(0.25, 0.12, 0.1, 1, 0.8, 0.4, 0.3, 1, 0.6, 0.6, 0.6, 1, 0, 0, 0, 1, 40)
local function vase(interpolation, angle)
    -- Five points, foot to lip; then the angle, slices and stacks.
    return CurvedMesh(-1, glaze, interpolation, 5, 0.01, 0, 0, 0.9, 0.3, 0, 0.5, 1.3, 0, 0.25, 2, 0, 0.6, 2.6, 0,
                      angle, 32, 32)
end
local straight, smooth, open = vase(0, 360), vase(1, 360), vase(1, 270)
straight:translate(-2.4, 0, 0)
open:selfRotate(210, 0, 1, 0) -- the open side to the front
open:translate(2.4, 0, 0)

local sun = lights:addLight()
lights:enable(sun)
local font = fonts:load("Fonts/Font.txt")

scene:setBackgroundColor(0.1, 0.12, 0.18, 1)
camera:setEye(0, 3, 8)
camera:setCenter(0, 1.1, 0)
camera:setUp(0, 1, 0)
camera:normalize()

while not events:isKeyPressed(SDLK_ESCAPE) do
    scene:update()
    scene:clearBuffers()
    camera:lookAt()
    lights:setPosition(sun, -1, 2, 3)
    straight:display()
    smooth:display()
    scene:set(GL_CULL_FACE, false)
    open:display()
    scene:restore(GL_CULL_FACE)

    scene:glBegin2D()
    scene:set(GL_TEXTURE_2D, true)
    scene:set(GL_BLEND, true)
    scene:setBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA)
    fonts:setCurrentFontId(font)
    for i, label in ipairs({"lines", "spline", "270 degrees"}) do
        local centre = width * (0.5 + (i - 2) * 0.3)
        fonts:print(centre - fonts:getStringWidth(label) / 2, height * 0.2, label, 1, 1, 1, 1)
    end
    scene:restoreBlendFunc()
    scene:restore(GL_BLEND)
    scene:restore(GL_TEXTURE_2D)
    scene:glEnd2D()
    scene:display()
end
