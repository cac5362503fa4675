---@meta
-- The Brawlgear script API, for the Lua language server (and editors built on it).
-- Generated from src/bindings/Api.lua by tools/api/generate.lua: edit those, not this file.
-- docs/editor.md says how to point an editor at it.

---Runs the stored script `name` (packed from `name.lua`; in `--dev`, the `.lua` itself) in the same interpreter and returns what its chunk returns (`local Hud = loadModule("Scripts/Hud")`); its errors print with their traceback, and it returns nothing.
---@param name string
function loadModule(name) end

---`max(low, min(x, high))`.
---@param x number
---@param low number
---@param high number
---@return number
function clamp(x, low, high) end

---Arc cosine in radians, `x` clamped to [-1, 1] first.
---@param x number
---@return number
function acos(x) end

---Prints the text and a line feed on standard error (cut at 255 characters).
---@param text string
function trace(text) end

---Sleeps the whole program; fractions are cut off, a negative delay does not sleep.
---@param ms number
function delay(ms) end

---Starts drawing the scene mirrored in y = 0 (front faces culled, lights mirrored).
function glBeginMirror() end

---Ends the mirrored drawing and puts everything back (the pair does not nest).
function glEndMirror() end

---Sphere-map environment mapping with this texture on the second texture unit (nothing without multitexturing).
---@param textureId integer
function enableEnvironmentalMapping(textureId) end

---Turns environment mapping off.
function disableEnvironmentalMapping() end

---Waits for the vertical retrace on each swap, where the driver offers swap control.
function enableVSync() end

---Swaps without waiting for the vertical retrace.
function disableVSync() end

---Which colour channels are written; every value but nil and false (0 included) is true.
---@param r boolean
---@param g boolean
---@param b boolean
---@param a boolean
function setColorMask(r, g, b, a) end

---Draws a black quad at y = 0.1, 500 wide, its alpha ramping across it (blend as you need).
function displayShadow() end

---Plays the first audio track of the first disc, or resumes after `stopCD`; true when the CD plays.
---@return boolean
function playCD() end

---Pauses the CD.
function stopCD() end

---The CD line's volume, clamped to [0, 1]; the player's own is put back at exit.
---@param volume number
function setVolumeCD(volume) end

---Plays the next audio track, wrapping round; its number, or -1.
---@return integer
function nextTrackCD() end

---Plays the previous audio track, wrapping round; its number, or -1.
---@return integer
function prevTrackCD() end

---Once the disc has played out, starts it again (true): call it now and then to loop.
---@return boolean
function updateCD() end

---True once `playCD` found a disc with audio tracks (or `CD_VIRTUAL_TRACKS`).
---@return boolean
function CDPresent() end

---Every line of `Engine.cfg`, by name. Reading a name the file does not define is fatal, after an error line naming it.
---@class VarManager
---@overload fun(): VarManager
VarManager = {}

---Answers an object standing for the VarManager singleton.
---@return VarManager
function getVarManager() end

---An object standing for the singleton, as `getVarManager()`.
---@return VarManager
function VarManager:new() end

---The value as a number (0 when it is not one).
---@param name string
---@return number
function VarManager:getNumber(name) end

---The value's text.
---@param name string
---@return string
function VarManager:getString(name) end

---True for "true", false for "false", else whether the number is not 0.
---@param name string
---@return boolean
function VarManager:getBoolean(name) end

---Sets a value (booleans as 1 or 0, numbers with six decimals); control characters are refused.
---@param name string
---@param value string|number|boolean
function VarManager:setVarValue(name, value) end

---Whether `Engine.cfg` defines the name.
---@param name string
---@return boolean
function VarManager:hasVar(name) end

---Defines the name when `Engine.cfg` lacks it (one word), then sets it as `setVarValue` does; a full table (151) is a script error.
---@param name string
---@param value string|number|boolean
function VarManager:addVar(name, value) end

---Writes `Engine.cfg` now (it is also written when the game ends).
---@param self VarManager
VarManager["end"] = function(self) end

---A whole file read through the file system (the archive or the game folder). It has no methods: `TextureManager:loadFromMem` takes it.
---@class File
---@overload fun(name: string, binary?: boolean): File
File = {}

---Reads the file, as text or, with `binary`, as bytes.
---@param name string
---@param binary? boolean Default false.
---@return File
function File:new(name, binary) end

---The file system every engine read goes through: a zip archive or the game folder.
---@class VFS
---@overload fun(): VFS
VFS = {}

---Answers an object standing for the VFS singleton.
---@return VFS
function getVFS() end

---An object standing for the singleton, as `getVFS()`.
---@return VFS
function VFS:new() end

---Reads from this zip archive from now on; true on success.
---@param archive string
---@return boolean
function VFS:open(archive) end

---Back to files on disk; the unzip result code (`UNZ_OK` ...).
---@return integer
function VFS:close() end

---Every name is read as `dir/name` from now on.
---@param dir string
function VFS:setDirectory(dir) end

---The directory, with its trailing `/`.
---@return string
function VFS:getDirectory() end

---Reads a table of decoded sound sizes (a sound name and a byte count a line; the packer writes `Sounds.txt`), as many lines as it has. A sound is then decoded once, into a buffer of the listed size: a smaller entry cuts the sound there (one "stream corrupted" line), a larger one gives way to the sound's own size (no silence is added).
---@param name string
function VFS:loadOggsSize(name) end

---The OpenGL matrix stacks, for drawing of your own between the engine's.
---@class Transform
---@overload fun(): Transform
Transform = {}

---Answers an object standing for the Transform singleton.
---@return Transform
function getTransform() end

---An object standing for the singleton, as `getTransform()`.
---@return Transform
function Transform:new() end

---Which stack the others act on: `GL_MODELVIEW`, `GL_PROJECTION` or `GL_TEXTURE`.
---@param mode integer
function Transform:matrixMode(mode) end

---Replaces the current matrix with the identity.
function Transform:loadIdentity() end

---Saves the current matrix.
function Transform:pushMatrix() end

---Puts back the last saved matrix.
function Transform:popMatrix() end

---Multiplies by a translation.
---@param x number
---@param y number
---@param z number
function Transform:translate(x, y, z) end

---Multiplies by a rotation of `angle` degrees about the axis.
---@param angle number
---@param x number
---@param y number
---@param z number
function Transform:rotate(angle, x, y, z) end

---Multiplies by a scaling.
---@param x number
---@param y number
---@param z number
function Transform:scale(x, y, z) end

---Multiplies by a `Matrix` or by 16 numbers given row by row.
---@param m Matrix
---@overload fun(self: Transform, ...: number)
function Transform:mulMatrix(m) end

---A position in 3D. Arithmetic answers three numbers and leaves the point alone.
---@class Point
---@overload fun(): Point
---@overload fun(p: Point): Point
---@overload fun(x: number, y: number, z: number): Point
Point = {}

---The origin, a copy, or the given point.
---@return Point
---@overload fun(self: Point, p: Point): Point
---@overload fun(self: Point, x: number, y: number, z: number): Point
function Point:new() end

---The x coordinate.
---@return number
function Point:getX() end

---The y coordinate.
---@return number
function Point:getY() end

---The z coordinate.
---@return number
function Point:getZ() end

---The three coordinates.
---@return number x
---@return number y
---@return number z
function Point:get() end

---Sets the x coordinate.
---@param x number
function Point:setX(x) end

---Sets the y coordinate.
---@param y number
function Point:setY(y) end

---Sets the z coordinate.
---@param z number
function Point:setZ(z) end

---Sets all three coordinates.
---@param p Point
---@overload fun(self: Point, x: number, y: number, z: number)
function Point:set(p) end

---The point moved by a vector (one number: added to all three).
---@param v Vector
---@return number x
---@return number y
---@return number z
---@overload fun(self: Point, x: number, y: number, z: number): number, number, number
---@overload fun(self: Point, n: number): number, number, number
function Point:add(v) end

---The point moved back by a vector (one number: taken from all three).
---@param v Vector
---@return number x
---@return number y
---@return number z
---@overload fun(self: Point, x: number, y: number, z: number): number, number, number
---@overload fun(self: Point, n: number): number, number, number
function Point:sub(v) end

---The coordinates multiplied one by one (one number: all three).
---@param v Vector
---@return number x
---@return number y
---@return number z
---@overload fun(self: Point, x: number, y: number, z: number): number, number, number
---@overload fun(self: Point, n: number): number, number, number
function Point:mul(v) end

---The coordinates divided one by one (one number: all three).
---@param v Vector
---@return number x
---@return number y
---@return number z
---@overload fun(self: Point, x: number, y: number, z: number): number, number, number
---@overload fun(self: Point, n: number): number, number, number
function Point:div(v) end

---Draws the point (for debugging).
function Point:display() end

---A direction or displacement in 3D. Arithmetic answers numbers and leaves the vector alone.
---@class Vector
---@overload fun(): Vector
---@overload fun(x: number, y: number, z: number): Vector
---@overload fun(x1: number, y1: number, z1: number, x2: number, y2: number, z2: number): Vector
Vector = {}

