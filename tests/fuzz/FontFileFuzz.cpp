// Any bytes as a font description, loaded and measured as the engine
// would, with strings that reach both ends of any range.

#include "graphics/Font.h"
#include "graphics/Texture.h"
#include "vfs/VFS.h"

#include <cstdint>
#include <cstdio>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const std::string dir = "/tmp/brawlgear-fuzz-font-" + std::to_string(getpid());
    static const bool made = (mkdir(dir.c_str(), 0700), true);
    (void)made;
    std::FILE* file = std::fopen((dir + "/f.txt").c_str(), "wb");
    if (!file) return 0;
    std::fwrite(data, 1, size, file);
    std::fclose(file);
    if (bg::gVFS.isNull()) bg::gVFS = bg::SharedPointer<bg::VFS>(new bg::VFS);
    bg::gVFS->setDirectory(dir.c_str());
    if (bg::gTextureManager.isNull()) bg::gTextureManager = bg::SharedPointer<bg::TextureManager>(new bg::TextureManager);
    bg::FontManager fonts("f.txt", 1.5f);
    fonts.getStringWidth("\x01 A~\x7f\xff");
    fonts.getStringHeight();
    return 0;
}
