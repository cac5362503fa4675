-- lights: all eight lights at once, each its own colour, and three materials.
--
-- The engine has eight OpenGL lights, ids 0 to 7. Here every one is a point
-- light circling low over a grey floor, marked by a glow of its colour. The
-- balls in the middle show what a material makes of the same light: matt,
-- shiny (a highlight of each lamp), and glowing by itself (emission).

local scene, camera, events = getScene(), getCamera(), getEventManager()
local lights = getLightManager()
local glowTexture = getTextureManager():load("Textures/Glow.png")

-- Material(ambient, diffuse, specular, emission: r, g, b, a each; shininess)
local floor = Quad(-1, Material(0.2, 0.2, 0.2, 1, 0.8, 0.8, 0.8, 1, 0, 0, 0, 1, 0, 0, 0, 1, 0), 12, 12, 64, 64)
floor:rotate(-90, 1, 0, 0) -- lying in y = 0, facing up; fine enough for pools of light
local materials = {
    Material(0.2, 0.2, 0.2, 1, 0.9, 0.9, 0.9, 1, 0, 0, 0, 1, 0, 0, 0, 1, 0), -- matt
    Material(0.1, 0.1, 0.1, 1, 0.2, 0.2, 0.2, 1, 1, 1, 1, 1, 0, 0, 0, 1, 100), -- shiny
    Material(0.1, 0.1, 0.1, 1, 0.2, 0.2, 0.2, 1, 0, 0, 0, 1, 0.9, 0.75, 0.3, 1, 0), -- glowing
}
local balls = {}
for i, material in ipairs(materials) do
    balls[i] = RoundedCube(-1, material, 1.2, 1.2, 1.2, 0.6)
    balls[i]:translate((i - 2) * 1.6, 0.6, 0)
end

-- addLight hands out the lowest free id; a ninth would answer -1.
local lamps, marks = {}, {}
for i = 1, 8 do
    local hue = Color()
    hue:setHSBA((i - 1) * 45, 100, 100, 1) -- round the colour wheel
    local r, g, b = hue:get()
    local id = lights:addLight()
    lights:setInfinite(id, false) -- a point light, lighting what is in its reach
    lights:setRadius(id, 6, 140)
    lights:setDiffuse(id, r, g, b, 1)
    lights:setSpecular(id, r, g, b, 1)
    lights:enable(id)
    lamps[i] = id
    marks[i] = Billboard(r, g, b, 1, glowTexture, 0.7, 0.7)
end

scene:setBackgroundColor(0.02, 0.02, 0.04, 1)
camera:setEye(0, 7, 8)
camera:setCenter(0, 0, 0.5)
camera:setUp(0, 1, 0)
camera:normalize()

local frame = 0
while not events:isKeyPressed(SDLK_ESCAPE) do
    scene:update()
    frame = frame + 1

    scene:clearBuffers()
    camera:lookAt()
    -- The ring turns half a degree a frame; positions are set after lookAt.
    local places = {}
    for i, id in ipairs(lamps) do
        local a = math.rad(frame * 0.5 + (i - 1) * 45)
        places[i] = Point(4 * math.cos(a), 1, 4 * math.sin(a))
        lights:setPosition(id, places[i])
    end
    floor:display()
    for _, ball in ipairs(balls) do ball:display() end

    -- The glows add their light to what is behind them.
    scene:set(GL_TEXTURE_2D, true)
    scene:set(GL_BLEND, true)
    scene:setBlendFunc(GL_SRC_ALPHA, GL_ONE)
    marks[1]:beginDisplay()
    for i, mark in ipairs(marks) do
        mark:bindTexture()
        mark:display(places[i])
    end
    marks[1]:endDisplay()
    scene:restoreBlendFunc()
    scene:restore(GL_BLEND)
    scene:restore(GL_TEXTURE_2D)

    scene:display()
end
