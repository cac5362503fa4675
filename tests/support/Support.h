#ifndef BRAWLGEAR_TESTS_SUPPORT_H
#define BRAWLGEAR_TESTS_SUPPORT_H

// Helpers shared by the test programs: scratch folders, files, zip
// archives, and running the real executables in a child process.

#include <string>
#include <utility>
#include <vector>

namespace bgtest {

// A fresh folder under the system's temporary folder, removed again when
// the object goes away.
class ScratchDir {
public:
    ScratchDir();
    ~ScratchDir();
    ScratchDir(const ScratchDir&) = delete;
    ScratchDir& operator=(const ScratchDir&) = delete;

    const std::string& path() const { return mPath; }
    std::string operator/(const std::string& relative) const { return mPath + "/" + relative; }
    // Writes bytes to a file below the folder, creating its parents.
    void write(const std::string& relative, const std::string& bytes) const;
    std::string read(const std::string& relative) const;
    bool exists(const std::string& relative) const;

private:
    std::string mPath;
};

void writeFile(const std::string& path, const std::string& bytes);
std::string readFile(const std::string& path);

using ZipEntries = std::vector<std::pair<std::string, std::string>>;
// Writes a zip archive with the entries, deflated, in the given order.
void writeZip(const std::string& path, const ZipEntries& entries);

struct RunResult {
    int exitCode = -1; // -1 when the child did not exit normally
    std::string out;
    std::string err;
    std::string script; // for engine runs: err after the start-up report
};

// Runs a program (a path, or a name looked up on PATH) in folder `cwd`
// with standard input closed and its output captured. `environment`
// entries ("NAME=value") are added to ours.
RunResult run(const std::vector<std::string>& argv, const std::string& cwd,
              const std::vector<std::string>& environment = {});

// The same, started in the background.
struct Spawned {
    int pid = -1;
    std::string outPath, errPath;
};
Spawned spawn(const std::vector<std::string>& argv, const std::string& cwd,
              const std::vector<std::string>& environment = {});
// Waits (up to `seconds`) until the program has written `text` to standard error.
bool waitForError(const Spawned& program, const std::string& text, double seconds);
// Waits for the program to end and collects what it wrote.
RunResult finish(Spawned& program);

// Every key the engine reads, for an 800 x 600 window.
inline const char* const BASIC_CFG =
    "SDL_FULLSCREEN = 1\n"
    "VFS_LOAD_FROM_ARCHIVE = 0\n"
    "VFS_ARCHIVE = game.zip\n"
    "SDL_SCREEN_WIDTH = 800\n"
    "SDL_SCREEN_HEIGHT = 600\n"
    "SDL_GL_BUFFER_SIZE = 32\n"
    "SDL_GL_DOUBLEBUFFER = 1\n"
    "SDL_GL_DEPTH_SIZE = 24\n"
    "SDL_GL_STENCIL_SIZE = 0\n"
    "SDL_GL_ACCUM_RED_SIZE = 0\n"
    "SDL_GL_ACCUM_GREEN_SIZE = 0\n"
    "SDL_GL_ACCUM_BLUE_SIZE = 0\n"
    "SDL_GL_ACCUM_ALPHA_SIZE = 0\n"
    "SDL_GL_MULTISAMPLEBUFFERS = 0\n"
    "SDL_GL_MULTISAMPLESAMPLES = 0\n"
    "SDL_SHOW_CURSOR = 0\n"
    "AL_DOPPLER_FACTOR = 1.0\n"
    "AL_DOPPLER_VELOCITY = 343.0\n"
    "AL_MASTER_GAIN = 1.0\n"
    "AL_DISTANCE_MODEL = AL_INVERSE_DISTANCE_CLAMPED\n"
    "FOV = 45.0\n"
    "ZNEAR = 1.0\n"
    "ZFAR = 1000.0\n"
    "GL_ORTHO_RESOLUTION_X = 800\n"
    "GL_ORTHO_RESOLUTION_Y = 600\n"
    "GL_DEPTH_TEST = 1\n"
    "GL_CULL_FACE = 1\n"
    "GL_ALPHA_TEST = 0\n"
    "GL_BLEND = 0\n"
    "GL_LIGHTING = 0\n"
    "GL_FOG = 0\n"
    "GL_TEXTURE_2D = 0\n"
    "GL_SWAP_CONTROL = 0\n"
    "GL_POLYGON_FACE = GL_FRONT_AND_BACK\n"
    "GL_POLYGON_MODE = GL_FILL\n"
    "GL_PERSPECTIVE_CORRECTION_HINT = GL_NICEST\n"
    "GL_DEPTH_FUNC = GL_LEQUAL\n"
    "GL_CULL_FACE_MODE = GL_BACK\n"
    "GL_ALPHA_TEST_FUNC = GL_GREATER\n"
    "GL_ALPHA_TEST_REF = 0.5\n"
    "GL_BLEND_SRC = GL_SRC_ALPHA\n"
    "GL_BLEND_DST = GL_ONE_MINUS_SRC_ALPHA\n"
    "GL_FOG_MODE = GL_LINEAR\n"
    "GL_FOG_HINT = GL_NICEST\n"
    "GL_FOG_DENSITY = 0.35\n"
    "GL_FOG_START = 10.0\n"
    "GL_FOG_END = 200.0\n"
    "GL_FOG_COLOR_R = 0.1\n"
    "GL_FOG_COLOR_G = 0.2\n"
    "GL_FOG_COLOR_B = 0.3\n"
    "GL_FOG_COLOR_A = 1.0\n"
    "GL_LIGHT_MODEL_AMBIENT_R = 0.2\n"
    "GL_LIGHT_MODEL_AMBIENT_G = 0.2\n"
    "GL_LIGHT_MODEL_AMBIENT_B = 0.2\n"
    "GL_LIGHT_MODEL_AMBIENT_A = 1.0\n"
    "GL_TEXTURE_MIN_FILTER = GL_LINEAR_MIPMAP_LINEAR\n"
    "GL_TEXTURE_MAG_FILTER = GL_LINEAR\n"
    "INPUT_MOUSE_SPEED = 1.0\n";

// BASIC_CFG with some values replaced (or added): {{"KEY", "value"}, ...}.
std::string cfgWith(const std::vector<std::pair<std::string, std::string>>& values);
// The lines of a configuration in the order Engine.cfg is saved in.
std::string sortedCfg(const std::string& cfg);
// What a run printed after the engine's start-up report (the driver lines
// and the sound manager's probe):
// the script's own output and whatever followed it.
std::string scriptOutput(const std::string& err);
// The text without the tracebacks that follow error messages ("stack
// traceback:" and its tab-indented lines), for tests about other things.
std::string withoutTracebacks(const std::string& text);

// The default and loading fonts ("Fonts/Font.txt", "Fonts/Font3.txt" and
// their PNGs) below `folder`: characters ' ' to '~' in 8 x 8 cells of a
// 128 x 64 image, glyph i a solid white block testGlyphWidth(i) wide,
// spacing 1, top offset 0.
void writeTestFonts(const std::string& folder);
inline int testGlyphWidth(int index) { return 2 + index % 5; }
// What loading those fonts from an archive reports (a report() pattern).
inline const char* const ARCHIVE_FONT_LOADS = "INFO : File::load( Fonts/Font.txt ) : # bytes - loaded!\n"
                                              "INFO : File::load( Fonts/Font.png ) : # bytes - loaded!\n"
                                              "INFO : File::load( Fonts/Font3.txt ) : # bytes - loaded!\n"
                                              "INFO : File::load( Fonts/Font3.png ) : # bytes - loaded!\n";

// The stored form of a script, exactly as the packer and engine scramble it.
std::string scramble(std::string bytes);

// The sum of the squared samples of a 16-bit WAV file's data: 0 for
// silence or a file without data.
double waveEnergy(const std::string& wav);

} // namespace bgtest

#endif
