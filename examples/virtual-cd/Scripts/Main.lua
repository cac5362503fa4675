-- virtual-cd: CD music without a drive.
--
-- With CD_VIRTUAL_TRACKS = Music in Engine.cfg, Music/Track01.ogg,
-- Track02.ogg, ... are the audio tracks of a disc that every CD function
-- plays, streamed through OpenAL (here the build copies in two short
-- sounds). The same script plays a real disc where that key is missing.
-- N and P change track, Space pauses and resumes; a track that ends runs
-- into the next, and updateCD() starts the disc again once it has played out.

local scene, camera, events = getScene(), getCamera(), getEventManager()
local lights, fonts = getLightManager(), getFontManager()
local vars = getVarManager()
local width, height = vars:getNumber("GL_ORTHO_RESOLUTION_X"), vars:getNumber("GL_ORTHO_RESOLUTION_Y")

-- The disc: a flat ring turned from a profile of three points.
local silver = Material(0.3, 0.3, 0.35, 1, 0.7, 0.7, 0.8, 1, 1, 1, 1, 1, 0, 0, 0, 1, 80)
local disc = CurvedMesh(-1, silver, 0, 3, 2, 0, 0, 1.2, 0, 0, 0.35, 0, 0) -- outside in: facing up
local lamp = Billboard(1, 1, 1, 1, getTextureManager():load("Textures/Glow.png"), 32, 32)
local sun = lights:addLight()
lights:enable(sun)
local font = fonts:load("Fonts/Font.txt")

local playing = playCD() -- true: the first audio track has started
local track = playing and 1 or -1

scene:setBackgroundColor(0.1, 0.12, 0.18, 1)
camera:setEye(0, 4, 4)
camera:setCenter(0, 0, 0)
camera:setUp(0, 1, 0)
camera:normalize()

local held = {}
-- True once for each press of the key.
local function pressed(key)
    local down = events:isKeyPressed(key)
    local first = down and not held[key]
    held[key] = down
    return first
end

while not events:isKeyPressed(SDLK_ESCAPE) do
    scene:update()
    if pressed(SDLK_n) then track = nextTrackCD() playing = true end
    if pressed(SDLK_p) then track = prevTrackCD() playing = true end
    if pressed(SDLK_SPACE) then
        if playing then stopCD() playing = false else playing = playCD() end
    end
    if playing then updateCD() end

    scene:clearBuffers()
    camera:lookAt()
    lights:setPosition(sun, -1, 2, 1)
    disc:display()

    scene:glBegin2D()
    scene:set(GL_TEXTURE_2D, true)
    scene:set(GL_BLEND, true)
    scene:setBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA)
    -- Green while a disc is there, red without one.
    if CDPresent() then lamp:setColor(0.2, 1, 0.3, 1) else lamp:setColor(1, 0.2, 0.2, 1) end
    lamp:bindTexture()
    lamp:display2D(24, height - 24, 0)
    fonts:setCurrentFontId(font)
    local state = string.format("%s, track %d started", playing and "playing" or "paused", track)
    fonts:print(44, height - 16, CDPresent() and state or "no disc", 1, 1, 1, 1)
    local keys = "N next   P previous   Space pause"
    fonts:print((width - fonts:getStringWidth(keys)) / 2, 28, keys, 0.7, 0.8, 1, 1)
    scene:restoreBlendFunc()
    scene:restore(GL_BLEND)
    scene:restore(GL_TEXTURE_2D)
    scene:glEnd2D()
    scene:display()
end
