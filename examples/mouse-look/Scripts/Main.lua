-- mouse-look: look round with the mouse, walk with the keys.
--
-- The engine holds the system cursor in the middle of the window, so the
-- mouse never runs out of room; getMouseDeltaS() is how far it moved this
-- frame (y up), times INPUT_MOUSE_SPEED. Turning is kept as two angles,
-- yaw and pitch, and the camera looks along the direction they make.
-- W, A, S, D or the arrow keys walk, at a speed per second (getDt).

local scene, camera, events, time = getScene(), getCamera(), getEventManager(), getTime()
local lights, fonts, textures = getLightManager(), getFontManager(), getTextureManager()
local vars = getVarManager()
local width, height = vars:getNumber("GL_ORTHO_RESOLUTION_X"), vars:getNumber("GL_ORTHO_RESOLUTION_Y")

-- Material(ambient, diffuse, specular, emission: r, g, b, a each; shininess)
local matt = Material(0.4, 0.4, 0.4, 1, 0.8, 0.8, 0.8, 1, 0, 0, 0, 1, 0, 0, 0, 1, 0)
local floor = Quad(textures:load("Textures/Floor.png"), matt, 16, 16, 16, 16)
floor:rotate(-90, 1, 0, 0)
local pillars = {}
for i = 0, 7 do -- a ring of brick pillars to walk among
    local pillar = Cube(textures:load("Textures/Wall.png"), matt, 1, 3, 1, 4, 4)
    pillar:translate(6 * math.cos(i * math.pi / 4), 1.5, 6 * math.sin(i * math.pi / 4))
    pillars[#pillars + 1] = pillar
end
local sun = lights:addLight()
lights:enable(sun)
local font = fonts:load("Fonts/Font.txt")

local x, z, yaw, pitch = 0, 2, 20, -5 -- where we stand and look (degrees)
scene:setBackgroundColor(0.45, 0.6, 0.85, 1)

local function key(a, b) return events:isKeyPressed(a) or events:isKeyPressed(b) end

while not events:isKeyPressed(SDLK_ESCAPE) do
    scene:update()
    local dx, dy = events:getMouseDeltaS()
    yaw = yaw + dx * 0.2
    pitch = clamp(pitch + dy * 0.2, -85, 85) -- never straight up: up must not be the look
    local forward = (key(SDLK_w, SDLK_UP) and 1 or 0) - (key(SDLK_s, SDLK_DOWN) and 1 or 0)
    local right = (key(SDLK_d, SDLK_RIGHT) and 1 or 0) - (key(SDLK_a, SDLK_LEFT) and 1 or 0)
    local y, step = math.rad(yaw), 4 * time:getDt()
    x = x + (math.sin(y) * forward + math.cos(y) * right) * step
    z = z + (-math.cos(y) * forward + math.sin(y) * right) * step

    local p = math.rad(pitch)
    camera:setEye(x, 1.7, z)
    camera:setLook(math.sin(y) * math.cos(p), math.sin(p), -math.cos(y) * math.cos(p))
    camera:setUp(0, 1, 0)
    camera:normalize()

    scene:clearBuffers()
    camera:lookAt()
    lights:setPosition(sun, 1, 2, 1)
    scene:set(GL_TEXTURE_2D, true)
    floor:display()
    for _, pillar in ipairs(pillars) do pillar:display() end

    scene:glBegin2D()
    scene:set(GL_BLEND, true)
    scene:setBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA)
    fonts:setCurrentFontId(font)
    local h = fonts:getStringHeight("+")
    fonts:print((width - fonts:getStringWidth("+")) / 2, (height + h) / 2, "+", 1, 1, 1, 1)
    fonts:print(10, 24, "mouse: look   WASD: walk   Esc: quit", 1, 1, 1, 1)
    scene:restoreBlendFunc()
    scene:restore(GL_BLEND)
    scene:glEnd2D()
    scene:restore(GL_TEXTURE_2D)
    scene:display()
end
