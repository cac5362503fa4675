// The brawlgear host: builds the interpreter and the engine, runs the game's
// stored script "Scripts/Main" (the game loop lives there), then saves
// Engine.cfg and takes everything down again.

#include "audio/CdPlayer.h"
#include "config/Var.h"
#include "graphics/Font.h"
#include "graphics/Light.h"
#include "graphics/Scene.h"
#include "graphics/Transform.h"
#include "script/Classes.h"
#include "script/Globals.h"
#include "script/Interpreter.h"
#include "platform/CdDrive.h"
#include "platform/CdVolume.h"
#include "script/Capture.h"
#include "script/Runner.h"
#include "vfs/VFS.h"

#include <cstdio>
#include <string>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <sys/stat.h>

namespace {

const char* const USAGE =
    "usage: brawlgear [-windowed] [--frames N [--capture F1,F2,...] [--capture-dir DIR]] [--wav FILE]\n"
    "\n"
    "Runs the game in the working folder: reads Engine.cfg, opens the window\n"
    "(full screen unless the first argument is -windowed) and runs the stored\n"
    "script Scripts/Main.o, from the folder or from the archive Engine.cfg\n"
    "names. Engine.cfg is written back at exit. Make a game folder runnable\n"
    "with brawlgear-pack.\n"
    "\n"
    "For testing a game without anyone watching:\n"
    "  --frames N        end after N frames (Scene:display calls), as if the\n"
    "                    main script had returned\n"
    "  --capture LIST    write those frames as DIR/frameNNNN.png\n"
    "  --capture-dir DIR where the frames go (default: the game folder)\n"
    "  --wav FILE        record all sound to FILE (OpenAL Soft's wave writer)\n";

bool isFile(const char* path) {
    struct stat info;
    return ::stat(path, &info) == 0 && S_ISREG(info.st_mode);
}

} // namespace

int main(int argc, char** argv) {
    using namespace bg;

    if (argc > 1 && (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0)) {
        std::fputs(USAGE, stdout);
        return 0;
    }

    capture::Options captureOptions;
    std::string optionError;
    if (!capture::parse(argc, argv, captureOptions, optionError) || !capture::begin(captureOptions, optionError)) {
        std::fprintf(stderr, "brawlgear: %s\n\n%s", optionError.c_str(), USAGE);
        return 2;
    }

    lua_State* L = newInterpreter();
    if (!L) BG_FATAL("main() : Unable to create the script interpreter");
    openStandardLibraries(L);
    registerClasses(L);
    registerGlobalFunctions(L);
    std::srand(static_cast<unsigned>(std::time(nullptr)));

    const bool fullScreen = !(argc > 1 && std::strcmp(argv[1], "-windowed") == 0);
    gScene = SharedPointer<Scene>(new Scene(fullScreen));
    if (gScene->hasMultiTexture()) gScene->prepareEnvironmentUnit();
    gScene->clearBuffers();
    // Optional: a folder of TrackNN.ogg files standing in for a CD.
    if (gVarManager->has("CD_VIRTUAL_TRACKS")) cd::useVirtualDrive(gVarManager->get("CD_VIRTUAL_TRACKS").getValue());
    // The player's CD volume, put back at exit. A machine without a CD or
    // Aux line has nothing to keep, and says nothing about it.
    float savedCdVolume = 0;
    const bool cdVolumeSaved = platform::hasCdLine() && platform::cdVolume(false, savedCdVolume);
    gFontManager->setCurrentFontId(gFontManager->load("Fonts/Font3.txt"));
    showLoadingScreen();

    if (!gVFS->isArchive() && !isFile("Scripts/Main.o") && isFile("Scripts/Main.lua"))
        BG_ERROR("main() : Scripts/Main.lua is not packed: make the game runnable with brawlgear-pack");
    // A game that ends in an error still shuts down in order, then says so
    // by its exit status.
    const int status = runScript(L, "Scripts/Main").status;

    if (cdVolumeSaved) platform::cdVolume(true, savedCdVolume);
    lua_close(L);
    gVarManager->end();
    // Before the scene: a virtual drive's stream needs the OpenAL context.
    platform::cdDrives().close();
    gScene.free();
    capture::finish();
    return status == 0 ? 0 : 1;
}
