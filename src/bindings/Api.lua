-- The script API: every global function, class, method and constant a game
-- script can reach, with its calling forms and one line of meaning each.
--
-- tools/api/generate.lua makes docs/API.md and docs/editor/brawlgear.lua
-- from this file, and the registry test compares it, both ways, with what
-- the engine registers: a method added to a binding without an entry here
-- (or an entry left behind) fails the tests.
--
-- An entry is {"name(arg: type, opt: type = default, opt2?: type, ...: type) | (other form) -> result, name: type",
-- "meaning"}; "| (" starts another form of the call, "->" its results.

-- What every mesh class answers besides its constructor.
local meshMethods = {
    {"display(cull: boolean = true)", "Draws the mesh: lit by the lights in range, textured while `GL_TEXTURE_2D` is on, culled against the camera unless `cull` is false."},
    {"isVisible() -> visible: boolean, distance: number", "The camera's verdict on the bounding sphere, and its distance measure."},
    {"translate(v: Vector) | (x: number, y: number, z: number)", "Moves the vertices."},
    {"setPosition(p: Point) | (x: number, y: number, z: number)", "Moves the mesh so that its centre is at the point."},
    {"getPosition() -> x: number, y: number, z: number", "The centre (of the bounding sphere)."},
    {"rotate(angles: Vector) | (ax: number, ay: number, az: number) | (angle: number, axis: Vector) | (angle: number, x: number, y: number, z: number)",
     "Turns the vertices about the origin: three angles about x, y and z, or an angle about an axis."},
    {"scale(v: Vector) | (x: number, y: number, z: number)", "Scales the vertices about the origin."},
    {"shear(angles: Vector) | (x: number, y: number, z: number)", "Shears the vertices about the origin."},
    {"selfRotate(angles: Vector) | (ax: number, ay: number, az: number) | (angle: number, axis: Vector) | (angle: number, x: number, y: number, z: number)",
     "As `rotate`, about the mesh's own centre."},
    {"selfScale(v: Vector) | (x: number, y: number, z: number)", "Scales about the mesh's own centre."},
    {"selfShear(angles: Vector) | (x: number, y: number, z: number)", "Shears about the mesh's own centre."},
    {"transform(m: Matrix, normalMode: integer) | (...: number)",
     "The vertices through a `Matrix` (or 16 numbers row by row, then the mode): normal mode 0 positions only, 1 normals too, 2 normals renormalised."},
    {"setLODEnabled(on: boolean)", "Whether the level of detail follows the distance to the camera."},
    {"isLODEnabled() -> boolean", "Whether the level of detail follows the distance."},
    {"setLODLevel(level: number)", "The detail used while LOD by distance is off, 0 to 1 (1 is full detail)."},
    {"getLODLevel() -> number", "The detail level."},
    {"setLevelLength(length: number)", "The distance of the first step down in detail."},
    {"getLevelLength() -> number", "The distance of the first step down."},
    {"setTextureId(id: integer)", "The texture (-1 for none)."},
    {"getTextureId() -> integer", "The texture."},
    {"setMaterial(...: number)", "The material, as 17 numbers (`material:get()` gives them)."},
    {"getMaterial() -> ...: number", "The material's 17 numbers."},
    {"setNormalFlag(flag: integer)", "Which seams get smooth normals: 1 where rows close, 2 where columns close, 3 both, 0 none."},
    {"getNormalFlag() -> integer", "The seam flag."},
    {"invertNormals()", "Turns every normal round (with `setCounterclockwise`, to see a shape from inside)."},
    {"setCounterclockwise(on: boolean)", "Which winding faces front."},
    {"getCounterclockwise() -> boolean", "Which winding faces front."},
    {"getBoundingSphere() -> BoundingSphere", "A copy of the mesh's bounding sphere."},
}

-- A mesh class: its constructor, then the shared methods.
local function meshClass(class)
    for _, entry in ipairs(meshMethods) do table.insert(class.methods, entry) end
    return class
end

