#include "app/Capture.h"

#include "graphics/Scene.h"
#include "platform/QuitRequest.h"
#include "script/Runner.h"
#include "tools/media/Media.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace bg::capture {

namespace {

Options gOptions;
int gFrame = 0;
std::string gConfig;
std::FILE* gStats = nullptr;
int gStatsFrame = 0;

bool number(const char* text, int& value) {
    char* end = nullptr;
    const long v = std::strtol(text, &end, 10);
    if (!text[0] || *end || v < 1 || v > 1000000) return false;
    value = static_cast<int>(v);
    return true;
}

} // namespace

// Arguments other than these are left alone, as the engine always has
// (only the first is examined, for -windowed); these want a good value.
bool parse(int argc, char** argv, Options& options, std::string& error) {
    for (int i = 1; i < argc; ++i) {
        const std::string option = argv[i];
        const bool ours = option == "--frames" || option == "--capture" || option == "--capture-dir" || option == "--wav" ||
                          option == "--stats";
        if (!ours) continue;
        const char* value = i + 1 < argc ? argv[++i] : nullptr;
        if (!value || !*value) return error = option + " wants a value", false;
        if (option == "--frames") {
            if (!number(value, options.frames)) return error = "--frames wants a whole number of frames, 1 or more", false;
        } else if (option == "--capture") {
            const std::string list = value;
            for (std::size_t at = 0; at <= list.size();) {
                const std::size_t comma = std::min(list.find(',', at), list.size());
                int frame;
                if (!number(list.substr(at, comma - at).c_str(), frame))
                    return error = "--capture wants frame numbers, 1 or more, separated by commas", false;
                options.shots.push_back(frame);
                at = comma + 1;
            }
        } else if (option == "--capture-dir") {
            options.directory = value;
        } else if (option == "--stats") {
            options.stats = value;
        } else {
            options.wav = value;
        }
    }
    if (!options.shots.empty() && options.frames == 0) return error = "--capture needs --frames", false;
    return true;
}

bool begin(const Options& options, std::string& error) {
    gOptions = options;
    gFrame = 0;
    // Folders are made once, here; a picture that still cannot be written
    // is reported when its frame comes.
    std::error_code ignored;
    if (!options.shots.empty()) std::filesystem::create_directories(options.directory, ignored);
    if (!options.stats.empty()) {
        const std::filesystem::path stats = options.stats;
        if (stats.has_parent_path()) std::filesystem::create_directories(stats.parent_path(), ignored);
        errno = 0;
        gStats = std::fopen(options.stats.c_str(), "w");
        if (!gStats)
            return error = "--stats cannot write " + options.stats + " (" + std::strerror(errno) + ")", false;
        // A line at a time: a run that ends in a fatal report keeps its frames.
        std::setvbuf(gStats, nullptr, _IOLBF, 0);
        gStatsFrame = 0;
        SceneStats::Field fields[SceneStats::FIELDS];
        SceneStats().fields(fields);
        std::fputs("frame", gStats);
        for (const SceneStats::Field& field : fields) std::fprintf(gStats, ",%s", field.name);
        std::fputc('\n', gStats);
    }
    if (options.wav.empty()) return true;
    // The wave writer cannot make folders, and a device it cannot open
    // would stop the engine later with a less helpful report.
    const std::filesystem::path wav = options.wav;
    if (wav.has_parent_path()) std::filesystem::create_directories(wav.parent_path(), ignored);
    // A file can open and still take nothing (/dev/full, a full disk): write
    // what the wave writer writes first, its header's worth. The writer
    // starts the file over anyway.
    errno = 0;
    std::FILE* file = std::fopen(options.wav.c_str(), "wb");
    bool written = false;
    int why = errno;
    if (file) {
        const char header[44] = {};
        written = std::fwrite(header, 1, sizeof header, file) == sizeof header && std::fflush(file) == 0;
        why = written ? 0 : errno;
        errno = 0;
        if (std::fclose(file) != 0) {
            written = false;
            if (!why) why = errno;
        }
    }
    if (!written)
        return error = "--wav cannot write " + options.wav + (why ? std::string(" (") + std::strerror(why) + ")" : ""),
               false;
    // OpenAL Soft's wave writer, configured for this run alone.
    gConfig = "/tmp/brawlgear-wave-" + std::to_string(getpid()) + ".conf";
    std::ofstream(gConfig) << "[general]\ndrivers=wave\nchannels=stereo\nsample-type=int16\n[wave]\nfile="
                           << options.wav << "\n";
    setenv("ALSOFT_CONF", gConfig.c_str(), 1);
    setenv("ALSOFT_DRIVERS", "wave", 1);
    return true;
}

void finish() {
    if (!gConfig.empty()) std::remove(gConfig.c_str());
    if (gStats) {
        const bool failed = std::ferror(gStats) != 0;
        if (std::fclose(gStats) != 0 || failed)
            std::fprintf(stderr, "ERROR : Capture : cannot write %s\n", gOptions.stats.c_str());
        gStats = nullptr;
    }
}

void recordFrame() {
    if (!gStats || gScene.isNull()) return;
    SceneStats::Field fields[SceneStats::FIELDS];
    gScene->getStats().fields(fields);
    std::fprintf(gStats, "%d", ++gStatsFrame);
    for (const SceneStats::Field& field : fields) {
        // Counts are whole; times keep microseconds.
        if (std::strncmp(field.name, "frameTime", 9) == 0)
            std::fprintf(gStats, ",%.3f", field.value);
        else
            std::fprintf(gStats, ",%.0f", field.value);
    }
    std::fputc('\n', gStats);
}

namespace {

std::string gScreenshot; // a picture asked for by name, written at the next swap
bool (*gEventCheck)() = nullptr;

void writePicture(const std::string& path) {
    int width = 0, height = 0;
    std::vector<std::uint8_t> rgb;
    gScene->readBackBuffer(width, height, rgb);
    std::ofstream out(path, std::ios::binary);
    out << media::png(width, height, 2, rgb);
    out.close();
    if (!out) std::fprintf(stderr, "ERROR : Capture : cannot write %s\n", path.c_str());
}

} // namespace

void takeScreenshot(const std::string& path) { gScreenshot = path; }

void setEventCheck(bool (*check)()) { gEventCheck = check; }

void beforeSwap() {
    if (gScene.isNull() || !gScene->isVideoOpen()) return;
    if (!gScreenshot.empty()) {
        writePicture(gScreenshot);
        gScreenshot.clear();
    }
    if (gOptions.frames == 0) return;
    const int frame = gFrame + 1;
    bool wanted = false;
    for (int shot : gOptions.shots) wanted = wanted || shot == frame;
    if (!wanted) return;
    char name[32];
    std::snprintf(name, sizeof name, "/frame%04d.png", frame);
    writePicture(gOptions.directory + name);
}

bool countFrame() { return gOptions.frames != 0 && ++gFrame >= gOptions.frames; }

void afterSwap(lua_State* L) {
    recordFrame();
    if (countFrame()) endRun(L);
}

void afterEvents(lua_State* L) {
    // Nothing may be thrown through the interpreter's frames: a check that
    // fails (memory) is a check that found nothing.
    bool end = platform::isQuitRequested();
    try {
        end = end || (gEventCheck && gEventCheck());
    } catch (...) {
    }
    if (end) endRun(L);
}

} // namespace bg::capture
