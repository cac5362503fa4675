// Any bytes as a font description, loaded and measured as the engine
// would, with strings that reach both ends of any range.

#include "graphics/Font.h"
#include "graphics/Texture.h"
#include "vfs/VFS.h"

#include "Input.h"

#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const std::string dir = bgfuzz::folder("font");
    if (!bgfuzz::write(dir + "/f.txt", data, size)) return 0;
    if (bg::gVFS.isNull()) bg::gVFS = bg::SharedPointer<bg::VFS>(new bg::VFS);
    bg::gVFS->setDirectory(dir.c_str());
    if (bg::gTextureManager.isNull()) bg::gTextureManager = bg::SharedPointer<bg::TextureManager>(new bg::TextureManager);
    bg::FontManager fonts("f.txt", 1.5f);
    fonts.getStringWidth("\x01 A~\x7f\xff");
    fonts.getStringHeight();
    return 0;
}
