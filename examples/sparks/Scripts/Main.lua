-- sparks: a fountain of sparks, drawn with billboards.
--
-- A Billboard is a textured square that turns to the camera. Two kinds
-- here: a glow that faces the camera squarely, and streaks that face it
-- while their long side follows the spark's flight (the axis form of
-- display). Blending adds their light to what is behind them; beginDisplay
-- and endDisplay keep them out of the depth buffer and unlit.
-- Each spark's place is worked out from its age in frames, so any frame
-- can be drawn without running the ones before it.

local scene, camera, events = getScene(), getCamera(), getEventManager()
local glowTexture = getTextureManager():load("Textures/Glow.png")

local glow = Billboard(1, 0.7, 0.3, 1, glowTexture, 1.6, 1.6)
local streak = Billboard(1, 0.8, 0.4, 1, glowTexture, 0.2, 0.7)
-- Material(ambient, diffuse, specular, emission: r, g, b, a each; shininess)
local ground = Quad(-1, Material(0.4, 0.4, 0.5, 1, 0, 0, 0, 1, 0, 0, 0, 1, 0, 0, 0, 1, 0), 12, 12, 4, 4)
ground:rotate(-90, 1, 0, 0)

local COUNT, LIFE, GRAVITY = 120, 90, -9.8
-- A repeatable scatter in [0, 1): the same spark always flies the same way.
local function scatter(n)
    local x = math.sin(n * 12.9898) * 43758.5453
    return x - math.floor(x)
end

scene:setBackgroundColor(0.02, 0.02, 0.05, 1)
camera:setEye(0, 2.5, 9)
camera:setCenter(0, 2, 0)
camera:setUp(0, 1, 0)
camera:normalize()

local frame = 0
while not events:isKeyPressed(SDLK_ESCAPE) do
    scene:update()
    frame = frame + 1
    scene:clearBuffers()
    camera:lookAt()
    ground:display()

    scene:set(GL_TEXTURE_2D, true)
    scene:set(GL_BLEND, true)
    scene:setBlendFunc(GL_SRC_ALPHA, GL_ONE)
    glow:beginDisplay()
    glow:bindTexture()
    glow:display(0, 0.5, 0)
    for i = 1, COUNT do
        -- Spark i lives LIFE frames, then starts again; the starts are
        -- spread evenly, and each life has its own number, so its own flight.
        local age = (frame + i * LIFE / COUNT) % LIFE
        local born = math.floor((frame + i * LIFE / COUNT) / LIFE) * COUNT + i
        local angle, speed = scatter(born) * 2 * math.pi, 1 + scatter(born + 0.5) * 1.5
        local vx, vy, vz = math.cos(angle) * speed, 6 + scatter(born + 0.25) * 2, math.sin(angle) * speed
        local t = age / 60 -- seconds, at 60 frames a second
        local fade = 1 - age / LIFE
        streak:setColor(1, 0.4 + 0.6 * fade, 0.3 * fade, math.min(1, 2 * fade))
        local y = 0.5 + vy * t + GRAVITY * t * t / 2
        if y > 0 then streak:display(vx * t, y, vz * t, vx, vy + GRAVITY * t, vz) end -- gone into the ground
    end
    glow:endDisplay()
    scene:restoreBlendFunc()
    scene:restore(GL_BLEND)
    scene:restore(GL_TEXTURE_2D)

    scene:display()
end