return {
    introduction = [[
Everything a game script can call, generated from the engine's own
description of its script interface (`src/bindings/Api.lua`); a test keeps the
two in step with what the engine registers. The engine runs the stored
script `Scripts/Main` once, in Lua 5.1 with the base, table, io, os, string,
math and debug libraries; [scripting.md](scripting.md) tells the story
behind these tables (errors, singletons, the frame loop, render state), and
[configuration.md](configuration.md) lists the `Engine.cfg` keys.

**Limits a game meets.** At most 131 textures, 41 sounds and 11 fonts are
loaded at once (one more answers -1 after a "... table full" error line);
8 lights (ids 0 to 7); 151 `Engine.cfg` variables (one more is fatal: the
run stops with status 1); as many sources as OpenAL offers, up to 64. The
Ogg size table (`VFS:loadOggsSize`) takes as many entries as its file has.

**Images** are PNG, BMP, JPEG, GIF or TGA (TGA known by its `.tga`
extension, in any letter case); any other format is refused with
"unsupported image format", a damaged file with "unable to load image!".
Transparent colours (a palette entry, a grey level or colour marked
transparent, a GIF's transparent index) come out with alpha 0. A texture
must be a power of two of at most 512 each way: anything else is fatal
(an error line names the file and its size, then the assertion stops the
run with status 1). Other images may be up to 16384 pixels a side.

**Sounds** are mono or stereo Ogg Vorbis; more channels, or a chained
stream whose parts differ in channels or rate, are refused with a line
saying so.]],

    classIntroduction = [[
Objects are userdata with methods, called with a colon
(`getVarManager():getString("FOV")`). Calling a class (`Vector(1, 0, 0)`)
or `Class:new(...)` makes an object. A wrong number of arguments raises
`Class :method : Invalid number of parameters`; a wrong type raises
`bad argument #n to 'method' (number expected, got string)`. Where a method
takes "a `Point` or x, y, z" (a `Vector`, a `Color`: four numbers), pass the
object or its numbers. Methods named `end` are Lua keywords: call them as
`object["end"](object)`.]],

    functions = {
        {"loadModule(name: string)",
         "Runs the stored script `name` (packed from `name.lua`; in `--dev`, the `.lua` itself) in the same interpreter and returns what its chunk returns (`local Hud = loadModule(\"Scripts/Hud\")`); its errors print with their traceback, and it returns nothing."},
        {"clamp(x: number, low: number, high: number) -> number", "`max(low, min(x, high))`."},
        {"acos(x: number) -> number", "Arc cosine in radians, `x` clamped to [-1, 1] first."},
        {"trace(text: string)", "Prints the text and a line feed on standard error (cut at 255 characters)."},
        {"delay(ms: number)", "Sleeps the whole program; fractions are cut off, a negative delay does not sleep."},
        {"glBeginMirror()", "Starts drawing the scene mirrored in y = 0 (front faces culled, lights mirrored)."},
        {"glEndMirror()", "Ends the mirrored drawing and puts everything back (the pair does not nest)."},
        {"enableEnvironmentalMapping(textureId: integer)",
         "Sphere-map environment mapping with this texture on the second texture unit (nothing without multitexturing)."},
        {"disableEnvironmentalMapping()", "Turns environment mapping off."},
        {"enableVSync()", "Waits for the vertical retrace on each swap, where the driver offers swap control."},
        {"disableVSync()", "Swaps without waiting for the vertical retrace."},
        {"setColorMask(r: boolean, g: boolean, b: boolean, a: boolean)",
         "Which colour channels are written; every value but nil and false (0 included) is true."},
        {"displayShadow()", "Draws a black quad at y = 0.1, 500 wide, its alpha ramping across it (blend as you need)."},
        {"playCD() -> boolean",
         "Plays the first audio track of the first disc, or resumes after `stopCD`; true when the CD plays."},
        {"stopCD()", "Pauses the CD."},
        {"setVolumeCD(volume: number)", "The CD line's volume, clamped to [0, 1]; the player's own is put back at exit."},
        {"nextTrackCD() -> integer", "Plays the next audio track, wrapping round; its number, or -1."},
        {"prevTrackCD() -> integer", "Plays the previous audio track, wrapping round; its number, or -1."},
        {"updateCD() -> boolean", "Once the disc has played out, starts it again (true): call it now and then to loop."},
        {"CDPresent() -> boolean", "True once `playCD` found a disc with audio tracks (or `CD_VIRTUAL_TRACKS`)."},
    },

    classes = {
        {
            name = "VarManager", accessor = "getVarManager", var = "vars",
            doc = "Every line of `Engine.cfg`, by name. Reading a name the file does not define is fatal, after an error line naming it.",
            methods = {
                {"new()", "An object standing for the singleton, as `getVarManager()`."},
                {"getNumber(name: string) -> number", "The value as a number (0 when it is not one)."},
                {"getString(name: string) -> string", "The value's text."},
                {"getBoolean(name: string) -> boolean",
                 "True for \"true\", false for \"false\", else whether the number is not 0."},
                {"setVarValue(name: string, value: string|number|boolean)",
                 "Sets a value (booleans as 1 or 0, numbers with six decimals); control characters are refused."},
                {"hasVar(name: string) -> boolean", "Whether `Engine.cfg` defines the name."},
                {"addVar(name: string, value: string|number|boolean)",
                 "Defines the name when `Engine.cfg` lacks it (one word), then sets it as `setVarValue` does; a full table (151) is a script error."},
                {"end()", "Writes `Engine.cfg` now (it is also written when the game ends)."},
            },
            example = [[
local vars = getVarManager()
local volume = vars:getNumber("GAME_VOLUME")
vars:setVarValue("GAME_VOLUME", math.min(volume + 0.1, 1))
-- a setting of the game's own, made on its first run:
if not vars:hasVar("BEST_SCORE") then vars:addVar("BEST_SCORE", 0) end
vars["end"](vars) -- save now]],
        },
        {
            name = "File", var = "file",
            doc = "A whole file read through the file system (the archive or the game folder). It has no methods: `TextureManager:loadFromMem` takes it.",
            methods = {
                {"new(name: string, binary: boolean = false)", "Reads the file, as text or, with `binary`, as bytes."},
            },
            example = [[
local image = File("Textures/Wall.png", true)
local id = getTextureManager():loadFromMem(image)]],
        },
        {
            name = "VFS", accessor = "getVFS", var = "vfs",
            doc = "The file system every engine read goes through: a zip archive or the game folder.",
            methods = {
                {"new()", "An object standing for the singleton, as `getVFS()`."},
                {"open(archive: string) -> boolean", "Reads from this zip archive from now on; true on success."},
                {"close() -> integer", "Back to files on disk; the unzip result code (`UNZ_OK` ...)."},
                {"setDirectory(dir: string)", "Every name is read as `dir/name` from now on."},
                {"getDirectory() -> string", "The directory, with its trailing `/`."},
                {"loadOggsSize(name: string)",
                 "Reads a table of decoded sound sizes (a sound name and a byte count a line; the packer writes `Sounds.txt`), as many lines as it has. A sound is then decoded once, into a buffer of the listed size: a smaller entry cuts the sound there (one \"stream corrupted\" line), a larger one gives way to the sound's own size (no silence is added)."},
            },
            example = [[
local vfs = getVFS()
if vfs:open("Level2.zip") then -- read from this archive for a while
  local music = getSoundManager():load("Sounds/Level2.ogg")
  vfs:close() -- back to files on disk
end]],
        },
        {
            name = "Transform", accessor = "getTransform", var = "transform",
            doc = "The OpenGL matrix stacks, for drawing of your own between the engine's.",
            methods = {
                {"new()", "An object standing for the singleton, as `getTransform()`."},
                {"matrixMode(mode: integer)", "Which stack the others act on: `GL_MODELVIEW`, `GL_PROJECTION` or `GL_TEXTURE`."},
                {"loadIdentity()", "Replaces the current matrix with the identity."},
                {"pushMatrix()", "Saves the current matrix."},
                {"popMatrix()", "Puts back the last saved matrix."},
                {"translate(x: number, y: number, z: number)", "Multiplies by a translation."},
                {"rotate(angle: number, x: number, y: number, z: number)", "Multiplies by a rotation of `angle` degrees about the axis."},
                {"scale(x: number, y: number, z: number)", "Multiplies by a scaling."},
                {"mulMatrix(m: Matrix) | (...: number)", "Multiplies by a `Matrix` or by 16 numbers given row by row."},
            },
            example = [[
local t = getTransform()
t:pushMatrix()
t:translate(0, 2, 0)
t:rotate(45, 0, 1, 0)
-- draw here
t:popMatrix()]],
        },
        {
            name = "Point", var = "point",
            doc = "A position in 3D. Arithmetic answers three numbers and leaves the point alone.",
            methods = {
                {"new() | (p: Point) | (x: number, y: number, z: number)", "The origin, a copy, or the given point."},
                {"getX() -> number", "The x coordinate."},
                {"getY() -> number", "The y coordinate."},
                {"getZ() -> number", "The z coordinate."},
                {"get() -> x: number, y: number, z: number", "The three coordinates."},
                {"setX(x: number)", "Sets the x coordinate."},
                {"setY(y: number)", "Sets the y coordinate."},
                {"setZ(z: number)", "Sets the z coordinate."},
                {"set(p: Point) | (x: number, y: number, z: number)", "Sets all three coordinates."},
                {"add(v: Vector) | (x: number, y: number, z: number) | (n: number) -> x: number, y: number, z: number",
                 "The point moved by a vector (one number: added to all three)."},
                {"sub(v: Vector) | (x: number, y: number, z: number) | (n: number) -> x: number, y: number, z: number",
                 "The point moved back by a vector (one number: taken from all three)."},
                {"mul(v: Vector) | (x: number, y: number, z: number) | (n: number) -> x: number, y: number, z: number",
                 "The coordinates multiplied one by one (one number: all three)."},
                {"div(v: Vector) | (x: number, y: number, z: number) | (n: number) -> x: number, y: number, z: number",
                 "The coordinates divided one by one (one number: all three)."},
                {"display()", "Draws the point (for debugging)."},
            },
            example = [[
local p = Point(1, 2, 3)
p:set(p:add(Vector(0, 1, 0))) -- move it up by one
local x, y, z = p:get()]],
        },
        {
            name = "Vector", var = "vector",
            doc = "A direction or displacement in 3D. Arithmetic answers numbers and leaves the vector alone.",
            methods = {
                {"new() | (x: number, y: number, z: number) | (x1: number, y1: number, z1: number, x2: number, y2: number, z2: number)",
                 "The zero vector, the given one, or the one from the first point to the second."},
                {"getX() -> number", "The x component."},
                {"getY() -> number", "The y component."},
                {"getZ() -> number", "The z component."},
                {"get() -> x: number, y: number, z: number", "The three components."},
                {"setX(x: number)", "Sets the x component."},
                {"setY(y: number)", "Sets the y component."},
                {"setZ(z: number)", "Sets the z component."},
                {"set(v: Vector) | (x: number, y: number, z: number)", "Sets all three components."},
                {"add(v: Vector) | (x: number, y: number, z: number) | (n: number) -> x: number, y: number, z: number",
                 "The sum (one number is added to x only)."},
                {"sub(v: Vector) | (x: number, y: number, z: number) | (n: number) -> x: number, y: number, z: number",
                 "The difference (one number is taken from x only)."},
                {"mul(v: Vector) | (x: number, y: number, z: number) | (n: number) -> x: number, y: number, z: number",
                 "The components multiplied one by one (one number scales all three)."},
                {"div(v: Vector) | (x: number, y: number, z: number) | (n: number) -> x: number, y: number, z: number",
                 "The components divided one by one (one number divides all three)."},
                {"dotProduct(v: Vector) | (x: number, y: number, z: number) -> number", "The dot product."},
                {"crossProduct(v: Vector) | (x: number, y: number, z: number) -> x: number, y: number, z: number",
                 "The cross product (this × v)."},
                {"normalize()", "Makes the vector one long (a zero vector stays zero, with a warning)."},
                {"length() -> number", "The length."},
                {"equal(v: Vector) | (x: number, y: number, z: number) -> boolean", "Whether the two are exactly equal."},
                {"display(origin: Point) | (x: number, y: number, z: number) | ()", "Draws the vector from a point, or from the origin (for debugging)."},
            },
            example = [[
local forward = Vector(0, 0, -1)
local right = Vector(forward:crossProduct(0, 1, 0))
right:normalize()
trace("right is " .. table.concat({right:get()}, ", "))]],
        },
        {
            name = "Matrix", var = "matrix",
            doc = "A 4 × 4 transformation. The setters write only their own elements: call `identity` first for a pure transform. Angles are in degrees.",
            methods = {
                {"new() | (...: number)", "The identity, or 16 numbers given row by row."},
                {"identity()", "Makes it the identity."},
                {"rotation(angles: Vector) | (ax: number, ay: number, az: number) | (angle: number, axis: Vector) | (angle: number, x: number, y: number, z: number)",
                 "A rotation by three angles about x, y and z, or by an angle about an axis."},
                {"inverseRotation(angles: Vector) | (ax: number, ay: number, az: number)", "The inverse of `rotation(angles)`."},
                {"translation(v: Vector) | (x: number, y: number, z: number)", "Writes a translation."},
                {"inverseTranslation(v: Vector) | (x: number, y: number, z: number)", "Writes the opposite translation."},
                {"scale(v: Vector) | (x: number, y: number, z: number)", "Writes a scaling."},
                {"inverseScale(v: Vector) | (x: number, y: number, z: number)", "Writes the inverse scaling."},
                {"inverse()", "Inverts it (a rotation plus a translation)."},
                {"shear(angles: Vector) | (x: number, y: number, z: number)", "Writes a shear by three angles."},
                {"inverseShear(angles: Vector) | (x: number, y: number, z: number)", "Writes the inverse shear."},
                {"mirror(plane: Plane) | (a: number, b: number, c: number, d: number)", "A reflection in a plane (four numbers are normalised first)."},
                {"get(row: integer, col: integer) -> number", "One element; rows and columns count 0 to 3 (others are clamped, with a warning)."},
                {"set(m: Matrix) | (row: integer, col: integer, value: number)", "Copies a matrix, or sets one element."},
                {"mulMatrix(m: Matrix) | (...: number) -> ...: number",
                 "The product with a `Matrix` or 16 numbers row by row: 16 numbers, column by column."},
                {"mulVector(v: Vector) | (x: number, y: number, z: number) -> x: number, y: number, z: number", "A direction through the matrix (no translation)."},
                {"mulPoint(p: Point) | (x: number, y: number, z: number) -> x: number, y: number, z: number", "A point through the matrix."},
            },
            example = [[
local m = Matrix()
m:rotation(90, Vector(0, 1, 0))
local x, y, z = m:mulPoint(1, 0, 0) -- about (0, 0, -1)]],
        },
        {
            name = "Plane", var = "plane",
            doc = "The plane a·x + b·y + c·z + d = 0, with a point on it.",
            methods = {
                {"new() | (a: number, b: number, c: number, d: number)", "A plane from its four coefficients."},
                {"set(other: Plane) | (a: number, b: number, c: number, d: number)", "Sets the coefficients."},
                {"get() -> a: number, b: number, c: number, d: number", "The four coefficients."},
                {"setNormal(v: Vector) | (x: number, y: number, z: number)", "Sets the normal (a, b, c), made one long."},
                {"getNormal() -> x: number, y: number, z: number", "The normal."},
                {"setPoint(p: Point) | (x: number, y: number, z: number)", "Sets the point on the plane, and d through it."},
                {"getPoint() -> x: number, y: number, z: number", "The point on the plane."},
                {"translate(v: Vector) | (x: number, y: number, z: number)", "Moves the plane (its point, and d with it)."},
                {"getIntersection(p1: Point, p2: Point, out: Point) | (x1: number, y1: number, z1: number, x2: number, y2: number, z2: number) -> boolean, x: number, y: number, z: number",
                 "Whether the segment p1–p2 crosses the plane; the crossing goes into `out`, or follows the boolean."},
                {"classify(p: Point) | (x: number, y: number, z: number) -> integer", "Which side a point is on: 1 in front, 3 behind, 6 on the plane."},
                {"distance(p: Point) | (x: number, y: number, z: number) -> number", "The signed distance of a point."},
                {"findPoint()", "Sets the point to -d times the normal (on the plane when the normal is one long)."},
                {"findD()", "Finds d from the normal and the point."},
                {"normalize()", "Makes the normal one long, dividing d by the same length."},
            },
            example = [[
local ground = Plane(0, 1, 0, 0)
local hit, x, y, z = ground:getIntersection(0, 5, 0, 0, -5, 0) -- true, 0, 0, 0]],
        },
        {
            name = "BoundingSphere", var = "sphere",
            doc = "A sphere for culling and collisions: an initial position and radius, and the placed ones.",
            methods = {
                {"new() | (centre: Point, radius: number = 0) | (x: number, y: number, z: number, radius: number = 0) | (initialCentre: Point, initialRadius: number, centre: Point, radius: number) | (...: number)",
                 "A sphere (both pairs the same), both pairs given, or eight numbers: initial x, y, z, radius, then x, y, z, radius."},
                {"get() -> ...: number", "Eight numbers: the initial x, y, z and radius, then the placed ones."},
                {"getInitialPosition() -> x: number, y: number, z: number", "The initial centre."},
                {"setInitialPosition(p: Point) | (x: number, y: number, z: number)", "Sets the initial centre."},
                {"getInitialRadius() -> number", "The initial radius."},
                {"setInitialRadius(radius: number)", "Sets the initial radius."},
                {"getPosition() -> x: number, y: number, z: number", "The placed centre."},
                {"setPosition(p: Point) | (x: number, y: number, z: number)", "Sets the placed centre."},
                {"getRadius() -> number", "The placed radius."},
                {"setRadius(radius: number)", "Sets the placed radius."},
                {"add(other: BoundingSphere) | (...: number) -> x: number, y: number, z: number, radius: number",
                 "The smallest sphere holding both (the other as a sphere or eight numbers)."},
                {"rayIntersect(origin: Point, through: Point) | (x1: number, y1: number, z1: number, x2: number, y2: number, z2: number) -> boolean, x: number, y: number, z: number",
                 "Whether the ray from `origin` through `through` meets the sphere, and where it first does."},
                {"sphereIntersect(other: BoundingSphere) | (...: number) -> boolean", "Whether the two spheres overlap."},
                {"collisionResponse(k: number, other: BoundingSphere) | (k: number, ...: number) -> boolean, ...: number",
                 "Parts two overlapping spheres along the line of centres, `other` taking share k of the push; whether they overlapped, then the other's eight numbers."},
                {"applyTransformations()", "Places the sphere with the current model-view matrix."},
                {"display()", "Draws the sphere (for debugging)."},
            },
            example = [[
local player = BoundingSphere(Point(0, 1, 0), 0.5)
local wall = BoundingSphere(0.8, 1, 0, 0.5)
if player:sphereIntersect(wall) then
  local hit = player:collisionResponse(0, wall) -- only the player moves
end]],
        },
        {
            name = "Camera", accessor = "getCamera", var = "camera",
            doc = "Where the scene is seen from. Call `normalize()` after changing it and `lookAt()` each frame before drawing.",
            methods = {
                {"new()", "An object standing for the singleton, as `getCamera()`."},
                {"setEye(p: Point) | (x: number, y: number, z: number)", "Moves the eye; the look direction follows (centre - eye)."},
                {"getEye() -> x: number, y: number, z: number", "The eye."},
                {"setCenter(p: Point) | (x: number, y: number, z: number)", "The point looked at; the look direction follows."},
                {"getCenter() -> x: number, y: number, z: number", "The point looked at."},
                {"setLook(v: Vector) | (x: number, y: number, z: number)", "The look direction; the centre becomes eye + look."},
                {"getLook() -> x: number, y: number, z: number", "The look direction."},
                {"setUp(v: Vector) | (x: number, y: number, z: number)", "The up direction."},
                {"getUp() -> x: number, y: number, z: number", "The up direction."},
                {"getRight() -> x: number, y: number, z: number", "The right direction (set by `normalize`)."},
                {"normalize()", "Makes look, up and right one long and square to each other; up must not be parallel to look (fatal)."},
                {"lookAt()", "Applies the view to the model-view matrix and updates the frustum the meshes are culled against."},
            },
            example = [[
local camera = getCamera()
camera:setEye(0, 2, 8)
camera:setCenter(Point(0, 1, 0))
camera:setUp(0, 1, 0)
camera:normalize()
-- each frame, after clearing:
camera:lookAt()]],
        },
        {
            name = "Listener", accessor = "getListener", var = "listener",
            doc = "Where sounds are heard from. The setters only store: `normalize()` sends them to OpenAL.",
            methods = {
                {"new()", "An object standing for the singleton, as `getListener()`."},
                {"setEar(p: Point) | (x: number, y: number, z: number)", "Moves the ear; the listening direction follows (centre - ear)."},
                {"getEar() -> x: number, y: number, z: number", "The ear."},
                {"setCenter(p: Point) | (x: number, y: number, z: number)", "The point listened towards; the direction follows."},
                {"getCenter() -> x: number, y: number, z: number", "The point listened towards."},
                {"setListen(v: Vector) | (x: number, y: number, z: number)", "The listening direction; the centre becomes ear + direction."},
                {"getListen() -> x: number, y: number, z: number", "The listening direction."},
                {"setUp(v: Vector) | (x: number, y: number, z: number)", "The up direction."},
                {"getUp() -> x: number, y: number, z: number", "The up direction."},
                {"setVelocity(v: Vector) | (x: number, y: number, z: number)", "The listener's velocity (for the Doppler effect)."},
                {"getVelocity() -> x: number, y: number, z: number", "The velocity."},
                {"normalize()", "Squares up and listening direction and sends all of it to OpenAL; up must not be parallel to the direction (fatal)."},
            },
            example = [[
local listener, camera = getListener(), getCamera()
listener:setEar(camera:getEye())
listener:setCenter(camera:getCenter())
listener:setUp(camera:getUp())
listener:normalize()]],
        },
        {
            name = "Scene", accessor = "getScene", var = "scene",
            doc = "The window, the frame and the tracked render state (every `set` saves the old value; `restore` puts it back).",
            methods = {
                {"new()", "An object standing for the singleton, as `getScene()`."},
                {"update()", "Ends a frame's timing: waits out the frame cap, measures the frame and reads input."},
                {"clearBuffers()", "Clears the colour and depth buffers."},
                {"display()", "Swaps the buffers (shows the frame)."},
                {"getStats() -> table", "The last frame's statistics: `drawCalls`, `vertices`, `triangles`, `textureBinds`, `stateChanges` (render-state changes sent to OpenGL) and `stateChangesSkipped` (asked for but already in place); what is loaded: `textures`, `textureBytes`, `sounds`, `soundBytes`, `playingSources`; and frame times in milliseconds: `frameTime` (the last frame), `frameTimeAverage`, `frameTimeMin`, `frameTimeMax` (over the last second)."},
                {"setBackgroundColor(color: Color) | (r: number, g: number, b: number, a: number)", "The clear colour (at start, the fog colour of `Engine.cfg`)."},
                {"glBegin2D()", "Into the 2D overlay: `GL_ORTHO_RESOLUTION_X` × `_Y` units, no depth test, lighting or fog."},
                {"glEnd2D()", "Back out of the 2D overlay."},
                {"set(cap: integer, on: boolean)", "Turns a capability (`GL_BLEND`, `GL_LIGHTING`, ...) on or off, saving the old value."},
                {"restore(cap: integer)", "Puts back the capability's value before the last `set`."},
                {"isEnabled(cap: integer) -> boolean", "Whether the capability is on."},
                {"setBlendFunc(source: integer, destination: integer)", "The blend function (`GL_SRC_ALPHA`, `GL_ONE_MINUS_SRC_ALPHA`, ...), saving the old one."},
                {"restoreBlendFunc()", "Puts back the blend function before the last `setBlendFunc`."},
                {"setDepthMask(on: boolean)", "Whether depth is written, saving the old value."},
                {"restoreDepthMask()", "Puts back the depth mask before the last `setDepthMask`."},
                {"setShadeModel(mode: integer)", "`GL_FLAT` or `GL_SMOOTH`, saving the old one."},
                {"restoreShadeModel()", "Puts back the shade model before the last `setShadeModel`."},
                {"hasMultiTexture() -> boolean", "Whether the driver offers a second texture unit."},
                {"error(message: string) -> boolean", "Prints the message (unless empty), then the pending SDL, else OpenGL, else OpenAL errors; true when there were some."},
                {"errorGL(message: string) -> boolean", "Prints the message (unless empty), then the pending OpenGL errors; true when there were some."},
                {"errorAL(message: string) -> boolean", "Prints the message (unless empty), then the pending OpenAL errors; true when there were some."},
                {"errorSDL(message: string) -> boolean", "Prints the message (unless empty), then a pending SDL error; true when there was one."},
                {"endSDL()", "Closes the window (drawing does nothing until `restartSDL`)."},
                {"restartSDL()", "Opens the window again with the render state, background and textures it had."},
                {"endAL()", "Closes the audio device."},
                {"restartAL()", "Opens the audio device again."},
            },
            example = [[
local scene, camera = getScene(), getCamera()
-- one frame of the game loop:
scene:update()
scene:clearBuffers()
camera:lookAt()
-- ... the world, then the overlay:
scene:glBegin2D()
scene:set(GL_TEXTURE_2D, true) -- text is textured
scene:set(GL_BLEND, true)
scene:setBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA)
local fonts = getFontManager()
fonts:setCurrentFontId(fonts:load("Fonts/Font.txt")) -- the loading frame left Font3 current
fonts:print(10, 590, "hello", 1, 1, 1, 1)
scene:restoreBlendFunc()
scene:restore(GL_BLEND)
scene:restore(GL_TEXTURE_2D)
scene:glEnd2D()
scene:display()]],
        },
        {
            name = "Time", accessor = "getTime", var = "time",
            doc = "Frame timing. Frames are capped at the display's refresh rate (62.5 a second at 60 Hz or less).",
            methods = {
                {"new()", "An object standing for the singleton, as `getTime()`."},
                {"getDt() -> number", "The last frame's length in seconds: multiply speeds by it."},
                {"getFPSMin() -> integer", "The lowest frame rate since `restart`."},
                {"getFPSMid() -> integer", "The mean frame rate since `restart`."},
                {"getFPSMax() -> integer", "The highest frame rate since `restart`."},
                {"restart()", "Starts measuring afresh (after loading, say)."},
                {"update()", "Waits out the frame cap and measures (`Scene:update` does this)."},
            },
            example = [[
local time, angle = getTime(), 0
-- each frame:
angle = angle + 90 * time:getDt() -- 90 degrees a second at any frame rate
trace("fps " .. time:getFPSMid())]],
        },
        {
            name = "EventManager", accessor = "getEventManager", var = "events",
            doc = "Keyboard and mouse, read by `Scene:update()`. The system cursor is held in the window's centre.",
            methods = {
                {"new()", "An object standing for the singleton, as `getEventManager()`."},
                {"isKeyPressed(key: integer) -> boolean", "Whether a key (`SDLK_...`) is held down."},
                {"leftDown() -> boolean", "Whether the left button is held down."},
                {"rightDown() -> boolean", "Whether the right button is held down."},
                {"leftClick() -> boolean", "True for the one update after the left button was released."},
                {"rightClick() -> boolean", "True for the one update after the right button was released."},
                {"getMouseDeltaS() -> dx: integer, dy: integer", "This frame's mouse motion times the mouse speed, y upwards."},
                {"getMousePosition() -> x: integer, y: integer", "A pointer position kept on the screen."},
                {"getMouseSpeed() -> number", "The mouse speed."},
                {"setMouseSpeed(speed: number)", "Sets the mouse speed (one that is not a finite number moves nothing)."},
                {"getScreenSize() -> width: integer, height: integer", "The window's size in pixels."},
                {"reset()", "Centres the pointer and forgets the buttons, clicks and motion."},
                {"update()", "Reads input (`Scene:update` does this)."},
            },
            example = [[
local events = getEventManager()
local dx, dy = events:getMouseDeltaS() -- turn the camera by these
if events:isKeyPressed(SDLK_UP) then trace("forward") end
if events:leftClick() then trace("fire") end]],
        },
        {
            name = "Color", var = "color",
            doc = "An RGBA colour; each component is limited to at most 1 (there is no lower limit). Hue is in degrees, saturation and brightness in percent.",
            methods = {
                {"new() | (r: number, g: number, b: number, a: number)", "White, or the given colour."},
                {"set(color: Color) | (r: number, g: number, b: number, a: number)", "Sets all four components."},
                {"get() -> r: number, g: number, b: number, a: number", "The four components."},
                {"setR(r: number)", "Sets red."},
                {"setG(g: number)", "Sets green."},
                {"setB(b: number)", "Sets blue."},
                {"setA(a: number)", "Sets alpha."},
                {"getR() -> number", "Red."},
                {"getG() -> number", "Green."},
                {"getB() -> number", "Blue."},
                {"getA() -> number", "Alpha."},
                {"setH(hue: number)", "Sets the hue, keeping saturation and brightness."},
                {"setS(saturation: number)", "Sets the saturation, keeping hue and brightness."},
                {"setBr(brightness: number)", "Sets the brightness, keeping hue and saturation."},
                {"setHSBA(color: Color) | (hue: number, saturation: number, brightness: number, alpha: number)", "Sets the colour from hue, saturation, brightness and alpha (a `Color` is copied)."},
                {"getH() -> number", "The hue (0 for a grey)."},
                {"getS() -> number", "The saturation."},
                {"getBr() -> number", "The brightness."},
                {"getHSBA() -> hue: number, saturation: number, brightness: number, alpha: number", "Hue, saturation, brightness and alpha."},
                {"mul(s: number) -> r: number, g: number, b: number, a: number", "The four components times s (the colour is left alone)."},
                {"monocrome() -> r: number, g: number, b: number, a: number", "The grey of the same luminance (the colour is left alone)."},
                {"use()", "Makes it the colour of what is drawn unlit."},
            },
            example = [[
local red = Color(1, 0, 0, 1)
local pink = Color()
pink:setHSBA(red:getH(), 40, 100, 1)
getFontManager():print(10, 20, "hello", pink)]],
        },
        {
            name = "Material", var = "material",
            doc = "How a lit surface reflects: ambient, diffuse, specular and emission colours (r, g, b, a each) and shininess, 17 numbers in that order.",
            methods = {
                {"new() | (...: number)", "OpenGL's default material, or 17 numbers."},
                {"set(...: number)", "Sets all 17 numbers."},
                {"get() -> ...: number", "The 17 numbers."},
                {"setAmbient(r: number, g: number, b: number, a: number)", "The ambient colour."},
                {"setDiffuse(r: number, g: number, b: number, a: number)", "The diffuse colour."},
                {"setSpecular(r: number, g: number, b: number, a: number)", "The specular colour."},
                {"setEmission(r: number, g: number, b: number, a: number)", "The emitted colour."},
                {"getAmbient() -> r: number, g: number, b: number, a: number", "The ambient colour."},
                {"getDiffuse() -> r: number, g: number, b: number, a: number", "The diffuse colour."},
                {"getSpecular() -> r: number, g: number, b: number, a: number", "The specular colour."},
                {"getEmission() -> r: number, g: number, b: number, a: number", "The emitted colour."},
                {"setShininess(s: number)", "The specular exponent (OpenGL takes 0 to 128)."},
                {"getShininess() -> number", "The specular exponent."},
                {"setOpacity(a: number)", "Sets every colour's alpha."},
                {"getOpacity() -> number", "The alpha (of the ambient colour)."},
                {"add(other: Material) -> ...: number", "The sum as 17 numbers: colours limited to 1, shininess to 128."},
                {"mul(other: Material) -> ...: number", "The product as 17 numbers, shininess limited to 128."},
                {"use()", "Sends the material to OpenGL for the front faces."},
            },
            example = [[
local gold = Material()
gold:setDiffuse(0.8, 0.6, 0.2, 1)
gold:setSpecular(1, 1, 0.8, 1)
gold:setShininess(64)
local box = RoundedCube(-1, gold)]],
        },
        {
            name = "LightManager", accessor = "getLightManager", var = "lights",
            doc = "Eight OpenGL lights by id. An enabled infinite light is on at once; an enabled point light is switched on for each mesh it reaches. Ids that name no light are ignored.",
            methods = {
                {"new()", "An object standing for the singleton, as `getLightManager()`."},
                {"addLight() -> integer", "A new light (off, infinite): its id, the lowest free one, or -1 when all eight are taken."},
                {"removeLight(id: integer)", "Removes the light."},
                {"enable(id: integer)", "Switches the light on."},
                {"disable(id: integer)", "Switches the light off."},
                {"setPosition(id: integer, p: Point) | (id: integer, x: number, y: number, z: number)",
                 "The light's position (a direction for an infinite light), in the coordinates in force when called."},
                {"setRadius(id: integer, radius: number, falloff: number = 10)", "A point light's reach; its attenuation is falloff / radius³."},
                {"setInfinite(id: integer, on: boolean)", "Whether it is a directional light (true) or a point light."},
                {"setAmbient(id: integer, r: number, g: number, b: number, a: number)", "The ambient colour."},
                {"setDiffuse(id: integer, r: number, g: number, b: number, a: number)", "The diffuse colour."},
                {"setSpecular(id: integer, r: number, g: number, b: number, a: number)", "The specular colour."},
                {"getPosition(id: integer) -> x: number, y: number, z: number", "The position (0, 0, 0 for an unknown id)."},
                {"getRadius(id: integer) -> number", "The radius (1 for an unknown id)."},
                {"getInfinite(id: integer) -> boolean", "Whether it is directional (true for an unknown id)."},
                {"transform(m: Matrix) | (...: number)", "Moves every light's position through a `Matrix` or 16 numbers row by row."},
                {"restart()", "Sends every light to OpenGL again (the engine does this for a new window)."},
            },
            example = [[
local lights = getLightManager()
local lamp = lights:addLight()
lights:setInfinite(lamp, false)
lights:setPosition(lamp, 0, 3, 0)
lights:setRadius(lamp, 8)
lights:setDiffuse(lamp, 1, 0.9, 0.7, 1)
lights:enable(lamp)]],
        },
        {
            name = "TextureManager", accessor = "getTextureManager", var = "textures",
            doc = "Textures by id, loaded once per name; powers of two up to 512 × 512 (PNG, BMP, TGA, JPEG, GIF; another size is fatal). At most 131. Each belongs to the groups it was loaded in.",
            methods = {
                {"new()", "An object standing for the singleton, as `getTextureManager()`."},
                {"load(name: string, mipmaps: boolean = true, replaceId: integer = -1) -> integer",
                 "Loads a texture file into the current group: its id, or -1 on failure."},
                {"loadFromMem(file: File, mipmaps: boolean = true, replaceId: integer = -1) -> integer",
                 "Loads a texture from a `File` read as binary: its id, or -1."},
                {"bind(id: integer)", "Binds the texture (an unknown id binds none)."},
                {"removeId(id: integer)", "Takes the texture out of the current group (deleted once in no group)."},
                {"free(group: integer)", "Takes every texture out of a group."},
                {"setCurrentGroup(group: integer)", "The group the next loads go into (`PERMANENT_TEXTURES`, `TEMPORARY_TEXTURES`, ...)."},
                {"getCurrentGroup() -> integer", "The current group."},
                {"end()", "Deletes the OpenGL textures, keeping their entries."},
                {"restart()", "Loads every texture again under the same ids (the engine does this for a new window)."},
            },
            example = [[
local textures = getTextureManager()
textures:setCurrentGroup(TEMPORARY_TEXTURES)
local wall = textures:load("Textures/Wall.png")
-- leaving the level:
textures:free(TEMPORARY_TEXTURES)]],
        },
        {
            name = "FontManager", accessor = "getFontManager", var = "fonts",
            doc = "Bitmap fonts (made with `brawlgear-font`), eleven at most. Text is textured: it shows while `GL_TEXTURE_2D` is on (else each glyph is a solid box). Text is drawn with its glyph tops at y; inside `Scene:glBegin2D()` a unit is an overlay pixel.",
            methods = {
                {"new()", "An object standing for the singleton, as `getFontManager()`."},
                {"load(file: string) -> integer", "Loads a font file (read once per name): its id, or -1."},
                {"setCurrentFontId(id: integer)", "The font the others use."},
                {"setScale(scale: number)", "Scales the text drawn and measured."},
                {"getScale() -> number", "The scale."},
                {"getStringWidth(text: string) -> integer", "The width of the text."},
                {"getStringHeight(text: string) -> integer", "The height of a line (the text changes nothing)."},
                {"getStringSize(text: string) -> width: integer, height: integer", "Width and height."},
                {"print(x: integer, y: integer, text: string, color: Color) | (x: integer, y: integer, text: string, r: number, g: number, b: number, a: number)",
                 "Draws the text, x to the right and y up."},
            },
            example = [[
local fonts = getFontManager()
local font = fonts:load("Fonts/Font.txt")
fonts:setCurrentFontId(font)
local scene = getScene()
scene:glBegin2D()
scene:set(GL_TEXTURE_2D, true) -- glyphs are textured
scene:set(GL_BLEND, true)
scene:setBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA)
fonts:print(20, 580, "Score 100", 1, 1, 0, 1)
scene:restoreBlendFunc()
scene:restore(GL_BLEND)
scene:restore(GL_TEXTURE_2D)
scene:glEnd2D()]],
        },
        {
            name = "Billboard", var = "billboard",
            doc = "A textured square that faces the camera: particles, lamps, sprites. The 3D forms are culled and take world coordinates.",
            methods = {
                {"new(color: Color, textureId: integer, width: number, height: number) | (r: number, g: number, b: number, a: number, textureId: integer, width: number, height: number)",
                 "A billboard of a colour, a texture (-1 for none) and a size."},
                {"beginDisplay()", "Turns depth writes and lighting off before a batch of billboards."},
                {"endDisplay()", "Turns them back as they were."},
                {"bindTexture()", "Binds the billboard's texture."},
                {"display(p: Point) | (x: number, y: number, z: number) | (p: Point, axis: Vector) | (x: number, y: number, z: number, ax: number, ay: number, az: number)",
                 "Draws it centred on a point, facing the camera (with an axis: turning only about it)."},
                {"display2D(p: Point) | (x: number, y: number, z: number)", "Draws it in the x-y plane, never culled (for the 2D overlay)."},
                {"setColor(color: Color) | (r: number, g: number, b: number, a: number)", "The colour."},
                {"getColor() -> r: number, g: number, b: number, a: number", "The colour."},
                {"setTextureId(id: integer)", "The texture."},
                {"getTextureId() -> integer", "The texture."},
                {"setDimension(width: number, height: number)", "The size."},
                {"getDimension() -> width: number, height: number", "The size."},
            },
            example = [[
local spark = Billboard(1, 0.8, 0.3, 1, getTextureManager():load("Textures/Spark.png"), 0.5, 0.5)
spark:beginDisplay()
spark:bindTexture()
spark:display(0, 2, 0)
spark:endDisplay()]],
        },
        {
            name = "SoundManager", accessor = "getSoundManager", var = "sounds",
            doc = "Ogg Vorbis sounds (mono or stereo), at most 41, and the sources that play them. Ids that name nothing are ignored; getters then answer -1, 0, false or 0, 0, 0.",
            methods = {
                {"new()", "An object standing for the singleton, as `getSoundManager()`."},
                {"load(file: string) -> integer", "Loads a sound (decoded once per name): its id, or -1."},
                {"addSource(soundId: integer, autoRemove: boolean = false) -> integer",
                 "A stopped source playing the sound: its id (never reused), or -1 when all are taken."},
                {"removeSource(sourceId: integer)", "Removes the source."},
                {"play(sourceId: integer)", "Plays the source from its start (or where it was paused)."},
                {"stop(sourceId: integer)", "Stops the source."},
                {"pause(sourceId: integer) | ()", "Pauses one source, or every one."},
                {"resume()", "Resumes every paused source."},
                {"update()", "Removes the auto-remove sources that have stopped playing."},
                {"setSoundId(sourceId: integer, soundId: integer)", "The sound a source plays."},
                {"getSoundId(sourceId: integer) -> integer", "The sound a source plays."},
                {"setGain(sourceId: integer, gain: number)", "The source's volume (never below 0)."},
                {"getGain(sourceId: integer) -> number", "The volume."},
                {"setRadius(sourceId: integer, radius: number)", "How far the sound carries (reference distance radius / 10)."},
                {"getRadius(sourceId: integer) -> number", "How far the sound carries."},
                {"setLooping(sourceId: integer, on: boolean)", "Whether it plays again and again."},
                {"getLooping(sourceId: integer) -> boolean", "Whether it loops."},
                {"setRelative(sourceId: integer, on: boolean)", "Whether its position is relative to the listener."},
                {"getRelative(sourceId: integer) -> boolean", "Whether its position is relative."},
                {"setPosition(sourceId: integer, p: Point) | (sourceId: integer, x: number, y: number, z: number)", "Where the sound is."},
                {"getPosition(sourceId: integer) -> x: number, y: number, z: number", "Where the sound is."},
                {"setVelocity(sourceId: integer, v: Vector) | (sourceId: integer, x: number, y: number, z: number)", "How fast it moves (for the Doppler effect)."},
                {"getVelocity(sourceId: integer) -> x: number, y: number, z: number", "How fast it moves."},
                {"isPlaying(sourceId: integer) -> boolean", "Whether the source is playing."},
                {"end()", "Stops every source and deletes the OpenAL sources and buffers, keeping their entries (before `Scene:endAL`)."},
                {"restart()", "Loads every sound again and brings the sources back under the same ids (the engine does this for a new audio device)."},
            },
            example = [[
local sounds = getSoundManager()
local hum = sounds:addSource(sounds:load("Sounds/Hum.ogg"))
sounds:setLooping(hum, true)
sounds:setPosition(hum, 0, 1, -4)
sounds:setRadius(hum, 20)
sounds:play(hum)]],
        },
        meshClass {
            name = "Quad", var = "quad",
            doc = "A flat rectangle in the x-y plane, facing +z: a grid of vertices drawn as triangle strips with one texture and one `Material`. Slices and stacks are powers of two.",
            methods = {
                {"new(textureId: integer, material: Material, width: number = 1, height: number = 1, slices: integer = 32, stacks: integer = 32)",
                 "A quad of the given size and grid."},
            },
            example = [[
local floor = Quad(getTextureManager():load("Textures/Floor.png"), Material(), 20, 20)
floor:rotate(-90, 1, 0, 0) -- lay it down, facing up
floor:display()]],
        },
        meshClass {
            name = "Cube", var = "cube",
            doc = "The four sides of a box round the y axis (no lid or bottom), as a grid drawn in triangle strips.",
            methods = {
                {"new(textureId: integer, material: Material, width: number = 3, height: number = 3, depth: number = 3, slices: integer = 32, stacks: integer = 32)",
                 "A box of the given size and grid."},
            },
            example = [[
local walls = Cube(-1, Material(), 12, 4, 12)
walls:invertNormals()          -- seen from inside
walls:setCounterclockwise(false)
walls:display()]],
        },
        meshClass {
            name = "RoundedCube", var = "box",
            doc = "A box with rounded edges; with every size twice the radius, a sphere. The angles cut it (a horizontal angle of 180 is half of it).",
            methods = {
                {"new(textureId: integer, material: Material, width: number = 3, height: number = 3, depth: number = 3, radius: number = 1, horizontalAngle: number = 360, verticalAngle: number = 180, slices: integer = 32, stacks: integer = 32)",
                 "A rounded box of the given size, edge radius, angles and grid."},
            },
            example = [[
local ball = RoundedCube(-1, Material(), 2, 2, 2, 1) -- a sphere of radius 1
ball:setPosition(0, 1, 0)
ball:display()]],
        },
        meshClass {
            name = "CurvedMesh", var = "vase",
            doc = "A surface of revolution: a profile through n points turned round the y axis.",
            methods = {
                {"new(textureId: integer, material: Material, interpolation: integer, n: integer, ...: number)",
                 "The profile through n points (x, y, z each; n - 1 a power of two; interpolation 0 straight lines, 1 a natural cubic spline), then optionally the angle (360), slices (32) and stacks (32)."},
            },
            example = [[
local vase = CurvedMesh(-1, Material(), 1, 5, -- n - 1 points apart: a power of two
  0.5, 0, 0,  0.8, 0.5, 0,  0.4, 1, 0,  0.3, 1.3, 0,  0.45, 1.6, 0)
vase:display()]],
        },
    },

    constants = {
        {
            title = "Render state",
            doc = "For `Scene:set`, `Scene:restore`, `Scene:isEnabled`, `Scene:setBlendFunc` and `Scene:setShadeModel` (OpenGL's values).",
            {"GL_TRUE", 1, "true, as OpenGL writes it"},
            {"GL_FALSE", 0, "false, as OpenGL writes it"},
            {"GL_ALPHA_TEST", 3008, "capability: discard fragments by alpha"},
            {"GL_BLEND", 3042, "capability: blend with the frame buffer"},
            {"GL_CULL_FACE", 2884, "capability: skip back faces"},
            {"GL_DEPTH_TEST", 2929, "capability: hide what is behind"},
            {"GL_FOG", 2912, "capability: fog"},
            {"GL_LIGHTING", 2896, "capability: lighting"},
            {"GL_TEXTURE_2D", 3553, "capability: texturing"},
            {"GL_NORMALIZE", 2977, "capability: renormalise normals after scaling"},
            {"GL_ZERO", 0, "blend factor 0"},
            {"GL_ONE", 1, "blend factor 1"},
            {"GL_SRC_COLOR", 768, "blend factor: the incoming colour"},
            {"GL_ONE_MINUS_SRC_COLOR", 769, "blend factor: 1 - the incoming colour"},
            {"GL_DST_COLOR", 774, "blend factor: the colour in the frame buffer"},
            {"GL_ONE_MINUS_DST_COLOR", 775, "blend factor: 1 - the frame buffer's colour"},
            {"GL_SRC_ALPHA", 770, "blend factor: the incoming alpha"},
            {"GL_ONE_MINUS_SRC_ALPHA", 771, "blend factor: 1 - the incoming alpha"},
            {"GL_DST_ALPHA", 772, "blend factor: the frame buffer's alpha"},
            {"GL_ONE_MINUS_DST_ALPHA", 773, "blend factor: 1 - the frame buffer's alpha"},
            {"GL_SRC_ALPHA_SATURATE", 776, "blend factor: min(incoming alpha, 1 - frame buffer alpha)"},
            {"GL_FLAT", 7424, "shade model: one colour a face"},
            {"GL_SMOOTH", 7425, "shade model: colours blended across faces"},
        },
        {
            title = "Matrix stacks",
            doc = "For `Transform:matrixMode`.",
            {"GL_MODELVIEW", 5888, "the model-view stack (where things are)"},
            {"GL_PROJECTION", 5889, "the projection stack (the lens)"},
            {"GL_TEXTURE", 5890, "the texture-coordinate stack"},
        },
        {
            title = "Texture groups",
            doc = "For `TextureManager:setCurrentGroup` and `TextureManager:free`; any other number names a group too.",
            {"PERMANENT_TEXTURES", 1, "the group for textures the whole game keeps"},
            {"TEMPORARY_TEXTURES", 2, "the group for a level's textures"},
        },
        {
            title = "Archive results",
            doc = "What `VFS:close` answers (the unzip library's codes).",
            {"UNZ_OK", 0, "closed without error"},
            {"UNZ_END_OF_LIST_OF_FILE", -100, "no further entry"},
            {"UNZ_ERRNO", -1, "a system error"},
            {"UNZ_EOF", 0, "end of the entry (same as UNZ_OK)"},
            {"UNZ_PARAMERROR", -102, "a bad argument"},
            {"UNZ_BADZIPFILE", -103, "not a valid zip archive"},
            {"UNZ_INTERNALERROR", -104, "an internal error of the unzip library"},
            {"UNZ_CRCERROR", -105, "an entry's checksum did not match"},
        },
        {
            title = "Keys",
            doc = "For `EventManager:isKeyPressed` (SDL 1.2's key codes).",
        {"SDLK_UNKNOWN", 0, "no key (an unknown key)"},
        {"SDLK_FIRST", 0, "the first key code (same as SDLK_UNKNOWN)"},
        {"SDLK_BACKSPACE", 8, "Backspace key"},
        {"SDLK_TAB", 9, "Tab key"},
        {"SDLK_CLEAR", 12, "Clear key"},
        {"SDLK_RETURN", 13, "Return (Enter) key"},
        {"SDLK_PAUSE", 19, "Pause key"},
        {"SDLK_ESCAPE", 27, "Escape key"},
        {"SDLK_SPACE", 32, "the space bar"},
        {"SDLK_EXCLAIM", 33, "the ! key"},
        {"SDLK_QUOTEDBL", 34, "the \" key"},
        {"SDLK_HASH", 35, "the # key"},
        {"SDLK_DOLLAR", 36, "the $ key"},
        {"SDLK_AMPERSAND", 38, "the & key"},
        {"SDLK_QUOTE", 39, "the ' key"},
        {"SDLK_LEFTPAREN", 40, "the ( key"},
        {"SDLK_RIGHTPAREN", 41, "the ) key"},
        {"SDLK_ASTERISK", 42, "the * key"},
        {"SDLK_PLUS", 43, "the + key"},
        {"SDLK_COMMA", 44, "the , key"},
        {"SDLK_MINUS", 45, "the - key"},
        {"SDLK_PERIOD", 46, "the . key"},
        {"SDLK_SLASH", 47, "the / key"},
        {"SDLK_0", 48, "digit 0"},
        {"SDLK_1", 49, "digit 1"},
        {"SDLK_2", 50, "digit 2"},
        {"SDLK_3", 51, "digit 3"},
        {"SDLK_4", 52, "digit 4"},
        {"SDLK_5", 53, "digit 5"},
        {"SDLK_6", 54, "digit 6"},
        {"SDLK_7", 55, "digit 7"},
        {"SDLK_8", 56, "digit 8"},
        {"SDLK_9", 57, "digit 9"},
        {"SDLK_COLON", 58, "the : key"},
        {"SDLK_SEMICOLON", 59, "the ; key"},
        {"SDLK_LESS", 60, "the < key"},
        {"SDLK_EQUALS", 61, "the = key"},
        {"SDLK_GREATER", 62, "the > key"},
        {"SDLK_QUESTION", 63, "the ? key"},
        {"SDLK_AT", 64, "the @ key"},
        {"SDLK_LEFTBRACKET", 91, "the [ key"},
        {"SDLK_BACKSLASH", 92, "the \\ key"},
        {"SDLK_RIGHTBRACKET", 93, "the ] key"},
        {"SDLK_CARET", 94, "the ^ key"},
        {"SDLK_UNDERSCORE", 95, "the _ key"},
        {"SDLK_BACKQUOTE", 96, "the backquote key"},
        {"SDLK_a", 97, "letter A"},
        {"SDLK_b", 98, "letter B"},
        {"SDLK_c", 99, "letter C"},
        {"SDLK_d", 100, "letter D"},
        {"SDLK_e", 101, "letter E"},
        {"SDLK_f", 102, "letter F"},
        {"SDLK_g", 103, "letter G"},
        {"SDLK_h", 104, "letter H"},
        {"SDLK_i", 105, "letter I"},
        {"SDLK_j", 106, "letter J"},
        {"SDLK_k", 107, "letter K"},
        {"SDLK_l", 108, "letter L"},
        {"SDLK_m", 109, "letter M"},
        {"SDLK_n", 110, "letter N"},
        {"SDLK_o", 111, "letter O"},
        {"SDLK_p", 112, "letter P"},
        {"SDLK_q", 113, "letter Q"},
        {"SDLK_r", 114, "letter R"},
        {"SDLK_s", 115, "letter S"},
        {"SDLK_t", 116, "letter T"},
        {"SDLK_u", 117, "letter U"},
        {"SDLK_v", 118, "letter V"},
        {"SDLK_w", 119, "letter W"},
        {"SDLK_x", 120, "letter X"},
        {"SDLK_y", 121, "letter Y"},
        {"SDLK_z", 122, "letter Z"},
        {"SDLK_DELETE", 127, "Delete key"},
        {"SDLK_KP0", 256, "keypad 0"},
        {"SDLK_KP1", 257, "keypad 1"},
        {"SDLK_KP2", 258, "keypad 2"},
        {"SDLK_KP3", 259, "keypad 3"},
        {"SDLK_KP4", 260, "keypad 4"},
        {"SDLK_KP5", 261, "keypad 5"},
        {"SDLK_KP6", 262, "keypad 6"},
        {"SDLK_KP7", 263, "keypad 7"},
        {"SDLK_KP8", 264, "keypad 8"},
        {"SDLK_KP9", 265, "keypad 9"},
        {"SDLK_KP_PERIOD", 266, "keypad ."},
        {"SDLK_KP_DIVIDE", 267, "keypad /"},
        {"SDLK_KP_MULTIPLY", 268, "keypad *"},
        {"SDLK_KP_MINUS", 269, "keypad -"},
        {"SDLK_KP_PLUS", 270, "keypad +"},
        {"SDLK_KP_ENTER", 271, "keypad Enter"},
        {"SDLK_KP_EQUALS", 272, "keypad ="},
        {"SDLK_UP", 273, "arrow up"},
        {"SDLK_DOWN", 274, "arrow down"},
        {"SDLK_RIGHT", 275, "arrow right"},
        {"SDLK_LEFT", 276, "arrow left"},
        {"SDLK_INSERT", 277, "Insert key"},
        {"SDLK_HOME", 278, "Home key"},
        {"SDLK_END", 279, "End key"},
        {"SDLK_PAGEUP", 280, "Page Up key"},
        {"SDLK_PAGEDOWN", 281, "Page Down key"},
        {"SDLK_F1", 282, "function key F1"},
        {"SDLK_F2", 283, "function key F2"},
        {"SDLK_F3", 284, "function key F3"},
        {"SDLK_F4", 285, "function key F4"},
        {"SDLK_F5", 286, "function key F5"},
        {"SDLK_F6", 287, "function key F6"},
        {"SDLK_F7", 288, "function key F7"},
        {"SDLK_F8", 289, "function key F8"},
        {"SDLK_F9", 290, "function key F9"},
        {"SDLK_F10", 291, "function key F10"},
        {"SDLK_F11", 292, "function key F11"},
        {"SDLK_F12", 293, "function key F12"},
        {"SDLK_F13", 294, "function key F13"},
        {"SDLK_F14", 295, "function key F14"},
        {"SDLK_F15", 296, "function key F15"},
        {"SDLK_NUMLOCK", 300, "Num Lock key"},
        {"SDLK_CAPSLOCK", 301, "Caps Lock key"},
        {"SDLK_SCROLLOCK", 302, "Scroll Lock key"},
        {"SDLK_RSHIFT", 303, "right Shift"},
        {"SDLK_LSHIFT", 304, "left Shift"},
        {"SDLK_RCTRL", 305, "right Ctrl"},
        {"SDLK_LCTRL", 306, "left Ctrl"},
        {"SDLK_RALT", 307, "right Alt"},
        {"SDLK_LALT", 308, "left Alt"},
        {"SDLK_RMETA", 309, "right Meta"},
        {"SDLK_LMETA", 310, "left Meta"},
        {"SDLK_LSUPER", 311, "left Super (Windows key)"},
        {"SDLK_RSUPER", 312, "right Super (Windows key)"},
        {"SDLK_MODE", 313, "Alt Gr (mode switch) key"},
        {"SDLK_COMPOSE", 314, "Compose key"},
        {"SDLK_HELP", 315, "Help key"},
        {"SDLK_PRINT", 316, "Print Screen key"},
        {"SDLK_SYSREQ", 317, "SysRq key"},
        {"SDLK_BREAK", 318, "Break key"},
        {"SDLK_MENU", 319, "Menu key"},
        {"SDLK_POWER", 320, "Power key"},
        {"SDLK_EURO", 321, "the euro key"},
        {"SDLK_UNDO", 322, "Undo key"},
        },
    },
}