---The zero vector, the given one, or the one from the first point to the second.
---@return Vector
---@overload fun(self: Vector, x: number, y: number, z: number): Vector
---@overload fun(self: Vector, x1: number, y1: number, z1: number, x2: number, y2: number, z2: number): Vector
function Vector:new() end

---The x component.
---@return number
function Vector:getX() end

---The y component.
---@return number
function Vector:getY() end

---The z component.
---@return number
function Vector:getZ() end

---The three components.
---@return number x
---@return number y
---@return number z
function Vector:get() end

---Sets the x component.
---@param x number
function Vector:setX(x) end

---Sets the y component.
---@param y number
function Vector:setY(y) end

---Sets the z component.
---@param z number
function Vector:setZ(z) end

---Sets all three components.
---@param v Vector
---@overload fun(self: Vector, x: number, y: number, z: number)
function Vector:set(v) end

---The sum (one number is added to x only).
---@param v Vector
---@return number x
---@return number y
---@return number z
---@overload fun(self: Vector, x: number, y: number, z: number): number, number, number
---@overload fun(self: Vector, n: number): number, number, number
function Vector:add(v) end

---The difference (one number is taken from x only).
---@param v Vector
---@return number x
---@return number y
---@return number z
---@overload fun(self: Vector, x: number, y: number, z: number): number, number, number
---@overload fun(self: Vector, n: number): number, number, number
function Vector:sub(v) end

---The components multiplied one by one (one number scales all three).
---@param v Vector
---@return number x
---@return number y
---@return number z
---@overload fun(self: Vector, x: number, y: number, z: number): number, number, number
---@overload fun(self: Vector, n: number): number, number, number
function Vector:mul(v) end

---The components divided one by one (one number divides all three).
---@param v Vector
---@return number x
---@return number y
---@return number z
---@overload fun(self: Vector, x: number, y: number, z: number): number, number, number
---@overload fun(self: Vector, n: number): number, number, number
function Vector:div(v) end

---The dot product.
---@param v Vector
---@return number
---@overload fun(self: Vector, x: number, y: number, z: number): number
function Vector:dotProduct(v) end

---The cross product (this × v).
---@param v Vector
---@return number x
---@return number y
---@return number z
---@overload fun(self: Vector, x: number, y: number, z: number): number, number, number
function Vector:crossProduct(v) end

---Makes the vector one long (a zero vector stays zero, with a warning).
function Vector:normalize() end

---The length.
---@return number
function Vector:length() end

---Whether the two are exactly equal.
---@param v Vector
---@return boolean
---@overload fun(self: Vector, x: number, y: number, z: number): boolean
function Vector:equal(v) end

---Draws the vector from a point, or from the origin (for debugging).
---@param origin Point
---@overload fun(self: Vector, x: number, y: number, z: number)
---@overload fun(self: Vector)
function Vector:display(origin) end

---A 4 × 4 transformation. The setters write only their own elements: call `identity` first for a pure transform. Angles are in degrees.
---@class Matrix
---@overload fun(): Matrix
---@overload fun(...: number): Matrix
Matrix = {}

---The identity, or 16 numbers given row by row.
---@return Matrix
---@overload fun(self: Matrix, ...: number): Matrix
function Matrix:new() end

---Makes it the identity.
function Matrix:identity() end

---A rotation by three angles about x, y and z, or by an angle about an axis.
---@param angles Vector
---@overload fun(self: Matrix, ax: number, ay: number, az: number)
---@overload fun(self: Matrix, angle: number, axis: Vector)
---@overload fun(self: Matrix, angle: number, x: number, y: number, z: number)
function Matrix:rotation(angles) end

---The inverse of `rotation(angles)`.
---@param angles Vector
---@overload fun(self: Matrix, ax: number, ay: number, az: number)
function Matrix:inverseRotation(angles) end

---Writes a translation.
---@param v Vector
---@overload fun(self: Matrix, x: number, y: number, z: number)
function Matrix:translation(v) end

---Writes the opposite translation.
---@param v Vector
---@overload fun(self: Matrix, x: number, y: number, z: number)
function Matrix:inverseTranslation(v) end

---Writes a scaling.
---@param v Vector
---@overload fun(self: Matrix, x: number, y: number, z: number)
function Matrix:scale(v) end

---Writes the inverse scaling.
---@param v Vector
---@overload fun(self: Matrix, x: number, y: number, z: number)
function Matrix:inverseScale(v) end

---Inverts it (a rotation plus a translation).
function Matrix:inverse() end

---Writes a shear by three angles.
---@param angles Vector
---@overload fun(self: Matrix, x: number, y: number, z: number)
function Matrix:shear(angles) end

---Writes the inverse shear.
---@param angles Vector
---@overload fun(self: Matrix, x: number, y: number, z: number)
function Matrix:inverseShear(angles) end

---A reflection in a plane (four numbers are normalised first).
---@param plane Plane
---@overload fun(self: Matrix, a: number, b: number, c: number, d: number)
function Matrix:mirror(plane) end

---One element; rows and columns count 0 to 3 (others are clamped, with a warning).
---@param row integer
---@param col integer
---@return number
function Matrix:get(row, col) end

---Copies a matrix, or sets one element.
---@param m Matrix
---@overload fun(self: Matrix, row: integer, col: integer, value: number)
function Matrix:set(m) end

---The product with a `Matrix` or 16 numbers row by row: 16 numbers, column by column.
---@param m Matrix
---@return number ...
---@overload fun(self: Matrix, ...: number): number
function Matrix:mulMatrix(m) end

---A direction through the matrix (no translation).
---@param v Vector
---@return number x
---@return number y
---@return number z
---@overload fun(self: Matrix, x: number, y: number, z: number): number, number, number
function Matrix:mulVector(v) end

---A point through the matrix.
---@param p Point
---@return number x
---@return number y
---@return number z
---@overload fun(self: Matrix, x: number, y: number, z: number): number, number, number
function Matrix:mulPoint(p) end

---The plane a·x + b·y + c·z + d = 0, with a point on it.
---@class Plane
---@overload fun(): Plane
---@overload fun(a: number, b: number, c: number, d: number): Plane
Plane = {}

---A plane from its four coefficients.
---@return Plane
---@overload fun(self: Plane, a: number, b: number, c: number, d: number): Plane
function Plane:new() end

---Sets the coefficients.
---@param other Plane
---@overload fun(self: Plane, a: number, b: number, c: number, d: number)
function Plane:set(other) end

---The four coefficients.
---@return number a
---@return number b
---@return number c
---@return number d
function Plane:get() end

---Sets the normal (a, b, c), made one long.
---@param v Vector
---@overload fun(self: Plane, x: number, y: number, z: number)
function Plane:setNormal(v) end

---The normal.
---@return number x
---@return number y
---@return number z
function Plane:getNormal() end

---Sets the point on the plane, and d through it.
---@param p Point
---@overload fun(self: Plane, x: number, y: number, z: number)
function Plane:setPoint(p) end

---The point on the plane.
---@return number x
---@return number y
---@return number z
function Plane:getPoint() end

---Moves the plane (its point, and d with it).
---@param v Vector
---@overload fun(self: Plane, x: number, y: number, z: number)
function Plane:translate(v) end

---Whether the segment p1–p2 crosses the plane; the crossing goes into `out`, or follows the boolean.
---@param p1 Point
---@param p2 Point
---@param out Point
---@return boolean
---@return number x
---@return number y
---@return number z
---@overload fun(self: Plane, x1: number, y1: number, z1: number, x2: number, y2: number, z2: number): boolean, number, number, number
function Plane:getIntersection(p1, p2, out) end

---Which side a point is on: 1 in front, 3 behind, 6 on the plane.
---@param p Point
---@return integer
---@overload fun(self: Plane, x: number, y: number, z: number): integer
function Plane:classify(p) end

---The signed distance of a point.
---@param p Point
---@return number
---@overload fun(self: Plane, x: number, y: number, z: number): number
function Plane:distance(p) end

---Sets the point to -d times the normal (on the plane when the normal is one long).
function Plane:findPoint() end

---Finds d from the normal and the point.
function Plane:findD() end

---Makes the normal one long, dividing d by the same length.
function Plane:normalize() end

---A sphere for culling and collisions: an initial position and radius, and the placed ones.
---@class BoundingSphere
---@overload fun(): BoundingSphere
---@overload fun(centre: Point, radius?: number): BoundingSphere
---@overload fun(x: number, y: number, z: number, radius?: number): BoundingSphere
---@overload fun(initialCentre: Point, initialRadius: number, centre: Point, radius: number): BoundingSphere
---@overload fun(...: number): BoundingSphere
BoundingSphere = {}

---A sphere (both pairs the same), both pairs given, or eight numbers: initial x, y, z, radius, then x, y, z, radius.
---@return BoundingSphere
---@overload fun(self: BoundingSphere, centre: Point, radius?: number): BoundingSphere
---@overload fun(self: BoundingSphere, x: number, y: number, z: number, radius?: number): BoundingSphere
---@overload fun(self: BoundingSphere, initialCentre: Point, initialRadius: number, centre: Point, radius: number): BoundingSphere
---@overload fun(self: BoundingSphere, ...: number): BoundingSphere
function BoundingSphere:new() end

