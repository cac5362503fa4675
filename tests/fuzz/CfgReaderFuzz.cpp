// Engine.cfg as anybody may have edited it: read it, look every variable up
// by name, write it back and read that again.

#include "config/Var.h"

#include "Input.h"

#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // More lines than the table holds are fatal by design; stay below that.
    std::size_t lines = 1 + size / 255;
    for (std::size_t i = 0; i < size; ++i) lines += data[i] == '\n';
    if (lines > bg::VarManager::CAPACITY) return 0;

    static const std::string path = bgfuzz::folder("cfg") + "/Engine.cfg";
    if (!bgfuzz::write(path, data, size)) return 0;

    {
        bg::VarManager vars(path.c_str());
        for (int i = 0; i < 8 && i < vars.size(); ++i) (void)vars.has("SDL_SCREEN_WIDTH");
        vars.end();
    }
    bg::VarManager again(path.c_str());
    again.end();
    return 0;
}
