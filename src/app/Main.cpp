// The brawlgear host: builds the interpreter and the engine, runs the game's
// stored script "Scripts/Main" (the game loop lives there), then saves
// Engine.cfg and takes everything down again.

#include "app/Capture.h"
#include "app/CommandLine.h"
#include "app/Development.h"
#include "app/GameLocation.h"
#include "app/StarterGame.h"
#include "audio/CdPlayer.h"
#include "bindings/Classes.h"
#include "bindings/FrameHooks.h"
#include "bindings/Globals.h"
#include "config/Var.h"
#include "foundation/Version.h"
#include "graphics/Font.h"
#include "graphics/Light.h"
#include "graphics/Scene.h"
#include "graphics/Transform.h"
#include "platform/CdDrive.h"
#include "platform/CdVolume.h"
#include "platform/Memory.h"
#include "platform/QuitRequest.h"
#include "script/Interpreter.h"
#include "script/Runner.h"
#include "vfs/VFS.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const char* const USAGE =
    "usage: brawlgear [-windowed] [-q] [--dev] [--frames N [--capture F1,F2,...] [--capture-dir DIR]]\n"
    "                 [--wav FILE] [--stats FILE] [GAME]\n"
    "       brawlgear --new DIR\n"
    "       brawlgear --help | --version\n"
    "\n"
    "Runs a game: GAME is its folder or its zip archive (default: the working\n"
    "folder). Engine.cfg is read from the game's folder (beside an archive)\n"
    "and written back at exit; the window is full screen unless -windowed is\n"
    "given. The stored script Scripts/Main.o runs, from the folder or the\n"
    "archive. Make a game folder runnable with brawlgear-pack, or run its\n"
    "sources as they are with --dev. The exit status is 0 when the main\n"
    "script returns, 1 when it fails, 2 for a command line it cannot use.\n"
    "\n"
    "  -windowed         a window instead of full screen\n"
    "  -q, --quiet       no information lines (drivers, extensions, files\n"
    "                    loaded); warnings and errors stay\n"
    "  --dev             development: scripts are read from Scripts/X.lua\n"
    "                    as they are; a saved file or F5 starts the game\n"
    "                    again, a failure waits on an error screen, F12\n"
    "                    writes screenshots/shotNNNN.png, F3 shows frame\n"
    "                    statistics\n"
    "  --new DIR         write a starter game into DIR and stop\n"
    "\n"
    "For testing a game without anyone watching:\n"
    "  --frames N        end after N frames (Scene:display calls), as if the\n"
    "                    main script had returned\n"
    "  --capture LIST    write those frames as DIR/frameNNNN.png\n"
    "  --capture-dir DIR where the frames go (default: the game folder)\n"
    "  --wav FILE        record all sound to FILE (OpenAL Soft's wave writer)\n"
    "  --stats FILE      write each frame's statistics (Scene:getStats) to FILE\n"
    "                    as CSV, a line a frame after a header\n";

bg::app::Development* gDevelopment = nullptr;

bool isFile(const char* path) {
    struct stat info;
    return ::stat(path, &info) == 0 && S_ISREG(info.st_mode);
}

int usageError(const std::string& message) {
    std::fprintf(stderr, "brawlgear: %s\n\n%s", message.c_str(), USAGE);
    return 2;
}

// Paths the author typed are meant from where the command ran, not from
// the game's folder the engine moves to.
void anchor(std::string& path) {
    if (!path.empty()) path = std::filesystem::absolute(path).lexically_normal().string();
}

} // namespace