---Eight numbers: the initial x, y, z and radius, then the placed ones.
---@return number ...
function BoundingSphere:get() end

---The initial centre.
---@return number x
---@return number y
---@return number z
function BoundingSphere:getInitialPosition() end

---Sets the initial centre.
---@param p Point
---@overload fun(self: BoundingSphere, x: number, y: number, z: number)
function BoundingSphere:setInitialPosition(p) end

---The initial radius.
---@return number
function BoundingSphere:getInitialRadius() end

---Sets the initial radius.
---@param radius number
function BoundingSphere:setInitialRadius(radius) end

---The placed centre.
---@return number x
---@return number y
---@return number z
function BoundingSphere:getPosition() end

---Sets the placed centre.
---@param p Point
---@overload fun(self: BoundingSphere, x: number, y: number, z: number)
function BoundingSphere:setPosition(p) end

---The placed radius.
---@return number
function BoundingSphere:getRadius() end

---Sets the placed radius.
---@param radius number
function BoundingSphere:setRadius(radius) end

---The smallest sphere holding both (the other as a sphere or eight numbers).
---@param other BoundingSphere
---@return number x
---@return number y
---@return number z
---@return number radius
---@overload fun(self: BoundingSphere, ...: number): number, number, number, number
function BoundingSphere:add(other) end

---Whether the ray from `origin` through `through` meets the sphere, and where it first does.
---@param origin Point
---@param through Point
---@return boolean
---@return number x
---@return number y
---@return number z
---@overload fun(self: BoundingSphere, x1: number, y1: number, z1: number, x2: number, y2: number, z2: number): boolean, number, number, number
function BoundingSphere:rayIntersect(origin, through) end

---Whether the two spheres overlap.
---@param other BoundingSphere
---@return boolean
---@overload fun(self: BoundingSphere, ...: number): boolean
function BoundingSphere:sphereIntersect(other) end

---Parts two overlapping spheres along the line of centres, `other` taking share k of the push; whether they overlapped, then the other's eight numbers.
---@param k number
---@param other BoundingSphere
---@return boolean
---@return number ...
---@overload fun(self: BoundingSphere, k: number, ...: number): boolean, number
function BoundingSphere:collisionResponse(k, other) end

---Places the sphere with the current model-view matrix.
function BoundingSphere:applyTransformations() end

---Draws the sphere (for debugging).
function BoundingSphere:display() end

---Where the scene is seen from. Call `normalize()` after changing it and `lookAt()` each frame before drawing.
---@class Camera
---@overload fun(): Camera
Camera = {}

---Answers an object standing for the Camera singleton.
---@return Camera
function getCamera() end

---An object standing for the singleton, as `getCamera()`.
---@return Camera
function Camera:new() end

---Moves the eye; the look direction follows (centre - eye).
---@param p Point
---@overload fun(self: Camera, x: number, y: number, z: number)
function Camera:setEye(p) end

---The eye.
---@return number x
---@return number y
---@return number z
function Camera:getEye() end

---The point looked at; the look direction follows.
---@param p Point
---@overload fun(self: Camera, x: number, y: number, z: number)
function Camera:setCenter(p) end

---The point looked at.
---@return number x
---@return number y
---@return number z
function Camera:getCenter() end

---The look direction; the centre becomes eye + look.
---@param v Vector
---@overload fun(self: Camera, x: number, y: number, z: number)
function Camera:setLook(v) end

---The look direction.
---@return number x
---@return number y
---@return number z
function Camera:getLook() end

---The up direction.
---@param v Vector
---@overload fun(self: Camera, x: number, y: number, z: number)
function Camera:setUp(v) end

---The up direction.
---@return number x
---@return number y
---@return number z
function Camera:getUp() end

---The right direction (set by `normalize`).
---@return number x
---@return number y
---@return number z
function Camera:getRight() end

---Makes look, up and right one long and square to each other; up must not be parallel to look (fatal).
function Camera:normalize() end

---Applies the view to the model-view matrix and updates the frustum the meshes are culled against.
function Camera:lookAt() end

---Where sounds are heard from. The setters only store: `normalize()` sends them to OpenAL.
---@class Listener
---@overload fun(): Listener
Listener = {}

---Answers an object standing for the Listener singleton.
---@return Listener
function getListener() end

---An object standing for the singleton, as `getListener()`.
---@return Listener
function Listener:new() end

---Moves the ear; the listening direction follows (centre - ear).
---@param p Point
---@overload fun(self: Listener, x: number, y: number, z: number)
function Listener:setEar(p) end

---The ear.
---@return number x
---@return number y
---@return number z
function Listener:getEar() end

---The point listened towards; the direction follows.
---@param p Point
---@overload fun(self: Listener, x: number, y: number, z: number)
function Listener:setCenter(p) end

---The point listened towards.
---@return number x
---@return number y
---@return number z
function Listener:getCenter() end

---The listening direction; the centre becomes ear + direction.
---@param v Vector
---@overload fun(self: Listener, x: number, y: number, z: number)
function Listener:setListen(v) end

---The listening direction.
---@return number x
---@return number y
---@return number z
function Listener:getListen() end

---The up direction.
---@param v Vector
---@overload fun(self: Listener, x: number, y: number, z: number)
function Listener:setUp(v) end

---The up direction.
---@return number x
---@return number y
---@return number z
function Listener:getUp() end

---The listener's velocity (for the Doppler effect).
---@param v Vector
---@overload fun(self: Listener, x: number, y: number, z: number)
function Listener:setVelocity(v) end

---The velocity.
---@return number x
---@return number y
---@return number z
function Listener:getVelocity() end

---Squares up and listening direction and sends all of it to OpenAL; up must not be parallel to the direction (fatal).
function Listener:normalize() end

---The window, the frame and the tracked render state (every `set` saves the old value; `restore` puts it back).
---@class Scene
---@overload fun(): Scene
Scene = {}

---Answers an object standing for the Scene singleton.
---@return Scene
function getScene() end

---An object standing for the singleton, as `getScene()`.
---@return Scene
function Scene:new() end

---Ends a frame's timing: waits out the frame cap, measures the frame and reads input.
function Scene:update() end

---Clears the colour and depth buffers.
function Scene:clearBuffers() end

---Swaps the buffers (shows the frame).
function Scene:display() end

---The last frame's statistics: `drawCalls`, `vertices`, `triangles`, `textureBinds`, `stateChanges` (render-state changes sent to OpenGL) and `stateChangesSkipped` (asked for but already in place); what is loaded: `textures`, `textureBytes`, `sounds`, `soundBytes`, `playingSources`; and frame times in milliseconds: `frameTime` (the last frame), `frameTimeAverage`, `frameTimeMin`, `frameTimeMax` (over the last second).
---@return table
function Scene:getStats() end

---The clear colour (at start, the fog colour of `Engine.cfg`).
---@param color Color
---@overload fun(self: Scene, r: number, g: number, b: number, a: number)
function Scene:setBackgroundColor(color) end

---Into the 2D overlay: `GL_ORTHO_RESOLUTION_X` × `_Y` units, no depth test, lighting or fog.
function Scene:glBegin2D() end

---Back out of the 2D overlay.
function Scene:glEnd2D() end

---Turns a capability (`GL_BLEND`, `GL_LIGHTING`, ...) on or off, saving the old value.
---@param cap integer
---@param on boolean
function Scene:set(cap, on) end

---Puts back the capability's value before the last `set`.
---@param cap integer
function Scene:restore(cap) end

---Whether the capability is on.
---@param cap integer
---@return boolean
function Scene:isEnabled(cap) end

---The blend function (`GL_SRC_ALPHA`, `GL_ONE_MINUS_SRC_ALPHA`, ...), saving the old one.
---@param source integer
---@param destination integer
function Scene:setBlendFunc(source, destination) end

---Puts back the blend function before the last `setBlendFunc`.
function Scene:restoreBlendFunc() end

---Whether depth is written, saving the old value.
---@param on boolean
function Scene:setDepthMask(on) end

---Puts back the depth mask before the last `setDepthMask`.
function Scene:restoreDepthMask() end

---`GL_FLAT` or `GL_SMOOTH`, saving the old one.
---@param mode integer
function Scene:setShadeModel(mode) end

---Puts back the shade model before the last `setShadeModel`.
function Scene:restoreShadeModel() end

---Whether the driver offers a second texture unit.
---@return boolean
function Scene:hasMultiTexture() end

---Prints the message (unless empty), then the pending SDL, else OpenGL, else OpenAL errors; true when there were some.
---@param message string
---@return boolean
function Scene:error(message) end

---Prints the message (unless empty), then the pending OpenGL errors; true when there were some.
---@param message string
---@return boolean
function Scene:errorGL(message) end

---Prints the message (unless empty), then the pending OpenAL errors; true when there were some.
---@param message string
---@return boolean
function Scene:errorAL(message) end

---Prints the message (unless empty), then a pending SDL error; true when there was one.
---@param message string
---@return boolean
function Scene:errorSDL(message) end

---Closes the window (drawing does nothing until `restartSDL`).
function Scene:endSDL() end

---Opens the window again with the render state, background and textures it had.
function Scene:restartSDL() end

---Closes the audio device.
function Scene:endAL() end

