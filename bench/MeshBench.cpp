// Frame cost of meshes: N lit, textured 33 x 33 spheres (RoundedCube) with
// two lights and a turning camera, drawn by a Lua script through the engine,
// against this program drawing the same vertices from display lists (the
// fastest path on Mesa's software driver), in the same window, same run.
// Median frame time of each: the whole frame (clear to glFinish), the frame
// with every mesh outside the view, and that frame's mesh loop alone (no
// clear, no finish: the CPU side of deciding to draw nothing).
//
//   build/bench/mesh_bench [frames]      (needs a display; scripts use Xvfb)

#include "bindings/Classes.h"
#include "bindings/Globals.h"
#include "graphics/Camera.h"
#include "graphics/RoundedCube.h"
#include "graphics/Scene.h"
#include "graphics/Texture.h"
#include "script/Interpreter.h"
#include "tools/media/Media.h"

#include <GL/gl.h>
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

const char* const CONFIG =
    "SDL_FULLSCREEN = 0\nVFS_LOAD_FROM_ARCHIVE = 0\nVFS_ARCHIVE = x\nSDL_SCREEN_WIDTH = 800\n"
    "SDL_SCREEN_HEIGHT = 600\nSDL_GL_BUFFER_SIZE = 32\nSDL_GL_DOUBLEBUFFER = 1\nSDL_GL_DEPTH_SIZE = 24\n"
    "SDL_GL_STENCIL_SIZE = 0\nSDL_GL_ACCUM_RED_SIZE = 0\nSDL_GL_ACCUM_GREEN_SIZE = 0\nSDL_GL_ACCUM_BLUE_SIZE = 0\n"
    "SDL_GL_ACCUM_ALPHA_SIZE = 0\nSDL_GL_MULTISAMPLEBUFFERS = 0\nSDL_GL_MULTISAMPLESAMPLES = 0\nSDL_SHOW_CURSOR = 1\n"
    "AL_DOPPLER_FACTOR = 1.0\nAL_DOPPLER_VELOCITY = 343.0\nAL_MASTER_GAIN = 1.0\n"
    "AL_DISTANCE_MODEL = AL_INVERSE_DISTANCE_CLAMPED\nFOV = 60\nZNEAR = 1.0\nZFAR = 1000.0\n"
    "GL_ORTHO_RESOLUTION_X = 800\nGL_ORTHO_RESOLUTION_Y = 600\nGL_DEPTH_TEST = 1\nGL_CULL_FACE = 1\n"
    "GL_ALPHA_TEST = 0\nGL_BLEND = 0\nGL_LIGHTING = 1\nGL_FOG = 0\nGL_TEXTURE_2D = 1\nGL_SWAP_CONTROL = 0\n"
    "GL_POLYGON_FACE = GL_FRONT_AND_BACK\nGL_POLYGON_MODE = GL_FILL\nGL_PERSPECTIVE_CORRECTION_HINT = GL_NICEST\n"
    "GL_DEPTH_FUNC = GL_LEQUAL\nGL_CULL_FACE_MODE = GL_BACK\nGL_ALPHA_TEST_FUNC = GL_GREATER\nGL_ALPHA_TEST_REF = 0.5\n"
    "GL_BLEND_SRC = GL_SRC_ALPHA\nGL_BLEND_DST = GL_ONE_MINUS_SRC_ALPHA\nGL_FOG_MODE = GL_LINEAR\nGL_FOG_HINT = GL_NICEST\n"
    "GL_FOG_DENSITY = 0.35\nGL_FOG_START = 10.0\nGL_FOG_END = 200.0\nGL_FOG_COLOR_R = 0.1\nGL_FOG_COLOR_G = 0.2\n"
    "GL_FOG_COLOR_B = 0.3\nGL_FOG_COLOR_A = 1.0\nGL_LIGHT_MODEL_AMBIENT_R = 0.2\nGL_LIGHT_MODEL_AMBIENT_G = 0.2\n"
    "GL_LIGHT_MODEL_AMBIENT_B = 0.2\nGL_LIGHT_MODEL_AMBIENT_A = 1.0\nGL_TEXTURE_MIN_FILTER = GL_LINEAR_MIPMAP_LINEAR\n"
    "GL_TEXTURE_MAG_FILTER = GL_LINEAR\nINPUT_MOUSE_SPEED = 1.0\n";

