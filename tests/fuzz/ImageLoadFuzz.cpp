// Any bytes as a picture: the first byte picks the name's extension (the
// decoder's hint), the rest is the file, loaded as an image would be.
// Formats whose headers the engine does not size-check (everything but
// PNG, BMP, JPEG, GIF and TGA) are passed over: their decoders may ask for
// any amount of memory, which the fuzzer would take for a failure.

#include "vfs/VFS.h"

#include <SDL_image.h>
#include <cstdint>
#include <cstdio>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace {

bool checkedFormat(SDL_RWops* rw, const char* extension) {
    const bool tga = std::string(extension) == "tga";
    const int magic[] = {IMG_isICO(rw), IMG_isCUR(rw), IMG_isLBM(rw), IMG_isPCX(rw), IMG_isPNM(rw),
                         IMG_isTIF(rw), IMG_isXCF(rw), IMG_isXPM(rw), IMG_isXV(rw),  IMG_isWEBP(rw)};
    for (int m : magic)
        if (m) return false;
    const bool known = IMG_isPNG(rw) || IMG_isBMP(rw) || IMG_isJPG(rw) || IMG_isGIF(rw);
    return known || tga;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 1) return 0;
    static const char* const extensions[] = {"png", "bmp", "jpg", "tga"};
    const char* extension = extensions[data[0] % 4];
    ++data, --size;
    SDL_RWops* rw = SDL_RWFromConstMem(data, static_cast<int>(size));
    const bool checked = rw && checkedFormat(rw, extension);
    if (rw) SDL_RWclose(rw);
    if (!checked) return 0;

    static const std::string dir = "/tmp/brawlgear-fuzz-image-" + std::to_string(getpid());
    static const bool made = (mkdir(dir.c_str(), 0700), true);
    (void)made;
    const std::string name = std::string("f.") + extension;
    std::FILE* file = std::fopen((dir + "/" + name).c_str(), "wb");
    if (!file) return 0;
    std::fwrite(data, 1, size, file);
    std::fclose(file);

    if (bg::gVFS.isNull()) bg::gVFS = bg::SharedPointer<bg::VFS>(new bg::VFS);
    bg::gVFS->setDirectory(dir.c_str());
    const bg::ImageData image = bg::gVFS->loadImage(name.c_str(), false);
    if (image.width > 0) image.getPixel(image.width - 1, image.height - 1);
    return 0;
}