---Opens the audio device again.
function Scene:restartAL() end

---Frame timing. Frames are capped at the display's refresh rate (62.5 a second at 60 Hz or less).
---@class Time
---@overload fun(): Time
Time = {}

---Answers an object standing for the Time singleton.
---@return Time
function getTime() end

---An object standing for the singleton, as `getTime()`.
---@return Time
function Time:new() end

---The last frame's length in seconds: multiply speeds by it.
---@return number
function Time:getDt() end

---The lowest frame rate since `restart`.
---@return integer
function Time:getFPSMin() end

---The mean frame rate since `restart`.
---@return integer
function Time:getFPSMid() end

---The highest frame rate since `restart`.
---@return integer
function Time:getFPSMax() end

---Starts measuring afresh (after loading, say).
function Time:restart() end

---Waits out the frame cap and measures (`Scene:update` does this).
function Time:update() end

---Keyboard and mouse, read by `Scene:update()`. The system cursor is held in the window's centre.
---@class EventManager
---@overload fun(): EventManager
EventManager = {}

---Answers an object standing for the EventManager singleton.
---@return EventManager
function getEventManager() end

---An object standing for the singleton, as `getEventManager()`.
---@return EventManager
function EventManager:new() end

---Whether a key (`SDLK_...`) is held down.
---@param key integer
---@return boolean
function EventManager:isKeyPressed(key) end

---Whether the left button is held down.
---@return boolean
function EventManager:leftDown() end

---Whether the right button is held down.
---@return boolean
function EventManager:rightDown() end

---True for the one update after the left button was released.
---@return boolean
function EventManager:leftClick() end

---True for the one update after the right button was released.
---@return boolean
function EventManager:rightClick() end

---This frame's mouse motion times the mouse speed, y upwards.
---@return integer dx
---@return integer dy
function EventManager:getMouseDeltaS() end

---A pointer position kept on the screen.
---@return integer x
---@return integer y
function EventManager:getMousePosition() end

---The mouse speed.
---@return number
function EventManager:getMouseSpeed() end

---Sets the mouse speed (one that is not a finite number moves nothing).
---@param speed number
function EventManager:setMouseSpeed(speed) end

---The window's size in pixels.
---@return integer width
---@return integer height
function EventManager:getScreenSize() end

---Centres the pointer and forgets the buttons, clicks and motion.
function EventManager:reset() end

---Reads input (`Scene:update` does this).
function EventManager:update() end

---An RGBA colour; each component is limited to at most 1 (there is no lower limit). Hue is in degrees, saturation and brightness in percent.
---@class Color
---@overload fun(): Color
---@overload fun(r: number, g: number, b: number, a: number): Color
Color = {}

---White, or the given colour.
---@return Color
---@overload fun(self: Color, r: number, g: number, b: number, a: number): Color
function Color:new() end

---Sets all four components.
---@param color Color
---@overload fun(self: Color, r: number, g: number, b: number, a: number)
function Color:set(color) end

---The four components.
---@return number r
---@return number g
---@return number b
---@return number a
function Color:get() end

---Sets red.
---@param r number
function Color:setR(r) end

---Sets green.
---@param g number
function Color:setG(g) end

---Sets blue.
---@param b number
function Color:setB(b) end

---Sets alpha.
---@param a number
function Color:setA(a) end

---Red.
---@return number
function Color:getR() end

---Green.
---@return number
function Color:getG() end

---Blue.
---@return number
function Color:getB() end

---Alpha.
---@return number
function Color:getA() end

---Sets the hue, keeping saturation and brightness.
---@param hue number
function Color:setH(hue) end

---Sets the saturation, keeping hue and brightness.
---@param saturation number
function Color:setS(saturation) end

---Sets the brightness, keeping hue and saturation.
---@param brightness number
function Color:setBr(brightness) end

---Sets the colour from hue, saturation, brightness and alpha (a `Color` is copied).
---@param color Color
---@overload fun(self: Color, hue: number, saturation: number, brightness: number, alpha: number)
function Color:setHSBA(color) end

---The hue (0 for a grey).
---@return number
function Color:getH() end

---The saturation.
---@return number
function Color:getS() end

---The brightness.
---@return number
function Color:getBr() end

---Hue, saturation, brightness and alpha.
---@return number hue
---@return number saturation
---@return number brightness
---@return number alpha
function Color:getHSBA() end

---The four components times s (the colour is left alone).
---@param s number
---@return number r
---@return number g
---@return number b
---@return number a
function Color:mul(s) end

---The grey of the same luminance (the colour is left alone).
---@return number r
---@return number g
---@return number b
---@return number a
function Color:monocrome() end

---Makes it the colour of what is drawn unlit.
function Color:use() end

---How a lit surface reflects: ambient, diffuse, specular and emission colours (r, g, b, a each) and shininess, 17 numbers in that order.
---@class Material
---@overload fun(): Material
---@overload fun(...: number): Material
Material = {}

---OpenGL's default material, or 17 numbers.
---@return Material
---@overload fun(self: Material, ...: number): Material
function Material:new() end

---Sets all 17 numbers.
---@param ... number
function Material:set(...) end

---The 17 numbers.
---@return number ...
function Material:get() end

---The ambient colour.
---@param r number
---@param g number
---@param b number
---@param a number
function Material:setAmbient(r, g, b, a) end

---The diffuse colour.
---@param r number
---@param g number
---@param b number
---@param a number
function Material:setDiffuse(r, g, b, a) end

---The specular colour.
---@param r number
---@param g number
---@param b number
---@param a number
function Material:setSpecular(r, g, b, a) end

---The emitted colour.
---@param r number
---@param g number
---@param b number
---@param a number
function Material:setEmission(r, g, b, a) end

---The ambient colour.
---@return number r
---@return number g
---@return number b
---@return number a
function Material:getAmbient() end

---The diffuse colour.
---@return number r
---@return number g
---@return number b
---@return number a
function Material:getDiffuse() end

---The specular colour.
---@return number r
---@return number g
---@return number b
---@return number a
function Material:getSpecular() end

---The emitted colour.
---@return number r
---@return number g
---@return number b
---@return number a
function Material:getEmission() end

---The specular exponent (OpenGL takes 0 to 128).
---@param s number
function Material:setShininess(s) end

---The specular exponent.
---@return number
function Material:getShininess() end

---Sets every colour's alpha.
---@param a number
function Material:setOpacity(a) end

---The alpha (of the ambient colour).
---@return number
function Material:getOpacity() end

---The sum as 17 numbers: colours limited to 1, shininess to 128.
---@param other Material
---@return number ...
function Material:add(other) end

---The product as 17 numbers, shininess limited to 128.
---@param other Material
---@return number ...
function Material:mul(other) end

---Sends the material to OpenGL for the front faces.
function Material:use() end

---Eight OpenGL lights by id. An enabled infinite light is on at once; an enabled point light is switched on for each mesh it reaches. Ids that name no light are ignored.
---@class LightManager
---@overload fun(): LightManager
LightManager = {}

---Answers an object standing for the LightManager singleton.
---@return LightManager
function getLightManager() end

---An object standing for the singleton, as `getLightManager()`.
---@return LightManager
function LightManager:new() end

---A new light (off, infinite): its id, the lowest free one, or -1 when all eight are taken.
---@return integer
function LightManager:addLight() end

---Removes the light.
---@param id integer
function LightManager:removeLight(id) end

---Switches the light on.
---@param id integer
function LightManager:enable(id) end

---Switches the light off.
---@param id integer
function LightManager:disable(id) end

---The light's position (a direction for an infinite light), in the coordinates in force when called.
---@param id integer
---@param p Point
---@overload fun(self: LightManager, id: integer, x: number, y: number, z: number)
function LightManager:setPosition(id, p) end

---A point light's reach; its attenuation is falloff / radius³.
---@param id integer
---@param radius number
---@param falloff? number Default 10.
function LightManager:setRadius(id, radius, falloff) end

---Whether it is a directional light (true) or a point light.
---@param id integer
---@param on boolean
function LightManager:setInfinite(id, on) end

---The ambient colour.
---@param id integer
---@param r number
---@param g number
---@param b number
---@param a number
function LightManager:setAmbient(id, r, g, b, a) end

---The diffuse colour.
---@param id integer
---@param r number
---@param g number
---@param b number
---@param a number
function LightManager:setDiffuse(id, r, g, b, a) end

---The specular colour.
---@param id integer
---@param r number
---@param g number
---@param b number
---@param a number
function LightManager:setSpecular(id, r, g, b, a) end

---The position (0, 0, 0 for an unknown id).
---@param id integer
---@return number x
---@return number y
---@return number z
function LightManager:getPosition(id) end

---The radius (1 for an unknown id).
---@param id integer
---@return number
function LightManager:getRadius(id) end

---Whether it is directional (true for an unknown id).
---@param id integer
---@return boolean
function LightManager:getInfinite(id) end

---Moves every light's position through a `Matrix` or 16 numbers row by row.
---@param m Matrix
---@overload fun(self: LightManager, ...: number)
function LightManager:transform(m) end

---Sends every light to OpenGL again (the engine does this for a new window).
function LightManager:restart() end

