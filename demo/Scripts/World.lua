-- The room and what is in it: built once by World.build, drawn each frame
-- by World.draw (twice: once mirrored in the floor, once as it is).

World = {}

local scene, transform, lights, textures = getScene(), getTransform(), getLightManager(), getTextureManager()

-- Material(ambient, diffuse, specular, emission: r, g, b, a each; shininess)
local function material(r, g, b, shininess, opacity)
    local a = opacity or 1
    return Material(r * 0.3, g * 0.3, b * 0.3, a, r, g, b, a, 0.6, 0.6, 0.6, a, 0, 0, 0, a, shininess or 20)
end

function World.build()
    textures:setCurrentGroup(PERMANENT_TEXTURES)
    local floorTexture = textures:load("Textures/Floor.png")
    local wallTexture = textures:load("Textures/Wall.png")
    World.skyTexture = textures:load("Textures/Sky.png")
    World.glowTexture = textures:load("Textures/Glow.png")

    -- The floor lies in y = 0; partly see-through, so the mirrored room
    -- shows in it.
    World.floor = Quad(floorTexture, material(1, 1, 1, 10, 0.7), 20, 20, 16, 16)
    World.floor:rotate(-90, 1, 0, 0)

    -- The walls: a box without lid or bottom, seen from inside.
    World.walls = Cube(wallTexture, material(1, 0.9, 0.8, 5), 20, 6, 20, 16, 4)
    World.walls:translate(0, 3, 0)
    World.walls:invertNormals()
    World.walls:setCounterclockwise(false)

    -- A capsule: rounded all round, flat along x only.
    World.box = RoundedCube(-1, material(0.2, 0.5, 0.9, 60), 2.4, 1.2, 1.2, 0.6)
    World.box:translate(-4, 0.6, -2)
    World.ball = RoundedCube(-1, material(0.9, 0.3, 0.2, 80), 1.6, 1.6, 1.6, 0.8)
    World.ball:translate(3.5, 0.8, -1)
    -- A vase turned from a profile of five points, a natural cubic spline.
    World.vase = CurvedMesh(-1, material(0.9, 0.8, 0.3, 40), 1, 5,
                            0.01, 0, 0, 0.7, 0.3, 0, 0.9, 1.0, 0, 0.35, 1.9, 0, 0.55, 2.4, 0)
    World.vase:translate(-1.5, 0, 2.5)
    -- A chrome ball: the sky texture as a sphere map on the second unit.
    World.chrome = RoundedCube(World.skyTexture, material(0.8, 0.8, 0.8, 100), 2, 2, 2, 1)
    World.chrome:translate(1, 1.6, -4.5)

    World.lamp = Billboard(1, 0.9, 0.6, 1, World.glowTexture, 1.2, 1.2)
    World.spark = Billboard(1, 0.6, 0.2, 0.8, World.glowTexture, 0.35, 0.35)

    -- A dim light from above that is always on, and the lamp.
    World.sun = lights:addLight()
    lights:setInfinite(World.sun, true)
    lights:setDiffuse(World.sun, 0.45, 0.45, 0.5, 1)
    lights:setAmbient(World.sun, 0.1, 0.1, 0.1, 1)
    lights:enable(World.sun)
    -- The lamp is a point light (addLight makes lights infinite, and a
    -- radius alone keeps them so) reaching the whole room: about as bright
    -- as the sun 3.7 m away, a fifth of that across the room.
    World.lampLight = lights:addLight()
    lights:setInfinite(World.lampLight, false)
    lights:setRadius(World.lampLight, 14, 200)
    lights:setDiffuse(World.lampLight, 1, 0.85, 0.6, 1)
    lights:setSpecular(World.lampLight, 1, 1, 1, 1)
    World.lampPosition = Point(0, 3, 0)
    World.lampOn = true
end

-- Where things are at `clock` seconds: the lamp circles the room, the
-- sparks rise from the vase.
function World.animate(clock)
    World.clock = clock
    World.lampPosition:set(4 * math.cos(clock * 0.7), 3 + 0.5 * math.sin(clock * 1.3), 4 * math.sin(clock * 0.7))
end

function World.setLamp(on)
    World.lampOn = on
    if on then lights:enable(World.lampLight) else lights:disable(World.lampLight) end
end

-- Light positions are taken in the coordinates in force: call after the
-- camera is applied.
function World.placeLights()
    lights:setPosition(World.sun, 0.3, 1, 0.5)
    lights:setPosition(World.lampLight, World.lampPosition)
end

-- The shadow quad darkens the back left quarter of the floor towards its
-- corner; it is 500 wide, so it is scaled to the quarter.
local function shadeFloor()
    transform:pushMatrix()
    transform:translate(-5, 0, -5)
    transform:rotate(-90, 0, 1, 0)
    transform:scale(10 / 500, 1, 10 / 500)
    displayShadow()
    transform:popMatrix()
end

-- Everything above the floor.
function World.drawSolids()
    scene:set(GL_LIGHTING, true)
    scene:set(GL_TEXTURE_2D, true)
    World.walls:display()
    scene:restore(GL_TEXTURE_2D)
    World.box:display()
    World.ball:display()
    World.vase:display()
    scene:set(GL_TEXTURE_2D, true)
    enableEnvironmentalMapping(World.skyTexture)
    World.chrome:display()
    disableEnvironmentalMapping()
    scene:restore(GL_TEXTURE_2D)
    scene:restore(GL_LIGHTING)
end

function World.drawGlows()
    scene:set(GL_TEXTURE_2D, true)
    scene:set(GL_BLEND, true)
    scene:setBlendFunc(GL_SRC_ALPHA, GL_ONE)
    World.lamp:beginDisplay()
    World.lamp:bindTexture()
    if World.lampOn then World.lamp:display(World.lampPosition) end
    for i = 0, 5 do
        local rise = (World.clock * 0.6 + i / 6) % 1
        local angle = i * 1.05 + World.clock
        World.spark:display(-1.5 + 0.4 * math.cos(angle), 2.4 + rise * 2.5, 2.5 + 0.4 * math.sin(angle))
    end
    World.lamp:endDisplay()
    scene:restoreBlendFunc()
    scene:restore(GL_BLEND)
    scene:restore(GL_TEXTURE_2D)
end

function World.draw()
    -- The room mirrored in the floor, then the floor blended over it.
    glBeginMirror()
    World.placeLights()
    World.drawSolids()
    World.drawGlows()
    glEndMirror()
    World.placeLights()

    scene:set(GL_LIGHTING, true)
    scene:set(GL_TEXTURE_2D, true)
    -- Blending is used with the usual function whatever Engine.cfg says.
    scene:set(GL_BLEND, true)
    scene:setBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA)
    World.floor:display()
    scene:restore(GL_TEXTURE_2D)
    scene:restore(GL_LIGHTING)
    scene:setDepthMask(false)
    shadeFloor()
    scene:restoreDepthMask()
    scene:restoreBlendFunc()
    scene:restore(GL_BLEND)

    World.drawSolids()
    World.drawGlows()
end