// The scene both sides draw: where mesh i stands, and the camera of frame f
// (looking at the meshes, or away from all of them).
const char* const LAYOUT = R"(
function place(i) return (i % 10) * 3 - 13.5, math.floor(i / 10) % 10 * 3 - 13.5, -math.floor(i / 100) * 3 - 30 end
function look(f, away) local a = f * 0.01 return 4 * math.sin(a), 0, 4 * math.cos(a), 0, 0, away and 100 or -30 end
)";

const char* const SCRIPTED = R"(
local n, frames, mode = ...
local away, bare = mode > 0, mode == 2
local textures, lights, scene, camera = getTextureManager(), getLightManager(), getScene(), getCamera()
local texture = textures:load('t.png')
for k = 1, 2 do local id = lights:addLight() lights:setPosition(id, k, 1, 1) lights:enable(id) end
local meshes = {}
for i = 0, n - 1 do
  local s = RoundedCube(texture, Material(), 2, 2, 2, 1)
  s:setLODEnabled(false)
  s:setPosition(place(i))
  meshes[i + 1] = s
end
local times = {}
for f = 1, frames do
  local start = benchClock()
  if not bare then scene:clearBuffers() end
  local ex, ey, ez, cx, cy, cz = look(f, away)
  camera:setEye(ex, ey, ez) camera:setCenter(cx, cy, cz) camera:lookAt()
  for i = 1, n do meshes[i]:display() end
  if not bare then benchFinish() end
  times[f] = benchClock() - start
end
table.sort(times)
return times[math.floor(frames / 2) + 1]
)";