---Textures by id, loaded once per name; powers of two up to 512 × 512 (PNG, BMP, TGA, JPEG, GIF; another size is fatal). At most 131. Each belongs to the groups it was loaded in.
---@class TextureManager
---@overload fun(): TextureManager
TextureManager = {}

---Answers an object standing for the TextureManager singleton.
---@return TextureManager
function getTextureManager() end

---An object standing for the singleton, as `getTextureManager()`.
---@return TextureManager
function TextureManager:new() end

---Loads a texture file into the current group: its id, or -1 on failure.
---@param name string
---@param mipmaps? boolean Default true.
---@param replaceId? integer Default -1.
---@return integer
function TextureManager:load(name, mipmaps, replaceId) end

---Loads a texture from a `File` read as binary: its id, or -1.
---@param file File
---@param mipmaps? boolean Default true.
---@param replaceId? integer Default -1.
---@return integer
function TextureManager:loadFromMem(file, mipmaps, replaceId) end

---Binds the texture (an unknown id binds none).
---@param id integer
function TextureManager:bind(id) end

---Takes the texture out of the current group (deleted once in no group).
---@param id integer
function TextureManager:removeId(id) end

---Takes every texture out of a group.
---@param group integer
function TextureManager:free(group) end

---The group the next loads go into (`PERMANENT_TEXTURES`, `TEMPORARY_TEXTURES`, ...).
---@param group integer
function TextureManager:setCurrentGroup(group) end

---The current group.
---@return integer
function TextureManager:getCurrentGroup() end

---Deletes the OpenGL textures, keeping their entries.
---@param self TextureManager
TextureManager["end"] = function(self) end

---Loads every texture again under the same ids (the engine does this for a new window).
function TextureManager:restart() end

---Bitmap fonts (made with `brawlgear-font`), eleven at most. Text is textured: it shows while `GL_TEXTURE_2D` is on (else each glyph is a solid box). Text is drawn with its glyph tops at y; inside `Scene:glBegin2D()` a unit is an overlay pixel.
---@class FontManager
---@overload fun(): FontManager
FontManager = {}

---Answers an object standing for the FontManager singleton.
---@return FontManager
function getFontManager() end

---An object standing for the singleton, as `getFontManager()`.
---@return FontManager
function FontManager:new() end

---Loads a font file (read once per name): its id, or -1.
---@param file string
---@return integer
function FontManager:load(file) end

---The font the others use.
---@param id integer
function FontManager:setCurrentFontId(id) end

---Scales the text drawn and measured.
---@param scale number
function FontManager:setScale(scale) end

---The scale.
---@return number
function FontManager:getScale() end

---The width of the text.
---@param text string
---@return integer
function FontManager:getStringWidth(text) end

---The height of a line (the text changes nothing).
---@param text string
---@return integer
function FontManager:getStringHeight(text) end

---Width and height.
---@param text string
---@return integer width
---@return integer height
function FontManager:getStringSize(text) end

---Draws the text, x to the right and y up.
---@param x integer
---@param y integer
---@param text string
---@param color Color
---@overload fun(self: FontManager, x: integer, y: integer, text: string, r: number, g: number, b: number, a: number)
function FontManager:print(x, y, text, color) end

---A textured square that faces the camera: particles, lamps, sprites. The 3D forms are culled and take world coordinates.
---@class Billboard
---@overload fun(color: Color, textureId: integer, width: number, height: number): Billboard
---@overload fun(r: number, g: number, b: number, a: number, textureId: integer, width: number, height: number): Billboard
Billboard = {}

---A billboard of a colour, a texture (-1 for none) and a size.
---@param color Color
---@param textureId integer
---@param width number
---@param height number
---@return Billboard
---@overload fun(self: Billboard, r: number, g: number, b: number, a: number, textureId: integer, width: number, height: number): Billboard
function Billboard:new(color, textureId, width, height) end

---Turns depth writes and lighting off before a batch of billboards.
function Billboard:beginDisplay() end

---Turns them back as they were.
function Billboard:endDisplay() end

---Binds the billboard's texture.
function Billboard:bindTexture() end

---Draws it centred on a point, facing the camera (with an axis: turning only about it).
---@param p Point
---@overload fun(self: Billboard, x: number, y: number, z: number)
---@overload fun(self: Billboard, p: Point, axis: Vector)
---@overload fun(self: Billboard, x: number, y: number, z: number, ax: number, ay: number, az: number)
function Billboard:display(p) end

---Draws it in the x-y plane, never culled (for the 2D overlay).
---@param p Point
---@overload fun(self: Billboard, x: number, y: number, z: number)
function Billboard:display2D(p) end

---The colour.
---@param color Color
---@overload fun(self: Billboard, r: number, g: number, b: number, a: number)
function Billboard:setColor(color) end

---The colour.
---@return number r
---@return number g
---@return number b
---@return number a
function Billboard:getColor() end

---The texture.
---@param id integer
function Billboard:setTextureId(id) end

---The texture.
---@return integer
function Billboard:getTextureId() end

---The size.
---@param width number
---@param height number
function Billboard:setDimension(width, height) end

---The size.
---@return number width
---@return number height
function Billboard:getDimension() end

---Ogg Vorbis sounds (mono or stereo), at most 41, and the sources that play them. Ids that name nothing are ignored; getters then answer -1, 0, false or 0, 0, 0.
---@class SoundManager
---@overload fun(): SoundManager
SoundManager = {}

---Answers an object standing for the SoundManager singleton.
---@return SoundManager
function getSoundManager() end

---An object standing for the singleton, as `getSoundManager()`.
---@return SoundManager
function SoundManager:new() end

---Loads a sound (decoded once per name): its id, or -1.
---@param file string
---@return integer
function SoundManager:load(file) end

---A stopped source playing the sound: its id (never reused), or -1 when all are taken.
---@param soundId integer
---@param autoRemove? boolean Default false.
---@return integer
function SoundManager:addSource(soundId, autoRemove) end

---Removes the source.
---@param sourceId integer
function SoundManager:removeSource(sourceId) end

---Plays the source from its start (or where it was paused).
---@param sourceId integer
function SoundManager:play(sourceId) end

---Stops the source.
---@param sourceId integer
function SoundManager:stop(sourceId) end

---Pauses one source, or every one.
---@param sourceId integer
---@overload fun(self: SoundManager)
function SoundManager:pause(sourceId) end

---Resumes every paused source.
function SoundManager:resume() end

---Removes the auto-remove sources that have stopped playing.
function SoundManager:update() end

---The sound a source plays.
---@param sourceId integer
---@param soundId integer
function SoundManager:setSoundId(sourceId, soundId) end

---The sound a source plays.
---@param sourceId integer
---@return integer
function SoundManager:getSoundId(sourceId) end

---The source's volume (never below 0).
---@param sourceId integer
---@param gain number
function SoundManager:setGain(sourceId, gain) end

---The volume.
---@param sourceId integer
---@return number
function SoundManager:getGain(sourceId) end

---How far the sound carries (reference distance radius / 10).
---@param sourceId integer
---@param radius number
function SoundManager:setRadius(sourceId, radius) end

---How far the sound carries.
---@param sourceId integer
---@return number
function SoundManager:getRadius(sourceId) end

---Whether it plays again and again.
---@param sourceId integer
---@param on boolean
function SoundManager:setLooping(sourceId, on) end

---Whether it loops.
---@param sourceId integer
---@return boolean
function SoundManager:getLooping(sourceId) end

---Whether its position is relative to the listener.
---@param sourceId integer
---@param on boolean
function SoundManager:setRelative(sourceId, on) end

---Whether its position is relative.
---@param sourceId integer
---@return boolean
function SoundManager:getRelative(sourceId) end

---Where the sound is.
---@param sourceId integer
---@param p Point
---@overload fun(self: SoundManager, sourceId: integer, x: number, y: number, z: number)
function SoundManager:setPosition(sourceId, p) end

---Where the sound is.
---@param sourceId integer
---@return number x
---@return number y
---@return number z
function SoundManager:getPosition(sourceId) end

---How fast it moves (for the Doppler effect).
---@param sourceId integer
---@param v Vector
---@overload fun(self: SoundManager, sourceId: integer, x: number, y: number, z: number)
function SoundManager:setVelocity(sourceId, v) end

---How fast it moves.
---@param sourceId integer
---@return number x
---@return number y
---@return number z
function SoundManager:getVelocity(sourceId) end

---Whether the source is playing.
---@param sourceId integer
---@return boolean
function SoundManager:isPlaying(sourceId) end

---Stops every source and deletes the OpenAL sources and buffers, keeping their entries (before `Scene:endAL`).
---@param self SoundManager
SoundManager["end"] = function(self) end

---Loads every sound again and brings the sources back under the same ids (the engine does this for a new audio device).
function SoundManager:restart() end

---A flat rectangle in the x-y plane, facing +z: a grid of vertices drawn as triangle strips with one texture and one `Material`. Slices and stacks are powers of two.
---@class Quad
---@overload fun(textureId: integer, material: Material, width?: number, height?: number, slices?: integer, stacks?: integer): Quad
Quad = {}

