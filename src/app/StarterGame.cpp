#include "app/StarterGame.h"

#include "tools/media/Media.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <vector>

namespace bg::app {

namespace {

// Every key the engine reads, at the sample game's values, windowed.
const char* const ENGINE_CFG = R"(SDL_FULLSCREEN = 0
VFS_LOAD_FROM_ARCHIVE = 0
VFS_ARCHIVE = Game.zip
SDL_SCREEN_WIDTH = 800
SDL_SCREEN_HEIGHT = 600
SDL_GL_BUFFER_SIZE = 32
SDL_GL_DOUBLEBUFFER = 1
SDL_GL_DEPTH_SIZE = 24
SDL_GL_STENCIL_SIZE = 0
SDL_GL_ACCUM_RED_SIZE = 0
SDL_GL_ACCUM_GREEN_SIZE = 0
SDL_GL_ACCUM_BLUE_SIZE = 0
SDL_GL_ACCUM_ALPHA_SIZE = 0
SDL_GL_MULTISAMPLEBUFFERS = 0
SDL_GL_MULTISAMPLESAMPLES = 0
SDL_SHOW_CURSOR = 1
AL_DOPPLER_FACTOR = 1.0
AL_DOPPLER_VELOCITY = 343.0
AL_MASTER_GAIN = 1.0
AL_DISTANCE_MODEL = AL_INVERSE_DISTANCE_CLAMPED
FOV = 45.0
ZNEAR = 1.0
ZFAR = 1000.0
GL_ORTHO_RESOLUTION_X = 800
GL_ORTHO_RESOLUTION_Y = 600
GL_DEPTH_TEST = 1
GL_CULL_FACE = 1
GL_ALPHA_TEST = 0
GL_BLEND = 0
GL_LIGHTING = 1
GL_FOG = 0
GL_TEXTURE_2D = 0
GL_SWAP_CONTROL = 1
GL_POLYGON_FACE = GL_FRONT_AND_BACK
GL_POLYGON_MODE = GL_FILL
GL_PERSPECTIVE_CORRECTION_HINT = GL_NICEST
GL_DEPTH_FUNC = GL_LEQUAL
GL_CULL_FACE_MODE = GL_BACK
GL_ALPHA_TEST_FUNC = GL_GREATER
GL_ALPHA_TEST_REF = 0.5
GL_BLEND_SRC = GL_SRC_ALPHA
GL_BLEND_DST = GL_ONE_MINUS_SRC_ALPHA
GL_FOG_MODE = GL_LINEAR
GL_FOG_HINT = GL_NICEST
GL_FOG_DENSITY = 0.35
GL_FOG_START = 10.0
GL_FOG_END = 200.0
GL_FOG_COLOR_R = 0.1
GL_FOG_COLOR_G = 0.2
GL_FOG_COLOR_B = 0.3
GL_FOG_COLOR_A = 1.0
GL_LIGHT_MODEL_AMBIENT_R = 0.2
GL_LIGHT_MODEL_AMBIENT_G = 0.2
GL_LIGHT_MODEL_AMBIENT_B = 0.2
GL_LIGHT_MODEL_AMBIENT_A = 1.0
GL_TEXTURE_MIN_FILTER = GL_LINEAR_MIPMAP_LINEAR
GL_TEXTURE_MAG_FILTER = GL_LINEAR
INPUT_MOUSE_SPEED = 1.0
)";

const char* const MAIN_LUA = R"(-- A starter game: a lit, textured ball turning in the middle of the window,
-- a line of text, Escape to quit. Run it with `brawlgear --dev .` in this
-- folder; save a change and it starts again.

local scene, camera, events = getScene(), getCamera(), getEventManager()
local textures, fonts, lights = getTextureManager(), getFontManager(), getLightManager()

-- Material(ambient, diffuse, specular, emission: r, g, b, a each; shininess)
-- A ball 2 units across (a RoundedCube rounded all the way), in planks.
local ball = RoundedCube(textures:load("Textures/Planks.png"),
                         Material(0.3, 0.3, 0.3, 1, 1, 1, 1, 1, 0.5, 0.5, 0.5, 1, 0, 0, 0, 1, 30), 2, 2, 2, 1)
local lamp = lights:addLight()
lights:setDiffuse(lamp, 1, 0.95, 0.85, 1)
lights:enable(lamp)

-- The loading frame left the large font current: print with the small one.
local font = fonts:load("Fonts/Font.txt")
scene:setBackgroundColor(0.1, 0.12, 0.18, 1)
camera:setEye(0, 1.5, 6)
camera:setCenter(0, 0, 0)

while not events:isKeyPressed(SDLK_ESCAPE) do
    scene:update()
    ball:rotate(getTime():getDt() * 40, 0, 1, 0)

