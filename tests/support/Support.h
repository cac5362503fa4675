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

// Every key the engine reads, for an 800 x 600 window (data/Engine.cfg).
extern const std::string BASIC_CFG;

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

// The sums of the squared samples of a 16-bit stereo WAV file's data, a
// channel each, from `from` seconds at 44100 Hz (that long before its end
// when negative): 0 for silence or a file without data.
struct Energy {
    double left = 0, right = 0;
    double total() const { return left + right; }
};
Energy waveEnergy(const std::string& wav, double from = 0);

} // namespace bgtest

#endif
