// Any bytes as a picture: the first byte picks the name's extension (the
// decoder's hint for TGA, and what the engine refuses), the rest is the
// file, loaded as an image would be.

#include "media/Image.h"
#include "vfs/VFS.h"

#include "Input.h"

#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 1) return 0;
    static const char* const extensions[] = {"png", "bmp", "jpg", "tga", "gif", "Tga", "xpm", "xcf"};
    const char* extension = extensions[data[0] % 8];
    ++data, --size;

    static const std::string dir = bgfuzz::folder("image");
    const std::string name = std::string("f.") + extension;
    if (!bgfuzz::write(dir + "/" + name, data, size)) return 0;

    if (bg::gVFS.isNull()) bg::gVFS = bg::SharedPointer<bg::VFS>(new bg::VFS);
    bg::gVFS->setDirectory(dir.c_str());
    const bg::ImageData image = bg::loadImage(name.c_str(), false);
    if (image.width > 0) image.getPixel(image.width - 1, image.height - 1);
    return 0;
}
