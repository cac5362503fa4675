-- rounded-boxes: one kind of mesh, four shapes.
--
-- RoundedCube(texture, material, width, height, depth, radius,
-- horizontalAngle, verticalAngle) is a box whose edges are rounded with the
-- radius. With a small radius it is a box with soft edges; longer along one
-- axis, a capsule; with every size twice the radius, a sphere; and cut by the
-- vertical angle (90 of 180), half a sphere: turned over, a dome.

local scene, camera, events = getScene(), getCamera(), getEventManager()
local lights, fonts = getLightManager(), getFontManager()
local vars = getVarManager()
local width, height = vars:getNumber("GL_ORTHO_RESOLUTION_X"), vars:getNumber("GL_ORTHO_RESOLUTION_Y")

-- Material(ambient, diffuse, specular, emission: r, g, b, a each; shininess)
local function paint(r, g, b)
    return Material(r * 0.3, g * 0.3, b * 0.3, 1, r, g, b, 1, 0.6, 0.6, 0.6, 1, 0, 0, 0, 1, 40)
end
local shapes = {
    {"box", RoundedCube(-1, paint(0.3, 0.6, 1), 1.6, 1.6, 1.6, 0.25)},
    {"capsule", RoundedCube(-1, paint(0.4, 0.9, 0.4), 0.8, 2, 0.8, 0.4)},
    {"sphere", RoundedCube(-1, paint(1, 0.4, 0.3), 1.6, 1.6, 1.6, 0.8)},
    {"dome", RoundedCube(-1, paint(1, 0.85, 0.3), 1.6, 1.6, 1.6, 0.8, 360, 90)},
}
shapes[1][2]:rotate(30, 0, 1, 0) -- turned, to show two sides
shapes[4][2]:rotate(180, 1, 0, 0) -- the half that is kept is the lower one
for i, shape in ipairs(shapes) do
    shape[2]:translate((i - 2.5) * 2.1, 0, 0)
end

local sun = lights:addLight()
lights:enable(sun)
local font = fonts:load("Fonts/Font.txt")

scene:setBackgroundColor(0.1, 0.12, 0.18, 1)
camera:setEye(0, 2.5, 9)
camera:setCenter(0, 0, 0)
camera:setUp(0, 1, 0)
camera:normalize()

while not events:isKeyPressed(SDLK_ESCAPE) do
    scene:update()
    scene:clearBuffers()
    camera:lookAt()
    lights:setPosition(sun, -1, 2, 2)
    for _, shape in ipairs(shapes) do shape[2]:display() end

    scene:glBegin2D()
    scene:set(GL_TEXTURE_2D, true)
    scene:set(GL_BLEND, true)
    scene:setBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA)
    fonts:setCurrentFontId(font)
    for i, shape in ipairs(shapes) do
        local centre = width * (0.5 + (i - 2.5) * 0.21)
        fonts:print(centre - fonts:getStringWidth(shape[1]) / 2, height * 0.25, shape[1], 1, 1, 1, 1)
    end
    scene:restoreBlendFunc()
    scene:restore(GL_BLEND)
    scene:restore(GL_TEXTURE_2D)
    scene:glEnd2D()
    scene:display()
end