---A quad of the given size and grid.
---@param textureId integer
---@param material Material
---@param width? number Default 1.
---@param height? number Default 1.
---@param slices? integer Default 32.
---@param stacks? integer Default 32.
---@return Quad
function Quad:new(textureId, material, width, height, slices, stacks) end

---Draws the mesh: lit by the lights in range, textured while `GL_TEXTURE_2D` is on, culled against the camera unless `cull` is false.
---@param cull? boolean Default true.
function Quad:display(cull) end

---The camera's verdict on the bounding sphere, and its distance measure.
---@return boolean visible
---@return number distance
function Quad:isVisible() end

---Moves the vertices.
---@param v Vector
---@overload fun(self: Quad, x: number, y: number, z: number)
function Quad:translate(v) end

---Moves the mesh so that its centre is at the point.
---@param p Point
---@overload fun(self: Quad, x: number, y: number, z: number)
function Quad:setPosition(p) end

---The centre (of the bounding sphere).
---@return number x
---@return number y
---@return number z
function Quad:getPosition() end

---Turns the vertices about the origin: three angles about x, y and z, or an angle about an axis.
---@param angles Vector
---@overload fun(self: Quad, ax: number, ay: number, az: number)
---@overload fun(self: Quad, angle: number, axis: Vector)
---@overload fun(self: Quad, angle: number, x: number, y: number, z: number)
function Quad:rotate(angles) end

---Scales the vertices about the origin.
---@param v Vector
---@overload fun(self: Quad, x: number, y: number, z: number)
function Quad:scale(v) end

---Shears the vertices about the origin.
---@param angles Vector
---@overload fun(self: Quad, x: number, y: number, z: number)
function Quad:shear(angles) end

---As `rotate`, about the mesh's own centre.
---@param angles Vector
---@overload fun(self: Quad, ax: number, ay: number, az: number)
---@overload fun(self: Quad, angle: number, axis: Vector)
---@overload fun(self: Quad, angle: number, x: number, y: number, z: number)
function Quad:selfRotate(angles) end

---Scales about the mesh's own centre.
---@param v Vector
---@overload fun(self: Quad, x: number, y: number, z: number)
function Quad:selfScale(v) end

---Shears about the mesh's own centre.
---@param angles Vector
---@overload fun(self: Quad, x: number, y: number, z: number)
function Quad:selfShear(angles) end

---The vertices through a `Matrix` (or 16 numbers row by row, then the mode): normal mode 0 positions only, 1 normals too, 2 normals renormalised.
---@param m Matrix
---@param normalMode integer
---@overload fun(self: Quad, ...: number)
function Quad:transform(m, normalMode) end

---Whether the level of detail follows the distance to the camera.
---@param on boolean
function Quad:setLODEnabled(on) end

---Whether the level of detail follows the distance.
---@return boolean
function Quad:isLODEnabled() end

---The detail used while LOD by distance is off, 0 to 1 (1 is full detail).
---@param level number
function Quad:setLODLevel(level) end

---The detail level.
---@return number
function Quad:getLODLevel() end

---The distance of the first step down in detail.
---@param length number
function Quad:setLevelLength(length) end

---The distance of the first step down.
---@return number
function Quad:getLevelLength() end

---The texture (-1 for none).
---@param id integer
function Quad:setTextureId(id) end

---The texture.
---@return integer
function Quad:getTextureId() end

---The material, as 17 numbers (`material:get()` gives them).
---@param ... number
function Quad:setMaterial(...) end

---The material's 17 numbers.
---@return number ...
function Quad:getMaterial() end

---Which seams get smooth normals: 1 where rows close, 2 where columns close, 3 both, 0 none.
---@param flag integer
function Quad:setNormalFlag(flag) end

---The seam flag.
---@return integer
function Quad:getNormalFlag() end

---Turns every normal round (with `setCounterclockwise`, to see a shape from inside).
function Quad:invertNormals() end

---Which winding faces front.
---@param on boolean
function Quad:setCounterclockwise(on) end

---Which winding faces front.
---@return boolean
function Quad:getCounterclockwise() end

---A copy of the mesh's bounding sphere.
---@return BoundingSphere
function Quad:getBoundingSphere() end

---The four sides of a box round the y axis (no lid or bottom), as a grid drawn in triangle strips.
---@class Cube
---@overload fun(textureId: integer, material: Material, width?: number, height?: number, depth?: number, slices?: integer, stacks?: integer): Cube
Cube = {}

---A box of the given size and grid.
---@param textureId integer
---@param material Material
---@param width? number Default 3.
---@param height? number Default 3.
---@param depth? number Default 3.
---@param slices? integer Default 32.
---@param stacks? integer Default 32.
---@return Cube
function Cube:new(textureId, material, width, height, depth, slices, stacks) end

---Draws the mesh: lit by the lights in range, textured while `GL_TEXTURE_2D` is on, culled against the camera unless `cull` is false.
---@param cull? boolean Default true.
function Cube:display(cull) end

---The camera's verdict on the bounding sphere, and its distance measure.
---@return boolean visible
---@return number distance
function Cube:isVisible() end

---Moves the vertices.
---@param v Vector
---@overload fun(self: Cube, x: number, y: number, z: number)
function Cube:translate(v) end

---Moves the mesh so that its centre is at the point.
---@param p Point
---@overload fun(self: Cube, x: number, y: number, z: number)
function Cube:setPosition(p) end

---The centre (of the bounding sphere).
---@return number x
---@return number y
---@return number z
function Cube:getPosition() end

---Turns the vertices about the origin: three angles about x, y and z, or an angle about an axis.
---@param angles Vector
---@overload fun(self: Cube, ax: number, ay: number, az: number)
---@overload fun(self: Cube, angle: number, axis: Vector)
---@overload fun(self: Cube, angle: number, x: number, y: number, z: number)
function Cube:rotate(angles) end

---Scales the vertices about the origin.
---@param v Vector
---@overload fun(self: Cube, x: number, y: number, z: number)
function Cube:scale(v) end

---Shears the vertices about the origin.
---@param angles Vector
---@overload fun(self: Cube, x: number, y: number, z: number)
function Cube:shear(angles) end

---As `rotate`, about the mesh's own centre.
---@param angles Vector
---@overload fun(self: Cube, ax: number, ay: number, az: number)
---@overload fun(self: Cube, angle: number, axis: Vector)
---@overload fun(self: Cube, angle: number, x: number, y: number, z: number)
function Cube:selfRotate(angles) end

---Scales about the mesh's own centre.
---@param v Vector
---@overload fun(self: Cube, x: number, y: number, z: number)
function Cube:selfScale(v) end

---Shears about the mesh's own centre.
---@param angles Vector
---@overload fun(self: Cube, x: number, y: number, z: number)
function Cube:selfShear(angles) end

---The vertices through a `Matrix` (or 16 numbers row by row, then the mode): normal mode 0 positions only, 1 normals too, 2 normals renormalised.
---@param m Matrix
---@param normalMode integer
---@overload fun(self: Cube, ...: number)
function Cube:transform(m, normalMode) end

---Whether the level of detail follows the distance to the camera.
---@param on boolean
function Cube:setLODEnabled(on) end

---Whether the level of detail follows the distance.
---@return boolean
function Cube:isLODEnabled() end

---The detail used while LOD by distance is off, 0 to 1 (1 is full detail).
---@param level number
function Cube:setLODLevel(level) end

---The detail level.
---@return number
function Cube:getLODLevel() end

---The distance of the first step down in detail.
---@param length number
function Cube:setLevelLength(length) end

---The distance of the first step down.
---@return number
function Cube:getLevelLength() end

---The texture (-1 for none).
---@param id integer
function Cube:setTextureId(id) end

---The texture.
---@return integer
function Cube:getTextureId() end

---The material, as 17 numbers (`material:get()` gives them).
---@param ... number
function Cube:setMaterial(...) end

---The material's 17 numbers.
---@return number ...
function Cube:getMaterial() end

---Which seams get smooth normals: 1 where rows close, 2 where columns close, 3 both, 0 none.
---@param flag integer
function Cube:setNormalFlag(flag) end

---The seam flag.
---@return integer
function Cube:getNormalFlag() end

---Turns every normal round (with `setCounterclockwise`, to see a shape from inside).
function Cube:invertNormals() end

---Which winding faces front.
---@param on boolean
function Cube:setCounterclockwise(on) end

---Which winding faces front.
---@return boolean
function Cube:getCounterclockwise() end

---A copy of the mesh's bounding sphere.
---@return BoundingSphere
function Cube:getBoundingSphere() end

---A box with rounded edges; with every size twice the radius, a sphere. The angles cut it (a horizontal angle of 180 is half of it).
---@class RoundedCube
---@overload fun(textureId: integer, material: Material, width?: number, height?: number, depth?: number, radius?: number, horizontalAngle?: number, verticalAngle?: number, slices?: integer, stacks?: integer): RoundedCube
RoundedCube = {}

---A rounded box of the given size, edge radius, angles and grid.
---@param textureId integer
---@param material Material
---@param width? number Default 3.
---@param height? number Default 3.
---@param depth? number Default 3.
---@param radius? number Default 1.
---@param horizontalAngle? number Default 360.
---@param verticalAngle? number Default 180.
---@param slices? integer Default 32.
---@param stacks? integer Default 32.
---@return RoundedCube
function RoundedCube:new(textureId, material, width, height, depth, radius, horizontalAngle, verticalAngle, slices, stacks) end

