-- environment-map: chrome, by sphere mapping.
--
-- enableEnvironmentalMapping(texture) puts a picture of the surroundings
-- (a sphere map: what a mirror ball would show) on the second texture
-- unit, looked up by the direction each surface faces. It needs
-- GL_TEXTURE_2D on, and multitexturing (scene:hasMultiTexture()); without
-- it nothing changes. The ball on the left is the same material unmapped.
-- The box turns, but what it reflects stays put: it follows the viewer.

local scene, camera, events = getScene(), getCamera(), getEventManager()
local lights, textures = getLightManager(), getTextureManager()
local sky = textures:load("Textures/Sky.png") -- blue sky above, dark ground below

-- Material(ambient, diffuse, specular, emission: r, g, b, a each; shininess)
local steel = Material(0.3, 0.3, 0.3, 1, 0.8, 0.8, 0.8, 1, 1, 1, 1, 1, 0, 0, 0, 1, 100)
local plain = RoundedCube(-1, steel, 1.6, 1.6, 1.6, 0.8)
plain:translate(-2.4, 0, 0)
local box = RoundedCube(-1, steel, 1.5, 1.5, 1.5, 0.4)
local vase = CurvedMesh(-1, steel, 1, 5, 0.01, -1, 0, 0.8, -0.7, 0, 0.5, 0.1, 0, 0.25, 0.6, 0, 0.55, 1.1, 0)
vase:translate(2.4, 0, 0)

local sun = lights:addLight()
lights:enable(sun)

scene:setBackgroundColor(0.1, 0.12, 0.18, 1)
camera:setEye(0, 1, 7)
camera:setCenter(0, 0, 0)
camera:setUp(0, 1, 0)
camera:normalize()

while not events:isKeyPressed(SDLK_ESCAPE) do
    scene:update()
    box:selfRotate(1, 0, 1, 0)

    scene:clearBuffers()
    camera:lookAt()
    lights:setPosition(sun, -1, 2, 2)
    plain:display()
    scene:set(GL_TEXTURE_2D, true)
    enableEnvironmentalMapping(sky)
    box:display()
    vase:display()
    disableEnvironmentalMapping()
    scene:restore(GL_TEXTURE_2D)
    scene:display()
end
