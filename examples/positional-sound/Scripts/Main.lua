-- positional-sound: a humming ball circling the listener, seen from above.
--
-- OpenAL places a mono sound by where its source is and where the listener
-- stands and faces. The listener is the grey head in the middle, facing up
-- the screen (its nose shows which way); the hum starts ahead on its left
-- and goes round it, so you hear it move from ear to ear and behind you.
-- The listener's setters only store: normalize() sends them to OpenAL.

local scene, camera, events = getScene(), getCamera(), getEventManager()
local lights, sounds, listener = getLightManager(), getSoundManager(), getListener()
local glowTexture = getTextureManager():load("Textures/Glow.png")

-- Material(ambient, diffuse, specular, emission: r, g, b, a each; shininess)
local grey = Material(0.3, 0.3, 0.3, 1, 0.7, 0.7, 0.7, 1, 0.3, 0.3, 0.3, 1, 0, 0, 0, 1, 20)
local head = RoundedCube(-1, grey, 1, 1, 1, 0.5)
local nose = RoundedCube(-1, grey, 0.4, 0.4, 0.4, 0.2)
nose:translate(0, 0, -0.55)
local amber = Material(0.3, 0.2, 0, 1, 1, 0.6, 0.1, 1, 0, 0, 0, 1, 0.4, 0.2, 0, 1, 0)
local hummer = RoundedCube(-1, amber, 0.6, 0.6, 0.6, 0.3)
local glow = Billboard(1, 0.7, 0.2, 1, glowTexture, 1.4, 1.4) -- round the hummer
local dot = Billboard(0.5, 0.6, 0.9, 1, glowTexture, 0.3, 0.3) -- marking its path

local sun = lights:addLight()
lights:enable(sun)

listener:setEar(0, 0, 0)
listener:setCenter(0, 0, -1) -- facing -z, up the screen
listener:setUp(0, 1, 0)
listener:normalize()
local hum = sounds:addSource(sounds:load("Sounds/Hum.ogg"))
sounds:setLooping(hum, true)
sounds:setRadius(hum, 20) -- at full strength within 2 (a tenth), fainter beyond
sounds:play(hum)

scene:setBackgroundColor(0.1, 0.12, 0.18, 1)
camera:setEye(0, 11, 0)
camera:setCenter(0, 0, 0)
camera:setUp(0, 0, -1) -- looking straight down: up the screen is -z
camera:normalize()

local frame = 0
while not events:isKeyPressed(SDLK_ESCAPE) do
    scene:update()
    frame = frame + 1
    local a = math.rad(45 + frame * 0.75) -- 0 ahead, 90 on the left, 180 behind
    local x, z = -4 * math.sin(a), -4 * math.cos(a)
    sounds:setPosition(hum, x, 0, z)
    hummer:setPosition(x, 0, z)

    scene:clearBuffers()
    camera:lookAt()
    lights:setPosition(sun, 1, 2, 1)
    head:display()
    nose:display()
    hummer:display()
    scene:set(GL_TEXTURE_2D, true)
    scene:set(GL_BLEND, true)
    scene:setBlendFunc(GL_SRC_ALPHA, GL_ONE)
    glow:beginDisplay()
    dot:bindTexture() -- the two share their texture
    for i = 0, 23 do -- the path
        dot:display(4 * math.cos(i * math.pi / 12), 0, 4 * math.sin(i * math.pi / 12))
    end
    glow:display(x, 0, z)
    glow:endDisplay()
    scene:restoreBlendFunc()
    scene:restore(GL_BLEND)
    scene:restore(GL_TEXTURE_2D)
    scene:display()
end