---Draws the mesh: lit by the lights in range, textured while `GL_TEXTURE_2D` is on, culled against the camera unless `cull` is false.
---@param cull? boolean Default true.
function RoundedCube:display(cull) end

---The camera's verdict on the bounding sphere, and its distance measure.
---@return boolean visible
---@return number distance
function RoundedCube:isVisible() end

---Moves the vertices.
---@param v Vector
---@overload fun(self: RoundedCube, x: number, y: number, z: number)
function RoundedCube:translate(v) end

---Moves the mesh so that its centre is at the point.
---@param p Point
---@overload fun(self: RoundedCube, x: number, y: number, z: number)
function RoundedCube:setPosition(p) end

---The centre (of the bounding sphere).
---@return number x
---@return number y
---@return number z
function RoundedCube:getPosition() end

---Turns the vertices about the origin: three angles about x, y and z, or an angle about an axis.
---@param angles Vector
---@overload fun(self: RoundedCube, ax: number, ay: number, az: number)
---@overload fun(self: RoundedCube, angle: number, axis: Vector)
---@overload fun(self: RoundedCube, angle: number, x: number, y: number, z: number)
function RoundedCube:rotate(angles) end

---Scales the vertices about the origin.
---@param v Vector
---@overload fun(self: RoundedCube, x: number, y: number, z: number)
function RoundedCube:scale(v) end

---Shears the vertices about the origin.
---@param angles Vector
---@overload fun(self: RoundedCube, x: number, y: number, z: number)
function RoundedCube:shear(angles) end

---As `rotate`, about the mesh's own centre.
---@param angles Vector
---@overload fun(self: RoundedCube, ax: number, ay: number, az: number)
---@overload fun(self: RoundedCube, angle: number, axis: Vector)
---@overload fun(self: RoundedCube, angle: number, x: number, y: number, z: number)
function RoundedCube:selfRotate(angles) end

---Scales about the mesh's own centre.
---@param v Vector
---@overload fun(self: RoundedCube, x: number, y: number, z: number)
function RoundedCube:selfScale(v) end

---Shears about the mesh's own centre.
---@param angles Vector
---@overload fun(self: RoundedCube, x: number, y: number, z: number)
function RoundedCube:selfShear(angles) end

---The vertices through a `Matrix` (or 16 numbers row by row, then the mode): normal mode 0 positions only, 1 normals too, 2 normals renormalised.
---@param m Matrix
---@param normalMode integer
---@overload fun(self: RoundedCube, ...: number)
function RoundedCube:transform(m, normalMode) end

---Whether the level of detail follows the distance to the camera.
---@param on boolean
function RoundedCube:setLODEnabled(on) end

---Whether the level of detail follows the distance.
---@return boolean
function RoundedCube:isLODEnabled() end

---The detail used while LOD by distance is off, 0 to 1 (1 is full detail).
---@param level number
function RoundedCube:setLODLevel(level) end

---The detail level.
---@return number
function RoundedCube:getLODLevel() end

---The distance of the first step down in detail.
---@param length number
function RoundedCube:setLevelLength(length) end

---The distance of the first step down.
---@return number
function RoundedCube:getLevelLength() end

---The texture (-1 for none).
---@param id integer
function RoundedCube:setTextureId(id) end

---The texture.
---@return integer
function RoundedCube:getTextureId() end

---The material, as 17 numbers (`material:get()` gives them).
---@param ... number
function RoundedCube:setMaterial(...) end

---The material's 17 numbers.
---@return number ...
function RoundedCube:getMaterial() end

---Which seams get smooth normals: 1 where rows close, 2 where columns close, 3 both, 0 none.
---@param flag integer
function RoundedCube:setNormalFlag(flag) end

---The seam flag.
---@return integer
function RoundedCube:getNormalFlag() end

---Turns every normal round (with `setCounterclockwise`, to see a shape from inside).
function RoundedCube:invertNormals() end

---Which winding faces front.
---@param on boolean
function RoundedCube:setCounterclockwise(on) end

---Which winding faces front.
---@return boolean
function RoundedCube:getCounterclockwise() end

---A copy of the mesh's bounding sphere.
---@return BoundingSphere
function RoundedCube:getBoundingSphere() end

---A surface of revolution: a profile through n points turned round the y axis.
---@class CurvedMesh
---@overload fun(textureId: integer, material: Material, interpolation: integer, n: integer, ...: number): CurvedMesh
CurvedMesh = {}

---The profile through n points (x, y, z each; n - 1 a power of two; interpolation 0 straight lines, 1 a natural cubic spline), then optionally the angle (360), slices (32) and stacks (32).
---@param textureId integer
---@param material Material
---@param interpolation integer
---@param n integer
---@param ... number
---@return CurvedMesh
function CurvedMesh:new(textureId, material, interpolation, n, ...) end

---Draws the mesh: lit by the lights in range, textured while `GL_TEXTURE_2D` is on, culled against the camera unless `cull` is false.
---@param cull? boolean Default true.
function CurvedMesh:display(cull) end

---The camera's verdict on the bounding sphere, and its distance measure.
---@return boolean visible
---@return number distance
function CurvedMesh:isVisible() end

---Moves the vertices.
---@param v Vector
---@overload fun(self: CurvedMesh, x: number, y: number, z: number)
function CurvedMesh:translate(v) end

---Moves the mesh so that its centre is at the point.
---@param p Point
---@overload fun(self: CurvedMesh, x: number, y: number, z: number)
function CurvedMesh:setPosition(p) end

---The centre (of the bounding sphere).
---@return number x
---@return number y
---@return number z
function CurvedMesh:getPosition() end

---Turns the vertices about the origin: three angles about x, y and z, or an angle about an axis.
---@param angles Vector
---@overload fun(self: CurvedMesh, ax: number, ay: number, az: number)
---@overload fun(self: CurvedMesh, angle: number, axis: Vector)
---@overload fun(self: CurvedMesh, angle: number, x: number, y: number, z: number)
function CurvedMesh:rotate(angles) end

---Scales the vertices about the origin.
---@param v Vector
---@overload fun(self: CurvedMesh, x: number, y: number, z: number)
function CurvedMesh:scale(v) end

---Shears the vertices about the origin.
---@param angles Vector
---@overload fun(self: CurvedMesh, x: number, y: number, z: number)
function CurvedMesh:shear(angles) end

---As `rotate`, about the mesh's own centre.
---@param angles Vector
---@overload fun(self: CurvedMesh, ax: number, ay: number, az: number)
---@overload fun(self: CurvedMesh, angle: number, axis: Vector)
---@overload fun(self: CurvedMesh, angle: number, x: number, y: number, z: number)
function CurvedMesh:selfRotate(angles) end

---Scales about the mesh's own centre.
---@param v Vector
---@overload fun(self: CurvedMesh, x: number, y: number, z: number)
function CurvedMesh:selfScale(v) end

---Shears about the mesh's own centre.
---@param angles Vector
---@overload fun(self: CurvedMesh, x: number, y: number, z: number)
function CurvedMesh:selfShear(angles) end

---The vertices through a `Matrix` (or 16 numbers row by row, then the mode): normal mode 0 positions only, 1 normals too, 2 normals renormalised.
---@param m Matrix
---@param normalMode integer
---@overload fun(self: CurvedMesh, ...: number)
function CurvedMesh:transform(m, normalMode) end

---Whether the level of detail follows the distance to the camera.
---@param on boolean
function CurvedMesh:setLODEnabled(on) end

---Whether the level of detail follows the distance.
---@return boolean
function CurvedMesh:isLODEnabled() end

---The detail used while LOD by distance is off, 0 to 1 (1 is full detail).
---@param level number
function CurvedMesh:setLODLevel(level) end

---The detail level.
---@return number
function CurvedMesh:getLODLevel() end

---The distance of the first step down in detail.
---@param length number
function CurvedMesh:setLevelLength(length) end

---The distance of the first step down.
---@return number
function CurvedMesh:getLevelLength() end

---The texture (-1 for none).
---@param id integer
function CurvedMesh:setTextureId(id) end

---The texture.
---@return integer
function CurvedMesh:getTextureId() end

---The material, as 17 numbers (`material:get()` gives them).
---@param ... number
function CurvedMesh:setMaterial(...) end

---The material's 17 numbers.
---@return number ...
function CurvedMesh:getMaterial() end

---Which seams get smooth normals: 1 where rows close, 2 where columns close, 3 both, 0 none.
---@param flag integer
function CurvedMesh:setNormalFlag(flag) end

---The seam flag.
---@return integer
function CurvedMesh:getNormalFlag() end

---Turns every normal round (with `setCounterclockwise`, to see a shape from inside).
function CurvedMesh:invertNormals() end

---Which winding faces front.
---@param on boolean
function CurvedMesh:setCounterclockwise(on) end

---Which winding faces front.
---@return boolean
function CurvedMesh:getCounterclockwise() end

---A copy of the mesh's bounding sphere.
---@return BoundingSphere
function CurvedMesh:getBoundingSphere() end

