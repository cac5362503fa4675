-- spinning-cube: a textured cube turning in the light.
--
-- Shows a texture and a material on meshes, one light, and turning what is
-- drawn with the matrix stack (getTransform) instead of rewriting the
-- meshes. The angle follows the frame count, not the clock, so every run
-- draws the same pictures on a fast machine and a slow one.

local scene, camera, events = getScene(), getCamera(), getEventManager()
local transform, lights = getTransform(), getLightManager()

local bricks = getTextureManager():load("Textures/Wall.png")
-- Material(ambient, diffuse, specular, emission: r, g, b, a each; shininess)
local clay = Material(0.4, 0.4, 0.4, 1, 1, 1, 1, 1, 0.3, 0.3, 0.3, 1, 0, 0, 0, 1, 20)

-- A Cube is the four sides round the y axis: two quads close it.
local sides = Cube(bricks, clay, 2, 2, 2, 4, 4)
local lid = Quad(bricks, clay, 2, 2, 4, 4)
lid:rotate(-90, 1, 0, 0) -- a Quad faces +z: turn it to face up
lid:translate(0, 1, 0)
local bottom = Quad(bricks, clay, 2, 2, 4, 4)
bottom:rotate(90, 1, 0, 0)
bottom:translate(0, -1, 0)

-- A new light is infinite: it shines from a direction, like the sun.
local sun = lights:addLight()
lights:setDiffuse(sun, 1, 0.95, 0.85, 1)
lights:enable(sun)

scene:setBackgroundColor(0.1, 0.12, 0.18, 1)
camera:setEye(0, 0, 6)
camera:setCenter(0, 0, 0)
camera:setUp(0, 1, 0)
camera:normalize()

local frame = 0
while not events:isKeyPressed(SDLK_ESCAPE) do
    scene:update()
    frame = frame + 1

    scene:clearBuffers()
    camera:lookAt()
    lights:setPosition(sun, 1, 2, 3) -- after lookAt: in world coordinates

    transform:pushMatrix()
    transform:rotate(25, 1, 0, 0) -- tipped towards us, to show the lid
    transform:rotate(30 + frame * 1.5, 0, 1, 0) -- turning about its own axis
    scene:set(GL_TEXTURE_2D, true)
    sides:display()
    lid:display()
    bottom:display()
    scene:restore(GL_TEXTURE_2D)
    transform:popMatrix()

    scene:display()
end