double now() {
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

int benchClock(lua_State* L) {
    lua_pushnumber(L, now());
    return 1;
}

int benchFinish(lua_State*) {
    glFinish();
    return 0;
}

double scripted(lua_State* L, int n, int frames, int mode) {
    luaL_loadstring(L, SCRIPTED);
    lua_pushnumber(L, n);
    lua_pushnumber(L, frames);
    lua_pushnumber(L, mode);
    if (lua_pcall(L, 3, 1, 0) != 0) {
        std::fprintf(stderr, "%s\n", lua_tostring(L, -1));
        std::exit(1);
    }
    const double median = lua_tonumber(L, -1);
    lua_pop(L, 1);
    lua_gc(L, LUA_GCCOLLECT, 0);
    return median;
}

void callLayout(lua_State* L, const char* function, int nargs, int nresults) {
    if (lua_pcall(L, nargs, nresults, 0) != 0) {
        std::fprintf(stderr, "%s: %s\n", function, lua_tostring(L, -1));
        std::exit(1);
    }
}

// The same spheres, compiled once into display lists, drawn with a plain
// frustum test.
double raw(lua_State* L, int n, int frames, int mode) {
    const bool away = mode > 0, bare = mode == 2;
    const int texture = bg::gTextureManager->load("t.png");
    std::vector<GLuint> lists;
    std::vector<bg::BoundingSphere> spheres;
    for (int i = 0; i < n; ++i) {
        bg::RoundedCube sphere(texture, bg::Material(), 2, 2, 2, 1);
        lua_getglobal(L, "place");
        lua_pushnumber(L, i);
        callLayout(L, "place", 1, 3);
        sphere.setPosition(bg::Point(static_cast<float>(lua_tonumber(L, -3)), static_cast<float>(lua_tonumber(L, -2)),
                                     static_cast<float>(lua_tonumber(L, -1))));
        lua_pop(L, 3);
        const GLuint list = glGenLists(1);
        glNewList(list, GL_COMPILE);
        sphere.getMaterial().use();
        bg::gTextureManager->bind(texture);
        for (int y = 0; y + 1 < sphere.getNumY(); ++y) {
            glBegin(GL_TRIANGLE_STRIP);
            for (int x = 0; x < sphere.getNumX(); ++x)
                for (int row : {y + 1, y}) {
                    const float* v = sphere.vertex(x, row);
                    glNormal3fv(v + 3);
                    glTexCoord2fv(v + 6);
                    glVertex3fv(v);
                }
            glEnd();
        }
        glEndList();
        lists.push_back(list);
        bg::BoundingSphere s = sphere.getBoundingSphere();
        s.position = s.initialPosition;
        s.radius = s.initialRadius;
        spheres.push_back(s);
    }
    std::vector<double> times;
    for (int f = 1; f <= frames; ++f) {
        const double start = now();
        if (!bare) bg::gScene->clearBuffers();
        lua_getglobal(L, "look");
        lua_pushnumber(L, f);
        lua_pushboolean(L, away);
        callLayout(L, "look", 2, 6);
        float c[6];
        for (int k = 0; k < 6; ++k) c[k] = static_cast<float>(lua_tonumber(L, k - 6));
        lua_pop(L, 6);
        bg::gCamera->setEye(bg::Point(c[0], c[1], c[2]));
        bg::gCamera->setCenter(bg::Point(c[3], c[4], c[5]));
        bg::gCamera->lookAt();
        for (int i = 0; i < n; ++i) {
            float distance;
            if (bg::gCamera->isSphereVisible(spheres[i].position, spheres[i].radius, distance)) glCallList(lists[i]);
        }
        if (!bare) glFinish();
        times.push_back(now() - start);
    }
    for (GLuint list : lists) glDeleteLists(list, 1);
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

} // namespace

int main(int argc, char** argv) {
    const int frames = argc > 1 ? std::atoi(argv[1]) : 30;
    char folder[] = "/tmp/brawlgear-mesh-bench-XXXXXX";
    if (!mkdtemp(folder) || chdir(folder) != 0) return 1;
    std::ofstream("Engine.cfg") << CONFIG;
    std::vector<std::uint8_t> pixels(64 * 64 * 3);
    for (std::size_t i = 0; i < pixels.size(); ++i) pixels[i] = static_cast<std::uint8_t>(i * 37);
    std::ofstream("t.png", std::ios::binary) << bg::media::png(64, 64, 2, pixels);

    lua_State* L = bg::newInterpreter();
    bg::openStandardLibraries(L);
    bg::registerClasses(L);
    bg::registerGlobalFunctions(L);
    lua_register(L, "benchClock", benchClock);
    lua_register(L, "benchFinish", benchFinish);
    luaL_dostring(L, LAYOUT);
    std::freopen("/dev/null", "w", stderr); // the driver reports
    bg::gScene = bg::SharedPointer<bg::Scene>(new bg::Scene(false));
    // Two lights for the raw side as well, always on: both are infinite.
    luaL_dostring(L, "local l = getLightManager() for k = 1, 2 do local id = l:addLight() l:setPosition(id, k, 1, 1) l:enable(id) end");

    std::printf("%-6s %-12s %12s %12s %8s\n", "meshes", "frame", "scripted ms", "raw ms", "ratio");
    for (int n : {10, 100, 500}) {
        for (int mode : {0, 1, 2}) {
            const double raw1 = raw(L, n, frames, mode);
            const double script = scripted(L, n, frames, mode);
            const char* names[] = {"whole frame", "all culled", "culled loop"};
            std::printf("%-6d %-12s %12.3f %12.3f %8.2f\n", n, names[mode], script, raw1, script / raw1);
            std::fflush(stdout);
        }
    }
    lua_close(L);
    bg::gScene.free();
    std::system((std::string("rm -rf ") + folder).c_str());
    return 0;
}
