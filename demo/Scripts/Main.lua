-- Brawlgear sample game: the main script. The engine runs this file (packed
-- as Scripts/Main.o) once; the game loop lives here.
--
-- Mouse and arrow keys turn and move the camera around a wire sphere;
-- Escape quits. With DEMO_FRAMES above 0 in Engine.cfg the demo stops by
-- itself after that many frames.

loadModule("Scripts/Maths")

local config = getVarManager()
local scene, camera, input, time = getScene(), getCamera(), getEventManager(), getTime()
local frames = config:getNumber("DEMO_FRAMES")

trace("Brawlgear demo: " .. config:getNumber("SDL_SCREEN_WIDTH") .. " x "
      .. config:getNumber("SDL_SCREEN_HEIGHT") .. ", Escape quits")

local sphere = BoundingSphere(0, 0, 0, 2)
local axes = { Vector(3, 0, 0), Vector(0, 3, 0), Vector(0, 0, 3) }
local yaw, pitch, distance = 30, 20, 8

local frame = 0
time:restart()
while not input:isKeyPressed(SDLK_ESCAPE) and (frames <= 0 or frame < frames) do
    scene:update()
    local dt = time:getDt()

    -- Mouse look, and the arrow keys for turning and zooming.
    local dx, dy = input:getMouseDeltaS()
    yaw = yaw + dx * 0.3 + 10 * dt -- a slow turn of its own
    pitch = clamp(pitch + dy * 0.3, -80, 80)
    if input:isKeyPressed(SDLK_LEFT) then yaw = yaw - 90 * dt end
    if input:isKeyPressed(SDLK_RIGHT) then yaw = yaw + 90 * dt end
    if input:isKeyPressed(SDLK_UP) then distance = math.max(3, distance - 5 * dt) end
    if input:isKeyPressed(SDLK_DOWN) then distance = math.min(30, distance + 5 * dt) end

    local y, p = radians(yaw), radians(pitch)
    camera:setEye(distance * math.sin(y) * math.cos(p), distance * math.sin(p), distance * math.cos(y) * math.cos(p))
    camera:setCenter(0, 0, 0)
    camera:setUp(0, 1, 0)
    camera:normalize()

    scene:clearBuffers()
    camera:lookAt()
    for _, axis in ipairs(axes) do axis:display() end
    sphere:applyTransformations()
    sphere:display()
    scene:display()
    frame = frame + 1
end

trace(string.format("%d frames, %d fps on average (%d to %d)", frame, time:getFPSMid(), time:getFPSMin(),
                    time:getFPSMax()))
config:setVarValue("DEMO_LAST_RUN", os.time())
