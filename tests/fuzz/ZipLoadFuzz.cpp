// Any bytes as the game archive: open it and load every entry it lists, in
// both modes, as the engine would.

#include "vfs/VFS.h"

#include "Input.h"

#include <string>
#include <unzip.h>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const std::string path = bgfuzz::folder("zip") + "/game.zip";
    if (!bgfuzz::write(path, data, size)) return 0;

    bg::gVFS = bg::SharedPointer<bg::VFS>(new bg::VFS);
    if (bg::gVFS->open(path.c_str())) {
        std::vector<std::string> names;
        unzFile zip = bg::gVFS->getArchiveHandle();
        for (int status = unzGoToFirstFile(zip); status == UNZ_OK && names.size() < 16; status = unzGoToNextFile(zip)) {
            char name[512];
            unz_file_info info; // minizip fills it in whether it is wanted or not
            if (unzGetCurrentFileInfo(zip, &info, name, sizeof name, nullptr, 0, nullptr, 0) == UNZ_OK)
                names.push_back(name);
        }
        names.push_back("Scripts/Main.o");
        for (const std::string& name : names)
            for (bool binary : {true, false}) {
                bg::File loaded;
                if (!loaded.load(name.c_str(), binary)) continue;
                if (!binary)
                    while (!loaded.getTextReader().isEnd()) loaded.getTextReader().readLine();
                loaded.unscramble();
            }
    }
    bg::gVFS.free();
    return 0;
}
