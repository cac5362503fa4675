-- mirror: a polished floor that reflects what stands on it.
--
-- Between glBeginMirror() and glEndMirror() everything is drawn upside
-- down in the plane y = 0, lights included, with the faces that are culled
-- swapped. Draw the things above the floor there first, then the floor
-- itself, partly see-through, then the things again as they are: the
-- reflection shows through the floor. Place the lights before the mirror:
-- the pair mirrors them and puts them back.

local scene, camera, events = getScene(), getCamera(), getEventManager()
local lights, textures = getLightManager(), getTextureManager()

-- Material(ambient, diffuse, specular, emission: r, g, b, a each; shininess)
local function paint(r, g, b, a)
    return Material(r * 0.3, g * 0.3, b * 0.3, a, r, g, b, a, 0.6, 0.6, 0.6, a, 0, 0, 0, a, 50)
end
local floor = Quad(textures:load("Textures/Floor.png"), paint(1, 1, 1, 0.6), 10, 10, 16, 16)
floor:rotate(-90, 1, 0, 0)
local ball = RoundedCube(-1, paint(0.9, 0.2, 0.15, 1), 1.4, 1.4, 1.4, 0.7)
ball:translate(-1.2, 1.3, 0)
local pillar = RoundedCube(-1, paint(0.2, 0.5, 1, 1), 0.9, 2.4, 0.9, 0.3)
pillar:translate(1.3, 1.2, -0.5)

local sun = lights:addLight()
lights:enable(sun)

scene:setBackgroundColor(0.1, 0.12, 0.18, 1)
camera:setEye(0, 3, 7)
camera:setCenter(0, 0.6, 0)
camera:setUp(0, 1, 0)
camera:normalize()

local function drawThings()
    ball:display()
    pillar:display()
end

local frame = 0
while not events:isKeyPressed(SDLK_ESCAPE) do
    scene:update()
    frame = frame + 1
    ball:setPosition(-1.2, 1.3 + 0.3 * math.sin(frame / 20), 0) -- bobbing
    pillar:selfRotate(1, 0, 1, 0)

    scene:clearBuffers()
    camera:lookAt()
    lights:setPosition(sun, -1, 2, 2)
    glBeginMirror()
    drawThings()
    glEndMirror()

    scene:set(GL_TEXTURE_2D, true)
    scene:set(GL_BLEND, true)
    scene:setBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA)
    floor:display()
    scene:restoreBlendFunc()
    scene:restore(GL_BLEND)
    scene:restore(GL_TEXTURE_2D)

    drawThings()
    scene:display()
end
