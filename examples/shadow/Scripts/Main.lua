-- shadow: a planar shadow, each shape squashed flat onto the floor.
--
-- A point light throws a shape's shadow onto the plane y = 0 through one
-- matrix (below). Pushed onto the model-view stack, it draws the shape
-- flattened where its shadow falls: unlit, in see-through black, without
-- the depth test (it lies on the floor, drawn just before), culled as usual
-- so each spot is darkened once. The render-state stack puts every setting
-- back afterwards. (displayShadow() is another thing: a ready-made soft
-- dark quad at y = 0.1 for shading a corner.)

local scene, camera, events = getScene(), getCamera(), getEventManager()
local lights, transform = getLightManager(), getTransform()

-- Material(ambient, diffuse, specular, emission: r, g, b, a each; shininess)
local function paint(r, g, b)
    return Material(r * 0.3, g * 0.3, b * 0.3, 1, r, g, b, 1, 0.5, 0.5, 0.5, 1, 0, 0, 0, 1, 40)
end
local floor = Quad(getTextureManager():load("Textures/Floor.png"), paint(1, 1, 1), 10, 10, 32, 32)
floor:rotate(-90, 1, 0, 0)
local ball = RoundedCube(-1, paint(0.9, 0.3, 0.2), 1.4, 1.4, 1.4, 0.7)
ball:translate(-0.8, 1.6, 0.5)
local pillar = RoundedCube(-1, paint(0.3, 0.6, 1), 0.8, 2.2, 0.8, 0.3)
pillar:translate(1.4, 1.1, -0.8)
local glow = Billboard(1, 0.9, 0.6, 1, getTextureManager():load("Textures/Glow.png"), 0.8, 0.8)
local shade = Color(0, 0, 0, 0.6)

local lamp = lights:addLight()
lights:setInfinite(lamp, false)
lights:setRadius(lamp, 12, 170)
lights:enable(lamp)

-- Sends each point p to where the line from the light through p meets y = 0.
local function flatten(lx, ly, lz)
    transform:mulMatrix(ly, -lx, 0, 0,  0, 0, 0, 0,  0, -lz, ly, 0,  0, -1, 0, ly) -- row by row
end

scene:setBackgroundColor(0.1, 0.12, 0.18, 1)
camera:setEye(0, 5.5, 9)
camera:setCenter(0, 1, 0)
camera:setUp(0, 1, 0)
camera:normalize()

local frame = 0
while not events:isKeyPressed(SDLK_ESCAPE) do
    scene:update()
    frame = frame + 1
    local a = math.rad(60 + frame) -- the lamp circles above, a degree a frame
    local lx, ly, lz = 2.5 * math.cos(a), 3.4, 2.5 * math.sin(a) - 0.5

    scene:clearBuffers()
    camera:lookAt()
    lights:setPosition(lamp, lx, ly, lz)
    scene:set(GL_TEXTURE_2D, true)
    floor:display()
    scene:restore(GL_TEXTURE_2D)

    scene:set(GL_LIGHTING, false)
    scene:set(GL_DEPTH_TEST, false)
    scene:set(GL_BLEND, true)
    scene:setBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA)
    shade:use()
    transform:pushMatrix()
    flatten(lx, ly, lz)
    ball:display(false) -- no culling: the bounding sphere means little once flattened
    pillar:display(false)
    transform:popMatrix()
    scene:restoreBlendFunc()
    scene:restore(GL_BLEND)
    scene:restore(GL_DEPTH_TEST)
    scene:restore(GL_LIGHTING)

    ball:display()
    pillar:display()
    scene:set(GL_TEXTURE_2D, true) -- the lamp, a glow (see sparks)
    scene:set(GL_BLEND, true)
    scene:setBlendFunc(GL_SRC_ALPHA, GL_ONE)
    glow:beginDisplay()
    glow:bindTexture()
    glow:display(lx, ly, lz)
    glow:endDisplay()
    scene:restoreBlendFunc()
    scene:restore(GL_BLEND)
    scene:restore(GL_TEXTURE_2D)
    scene:display()
end
