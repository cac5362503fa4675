-- state-stacks: render state that is set and then put back.
--
-- scene:set(cap, on) turns a capability on or off and saves what it was;
-- scene:restore(cap) puts the saved value back. The saves stack up, so a
-- piece of drawing can change what it needs and leave the state exactly as
-- it found it, whoever set it before. The blend function, depth mask and
-- shade model have their own pairs (setBlendFunc, restoreBlendFunc, ...).
-- The same ball is drawn five times, one more setting each time, and once
-- more after the restores: as the first, unlit and untextured.

local scene, camera, events = getScene(), getCamera(), getEventManager()
local lights, fonts = getLightManager(), getFontManager()
local vars = getVarManager()
local width, height = vars:getNumber("GL_ORTHO_RESOLUTION_X"), vars:getNumber("GL_ORTHO_RESOLUTION_Y")

local bricks = getTextureManager():load("Textures/Wall.png")
-- Material(ambient, diffuse, specular, emission: r, g, b, a each; shininess):
-- its alpha shows once blending is on.
local glass = Material(0.3, 0.3, 0.3, 0.4, 1, 1, 1, 0.4, 0.5, 0.5, 0.5, 0.4, 0, 0, 0, 0.4, 30)
local balls = {}
for i = 1, 5 do
    balls[i] = RoundedCube(bricks, glass, 1.4, 1.4, 1.4, 0.7)
    balls[i]:translate((i - 3) * 1.9, 0, 0)
end
local backdrop = Quad(-1, Material(), 12, 1, 4, 4) -- a stripe behind, to see through the glass
backdrop:translate(0, 0, -1.5)
local sun = lights:addLight()
lights:enable(sun)
local font = fonts:load("Fonts/Font.txt")
local labels = {"start", "+light", "+texture", "+blend", "restored"}
local flat, stripe = Color(0.9, 0.6, 0.2, 1), Color(0.85, 0.85, 0.85, 1) -- unlit shapes take the colour in use

scene:setBackgroundColor(0.1, 0.12, 0.18, 1)
camera:setEye(0, 1, 10)
camera:setCenter(0, 0, 0)
camera:setUp(0, 1, 0)
camera:normalize()

while not events:isKeyPressed(SDLK_ESCAPE) do
    scene:update()
    scene:clearBuffers()
    camera:lookAt()
    lights:setPosition(sun, -1, 2, 2)
    stripe:use()
    backdrop:display()

    flat:use()
    balls[1]:display() -- Engine.cfg: GL_LIGHTING = 0, GL_TEXTURE_2D = 0
    scene:set(GL_LIGHTING, true)
    balls[2]:display()
    scene:set(GL_TEXTURE_2D, true)
    balls[3]:display()
    scene:set(GL_BLEND, true)
    scene:setBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA)
    balls[4]:display()
    scene:restoreBlendFunc()
    scene:restore(GL_BLEND)
    scene:restore(GL_TEXTURE_2D)
    scene:restore(GL_LIGHTING)
    flat:use()
    balls[5]:display()

    scene:glBegin2D()
    scene:set(GL_TEXTURE_2D, true)
    scene:set(GL_BLEND, true)
    scene:setBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA)
    fonts:setCurrentFontId(font)
    for i, label in ipairs(labels) do
        local centre = width * (0.5 + (i - 3) * 0.19)
        fonts:print(centre - fonts:getStringWidth(label) / 2, height * (0.34 - i % 2 * 0.08), label, 1, 1, 1, 1)
    end
    scene:restoreBlendFunc()
    scene:restore(GL_BLEND)
    scene:restore(GL_TEXTURE_2D)
    scene:glEnd2D()
    scene:display()
end