    scene:clearBuffers()
    camera:lookAt()
    lights:setPosition(lamp, 3, 4, 5)
    scene:set(GL_TEXTURE_2D, true)
    ball:display()
    scene:restore(GL_TEXTURE_2D)

    scene:glBegin2D()
    scene:set(GL_TEXTURE_2D, true)
    scene:set(GL_BLEND, true)
    scene:setBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA)
    fonts:setCurrentFontId(font)
    fonts:print(20, 580, "Hello from Brawlgear: edit Scripts/Main.lua and save", 1, 1, 1, 1)
    scene:restoreBlendFunc()
    scene:restore(GL_BLEND)
    scene:restore(GL_TEXTURE_2D)
    scene:glEnd2D()
    scene:display()
end
)";

bool write(const std::filesystem::path& path, const void* data, std::size_t size) {
    std::error_code ignored;
    std::filesystem::create_directories(path.parent_path(), ignored);
    std::ofstream out(path, std::ios::binary);
    out.write(static_cast<const char*>(data), static_cast<std::streamsize>(size));
    out.close();
    return static_cast<bool>(out);
}

// Planks: light wood with darker seams and a border, 128 x 128.
std::string planksTexture() {
    constexpr int SIZE = 128;
    std::vector<std::uint8_t> rgb(SIZE * SIZE * 3);
    for (int y = 0; y < SIZE; ++y)
        for (int x = 0; x < SIZE; ++x) {
            const bool border = x < 8 || y < 8 || x >= SIZE - 8 || y >= SIZE - 8;
            const bool seam = y % 24 == 0;
            const int grain = (x * 7 + y * 3) % 17;
            std::uint8_t* p = &rgb[(static_cast<std::size_t>(y) * SIZE + x) * 3];
            p[0] = static_cast<std::uint8_t>(border || seam ? 110 : 190 + grain);
            p[1] = static_cast<std::uint8_t>(border || seam ? 70 : 140 + grain);
            p[2] = static_cast<std::uint8_t>(border || seam ? 40 : 80 + grain / 2);
        }
    return media::png(SIZE, SIZE, 2, rgb);
}

} // namespace

bool writeDefaultFonts(const std::string& folder) {
    bool ok = true;
    for (const EmbeddedFile* file = EMBEDDED_FILES; file->name; ++file)
        ok = write(std::filesystem::path(folder) / file->name, file->data, file->size) && ok;
    return ok;
}

bool writeStarterGame(const std::string& folder, std::string& error, bool& taken) {
    namespace fs = std::filesystem;
    std::error_code code;
    taken = fs::exists(folder, code) && !(fs::is_directory(folder, code) && fs::is_empty(folder, code));
    if (taken) return error = folder + " exists and is not empty: choose a new folder", false;
    const fs::path root = folder;
    const std::string planks = planksTexture();
    errno = 0;
    const bool ok = write(root / "Engine.cfg", ENGINE_CFG, std::strlen(ENGINE_CFG)) &&
                    write(root / "Scripts/Main.lua", MAIN_LUA, std::strlen(MAIN_LUA)) &&
                    write(root / "Textures/Planks.png", planks.data(), planks.size()) && writeDefaultFonts(folder);
    if (!ok) return error = "cannot write the game in " + folder + (errno ? std::string(" (") + std::strerror(errno) + ")" : ""), false;
    return true;
}

} // namespace bg::app