int main(int argc, char** argv) {
    using namespace bg;
    platform::keepFreedMemory();

    app::CommandLine line;
    std::string error;
    if (!app::parseCommandLine(argc, argv, line, error)) return usageError(error);
    if (line.help) {
        std::fputs(USAGE, stdout);
        return 0;
    }
    if (line.version) {
        std::puts("brawlgear " BRAWLGEAR_VERSION);
        return 0;
    }
    if (!line.newGame.empty()) {
        bool taken = false;
        if (!app::writeStarterGame(line.newGame, error, taken)) {
            std::fprintf(stderr, "brawlgear: %s\n", error.c_str());
            return taken ? 2 : 1;
        }
        std::printf("Made a game in %s. Run it with:\n  brawlgear --dev %s\n", line.newGame.c_str(),
                    line.newGame.c_str());
        return 0;
    }
    app::GameLocation where;
    // Development watches the game's folder: it must be one.
    if (!app::locateGame(line.game.empty() && line.dev ? "." : line.game, where, error)) {
        std::fprintf(stderr, "brawlgear: %s\n", error.c_str());
        return 2;
    }
    anchor(line.capture.wav);
    anchor(line.capture.stats);
    if (line.capture.directory != ".") anchor(line.capture.directory);
    if (where.folder != "." && ::chdir(where.folder.c_str()) != 0) {
        std::fprintf(stderr, "brawlgear: cannot run in %s (%s)\n", where.folder.c_str(), std::strerror(errno));
        return 2;
    }
    if (!capture::begin(line.capture, error)) return usageError(error);
    gFrameHooks.afterEvents = capture::afterEvents;
    gFrameHooks.beforeSwap = [] {
        if (gDevelopment) gDevelopment->drawOverlay(); // in the captured frame, as a person sees it
        capture::beforeSwap();
    };
    gFrameHooks.afterSwap = capture::afterSwap;
    showInfo(!line.quiet);
    useSourceScripts(line.dev);
    platform::watchQuitSignals();

    lua_State* L = nullptr;
    auto openInterpreter = [&] {
        L = newInterpreter();
        if (!L) BG_FATAL("main() : Unable to create the script interpreter");
        openStandardLibraries(L);
        registerClasses(L);
        registerGlobalFunctions(L);
    };
    openInterpreter();
    std::srand(static_cast<unsigned>(std::time(nullptr)));

    // In development a folder is the game's sources, whatever Engine.cfg
    // says about the archive it ships in.
    gScene = SharedPointer<Scene>(new Scene(!line.windowed, where.archive.c_str(), line.dev && where.archive.empty()));
    if (gScene->hasMultiTexture()) gScene->prepareEnvironmentUnit();
    // Optional: a folder of TrackNN.ogg files standing in for a CD.
    auto startGame = [] {
        gScene->clearBuffers();
        if (gVarManager->has("CD_VIRTUAL_TRACKS"))
            cd::useVirtualDrive(gVarManager->get("CD_VIRTUAL_TRACKS").getValue());
        gFontManager->setCurrentFontId(gFontManager->load("Fonts/Font3.txt"));
        showLoadingScreen();
    };
    // The player's CD volume, put back at exit. A machine without a CD or
    // Aux line has nothing to keep, and says nothing about it.
    float savedCdVolume = 0;
    const bool cdVolumeSaved = platform::hasCdLine() && platform::cdVolume(false, savedCdVolume);
    startGame();

    app::Development development(line.capture.frames > 0);
    if (line.dev) {
        development.start({line.capture.directory == "." ? std::string() : line.capture.directory, line.capture.wav});
        capture::setEventCheck([] { return gDevelopment && gDevelopment->reloadWanted(); });
        gDevelopment = &development;
    }

    // A game that ends in an error still shuts down in order, then says so
    // by its exit status.
    int status = 0;
    if (!line.dev && !gVFS->isArchive() && !isFile("Scripts/Main.o") && isFile("Scripts/Main.lua")) {
        BG_ERROR("main() : Scripts/Main.lua is not packed: run the sources with brawlgear --dev, or make the game "
                 "runnable with brawlgear-pack");
        status = 1;
    } else {
        for (;;) {
            RunOutcome outcome;
            if (line.dev && !gVFS->isArchive() && !isFile("Scripts/Main.lua") && !isFile("Scripts/Main.o")) {
                // Caught between a rename and a save: wait for the script.
                outcome.status = LUA_ERRFILE;
                outcome.report = "Scripts/Main.lua is missing";
                BG_ERROR("main() : Scripts/Main.lua is missing");
            } else {
                outcome = runScript(L, "Scripts/Main");
            }
            status = outcome.status;
            // A request to quit wins over a reload; it ends the game as if
            // its main script had returned.
            if (!line.dev || platform::isQuitRequested() || (outcome.ended && !development.reloadWanted())) break;
            // In development the game starts over on a change or F5; a
            // failure waits on the error screen for one.
            bool reload = development.reloadWanted();
            if (!reload && status != 0) reload = development.showError(outcome.report);
            // A --frames run counts each start, so a game that keeps
            // changing its own folder still ends.
            if (!reload || platform::isQuitRequested() || capture::countFrame()) break;
            lua_close(L);
            gVarManager->end();
            cd::forgetDrive(); // Engine.cfg may name another folder of tracks, or none
            gScene->startOver();
            development.clear();
            openInterpreter();
            startGame();
            BG_INFO("main() : the game starts again");
        }
    }
    gDevelopment = nullptr;

    if (cdVolumeSaved) platform::cdVolume(true, savedCdVolume);
    lua_close(L);
    gVarManager->end();
    // Before the scene: a virtual drive's stream needs the OpenAL context.
    platform::cdDrives().close();
    gScene.free();
    capture::finish();
    return status == 0 ? 0 : 1;
}