-- Render state

---true, as OpenGL writes it
GL_TRUE = 1
---false, as OpenGL writes it
GL_FALSE = 0
---capability: discard fragments by alpha
GL_ALPHA_TEST = 3008
---capability: blend with the frame buffer
GL_BLEND = 3042
---capability: skip back faces
GL_CULL_FACE = 2884
---capability: hide what is behind
GL_DEPTH_TEST = 2929
---capability: fog
GL_FOG = 2912
---capability: lighting
GL_LIGHTING = 2896
---capability: texturing
GL_TEXTURE_2D = 3553
---capability: renormalise normals after scaling
GL_NORMALIZE = 2977
---blend factor 0
GL_ZERO = 0
---blend factor 1
GL_ONE = 1
---blend factor: the incoming colour
GL_SRC_COLOR = 768
---blend factor: 1 - the incoming colour
GL_ONE_MINUS_SRC_COLOR = 769
---blend factor: the colour in the frame buffer
GL_DST_COLOR = 774
---blend factor: 1 - the frame buffer's colour
GL_ONE_MINUS_DST_COLOR = 775
---blend factor: the incoming alpha
GL_SRC_ALPHA = 770
---blend factor: 1 - the incoming alpha
GL_ONE_MINUS_SRC_ALPHA = 771
---blend factor: the frame buffer's alpha
GL_DST_ALPHA = 772
---blend factor: 1 - the frame buffer's alpha
GL_ONE_MINUS_DST_ALPHA = 773
---blend factor: min(incoming alpha, 1 - frame buffer alpha)
GL_SRC_ALPHA_SATURATE = 776
---shade model: one colour a face
GL_FLAT = 7424
---shade model: colours blended across faces
GL_SMOOTH = 7425

-- Matrix stacks

---the model-view stack (where things are)
GL_MODELVIEW = 5888
---the projection stack (the lens)
GL_PROJECTION = 5889
---the texture-coordinate stack
GL_TEXTURE = 5890

-- Texture groups

---the group for textures the whole game keeps
PERMANENT_TEXTURES = 1
---the group for a level's textures
TEMPORARY_TEXTURES = 2

-- Archive results

---closed without error
UNZ_OK = 0
---no further entry
UNZ_END_OF_LIST_OF_FILE = -100
---a system error
UNZ_ERRNO = -1
---end of the entry (same as UNZ_OK)
UNZ_EOF = 0
---a bad argument
UNZ_PARAMERROR = -102
---not a valid zip archive
UNZ_BADZIPFILE = -103
---an internal error of the unzip library
UNZ_INTERNALERROR = -104
---an entry's checksum did not match
UNZ_CRCERROR = -105

-- Keys

---no key (an unknown key)
SDLK_UNKNOWN = 0
---the first key code (same as SDLK_UNKNOWN)
SDLK_FIRST = 0
---Backspace key
SDLK_BACKSPACE = 8
---Tab key
SDLK_TAB = 9
---Clear key
SDLK_CLEAR = 12
---Return (Enter) key
SDLK_RETURN = 13
---Pause key
SDLK_PAUSE = 19
---Escape key
SDLK_ESCAPE = 27
---the space bar
SDLK_SPACE = 32
---the ! key
SDLK_EXCLAIM = 33
---the " key
SDLK_QUOTEDBL = 34
---the # key
SDLK_HASH = 35
---the $ key
SDLK_DOLLAR = 36
---the & key
SDLK_AMPERSAND = 38
---the ' key
SDLK_QUOTE = 39
---the ( key
SDLK_LEFTPAREN = 40
---the ) key
SDLK_RIGHTPAREN = 41
---the * key
SDLK_ASTERISK = 42
---the + key
SDLK_PLUS = 43
---the , key
SDLK_COMMA = 44
---the - key
SDLK_MINUS = 45
---the . key
SDLK_PERIOD = 46
---the / key
SDLK_SLASH = 47
---digit 0
SDLK_0 = 48
---digit 1
SDLK_1 = 49
---digit 2
SDLK_2 = 50
---digit 3
SDLK_3 = 51
---digit 4
SDLK_4 = 52
---digit 5
SDLK_5 = 53
---digit 6
SDLK_6 = 54
---digit 7
SDLK_7 = 55
---digit 8
SDLK_8 = 56
---digit 9
SDLK_9 = 57
---the : key
SDLK_COLON = 58
---the ; key
SDLK_SEMICOLON = 59
---the < key
SDLK_LESS = 60
---the = key
SDLK_EQUALS = 61
---the > key
SDLK_GREATER = 62
---the ? key
SDLK_QUESTION = 63
---the @ key
SDLK_AT = 64
---the [ key
SDLK_LEFTBRACKET = 91
---the \ key
SDLK_BACKSLASH = 92
---the ] key
SDLK_RIGHTBRACKET = 93
---the ^ key
SDLK_CARET = 94
---the _ key
SDLK_UNDERSCORE = 95
---the backquote key
SDLK_BACKQUOTE = 96
---letter A
SDLK_a = 97
---letter B
SDLK_b = 98
---letter C
SDLK_c = 99
---letter D
SDLK_d = 100
---letter E
SDLK_e = 101
---letter F
SDLK_f = 102
---letter G
SDLK_g = 103
---letter H
SDLK_h = 104
---letter I
SDLK_i = 105
---letter J
SDLK_j = 106
---letter K
SDLK_k = 107
---letter L
SDLK_l = 108
---letter M
SDLK_m = 109
---letter N
SDLK_n = 110
---letter O
SDLK_o = 111
---letter P
SDLK_p = 112
---letter Q
SDLK_q = 113
---letter R
SDLK_r = 114
---letter S
SDLK_s = 115
---letter T
SDLK_t = 116
---letter U
SDLK_u = 117
---letter V
SDLK_v = 118
---letter W
SDLK_w = 119
---letter X
SDLK_x = 120
---letter Y
SDLK_y = 121
---letter Z
SDLK_z = 122
---Delete key
SDLK_DELETE = 127
---keypad 0
SDLK_KP0 = 256
---keypad 1
SDLK_KP1 = 257
---keypad 2
SDLK_KP2 = 258
---keypad 3
SDLK_KP3 = 259
---keypad 4
SDLK_KP4 = 260
---keypad 5
SDLK_KP5 = 261
---keypad 6
SDLK_KP6 = 262
---keypad 7
SDLK_KP7 = 263
---keypad 8
SDLK_KP8 = 264
---keypad 9
SDLK_KP9 = 265
---keypad .
SDLK_KP_PERIOD = 266
---keypad /
SDLK_KP_DIVIDE = 267
---keypad *
SDLK_KP_MULTIPLY = 268
---keypad -
SDLK_KP_MINUS = 269
---keypad +
SDLK_KP_PLUS = 270
---keypad Enter
SDLK_KP_ENTER = 271
---keypad =
SDLK_KP_EQUALS = 272
---arrow up
SDLK_UP = 273
---arrow down
SDLK_DOWN = 274
---arrow right
SDLK_RIGHT = 275
---arrow left
SDLK_LEFT = 276
---Insert key
SDLK_INSERT = 277
---Home key
SDLK_HOME = 278
---End key
SDLK_END = 279
---Page Up key
SDLK_PAGEUP = 280
---Page Down key
SDLK_PAGEDOWN = 281
---function key F1
SDLK_F1 = 282
---function key F2
SDLK_F2 = 283
---function key F3
SDLK_F3 = 284
---function key F4
SDLK_F4 = 285
---function key F5
SDLK_F5 = 286
---function key F6
SDLK_F6 = 287
---function key F7
SDLK_F7 = 288
---function key F8
SDLK_F8 = 289
---function key F9
SDLK_F9 = 290
---function key F10
SDLK_F10 = 291
---function key F11
SDLK_F11 = 292
---function key F12
SDLK_F12 = 293
---function key F13
SDLK_F13 = 294
---function key F14
SDLK_F14 = 295
---function key F15
SDLK_F15 = 296
---Num Lock key
SDLK_NUMLOCK = 300
---Caps Lock key
SDLK_CAPSLOCK = 301
---Scroll Lock key
SDLK_SCROLLOCK = 302
---right Shift
SDLK_RSHIFT = 303
---left Shift
SDLK_LSHIFT = 304
---right Ctrl
SDLK_RCTRL = 305
---left Ctrl
SDLK_LCTRL = 306
---right Alt
SDLK_RALT = 307
---left Alt
SDLK_LALT = 308
---right Meta
SDLK_RMETA = 309
---left Meta
SDLK_LMETA = 310
---left Super (Windows key)
SDLK_LSUPER = 311
---right Super (Windows key)
SDLK_RSUPER = 312
---Alt Gr (mode switch) key
SDLK_MODE = 313
---Compose key
SDLK_COMPOSE = 314
---Help key
SDLK_HELP = 315
---Print Screen key
SDLK_PRINT = 316
---SysRq key
SDLK_SYSREQ = 317
---Break key
SDLK_BREAK = 318
---Menu key
SDLK_MENU = 319
---Power key
SDLK_POWER = 320
---the euro key
SDLK_EURO = 321
---Undo key
SDLK_UNDO = 322

