-- Brawlgear sample game: the main script. The engine runs this file (packed
-- as Scripts/Main.o) once; the game loop lives here.
--
-- A lit room with a mirror floor. Mouse looks, arrow keys walk, L switches
-- the lamp (the choice is kept in Engine.cfg), Escape quits.
--
-- With DEMO_FRAMES above 0 in Engine.cfg the game drives the camera itself
-- along a fixed path, animates by frame rather than by clock (so every run
-- draws the same pictures) and stops after that many frames.

loadModule("Scripts/Maths")
loadModule("Scripts/World")
loadModule("Scripts/Hud")

local config = getVarManager()
local scene, camera, input, time = getScene(), getCamera(), getEventManager(), getTime()
local sounds, listener = getSoundManager(), getListener()
local frames = config:getNumber("DEMO_FRAMES")
local autopilot = frames > 0

trace("Brawlgear demo: " .. config:getNumber("SDL_SCREEN_WIDTH") .. " x "
      .. config:getNumber("SDL_SCREEN_HEIGHT") .. ", Escape quits")

World.build()
Hud.load()
World.setLamp(config:getNumber("DEMO_LAMP_ON") ~= 0)
scene:setBackgroundColor(0.05, 0.05, 0.08, 1)

-- The lamp hums where it is; the switch chimes.
local hum = sounds:addSource(sounds:load("Sounds/Hum.ogg"))
sounds:setLooping(hum, true)
sounds:setRadius(hum, 12)
sounds:setGain(hum, 0.8)
if World.lampOn then sounds:play(hum) end
local chime = sounds:load("Sounds/Chime.ogg")

-- The player stands in the room and looks about.
local eye = Point(0, 1.7, 8)
local yaw, pitch = 0, -8

local function look(dt)
    local dx, dy = input:getMouseDeltaS()
    yaw = yaw + dx * 0.25
    pitch = clamp(pitch + dy * 0.25, -80, 80)
    local forward = 0
    if input:isKeyPressed(SDLK_UP) then forward = forward + 1 end
    if input:isKeyPressed(SDLK_DOWN) then forward = forward - 1 end
    if input:isKeyPressed(SDLK_LEFT) then yaw = yaw - 90 * dt end
    if input:isKeyPressed(SDLK_RIGHT) then yaw = yaw + 90 * dt end
    local y = radians(yaw)
    local x, z = eye:getX() + math.sin(y) * forward * 4 * dt, eye:getZ() - math.cos(y) * forward * 4 * dt
    eye:set(clamp(x, -9, 9), 1.7, clamp(z, -9, 9))
end

-- The fixed path: a slow half circle round the room, from the front.
local function fly(frame)
    local a = radians(frame * 0.5)
    eye:set(8 * math.sin(a), 3.2, 8 * math.cos(a))
    -- Towards the middle of the room, a metre up.
    local x, y, z = -eye:getX(), 1 - eye:getY(), -eye:getZ()
    yaw = degrees(math.atan2(x, -z))
    pitch = degrees(math.atan2(y, math.sqrt(x * x + z * z)))
end

local frame, clock, lampKeyHeld = 0, 0, false
time:restart()
while not input:isKeyPressed(SDLK_ESCAPE) and (frames <= 0 or frame < frames) do
    scene:update()
    sounds:update()
    local dt = time:getDt()
    frame = frame + 1
    if autopilot then
        clock = frame / 60
        fly(frame)
    else
        clock = clock + dt
        look(dt)
    end

    if input:isKeyPressed(SDLK_l) and not lampKeyHeld then
        World.setLamp(not World.lampOn)
        if World.lampOn then sounds:play(hum) else sounds:stop(hum) end
        local ding = sounds:addSource(chime, true)
        sounds:setPosition(ding, World.lampPosition)
        sounds:play(ding)
    end
    lampKeyHeld = input:isKeyPressed(SDLK_l)

    World.animate(clock)
    sounds:setPosition(hum, World.lampPosition)

    local y, p = radians(yaw), radians(pitch)
    camera:setEye(eye)
    camera:setCenter(eye:getX() + math.sin(y) * math.cos(p), eye:getY() + math.sin(p),
                     eye:getZ() - math.cos(y) * math.cos(p))
    camera:setUp(0, 1, 0)
    camera:normalize()
    listener:setEar(eye)
    listener:setCenter(camera:getCenter())
    listener:setUp(0, 1, 0)
    listener:normalize()

    scene:clearBuffers()
    camera:lookAt()
    World.draw()
    Hud.draw(World.lampOn)
    scene:display()
end

config:setVarValue("DEMO_LAMP_ON", World.lampOn and "1" or "0")
config:setVarValue("DEMO_LAST_RUN", string.format("%d", os.time()))
trace(string.format("%d frames, %d fps on average (%d to %d)", frame, time:getFPSMid(), time:getFPSMin(),
                    time:getFPSMax()))
