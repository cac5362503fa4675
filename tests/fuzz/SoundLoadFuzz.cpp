// Any bytes as an Ogg Vorbis sound, decoded as the sound manager would,
// with and without a size-table entry for it.

#include "media/Vorbis.h"
#include "vfs/VFS.h"

#include "Input.h"

#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const std::string dir = bgfuzz::folder("sound");
    const std::string entry = "t.ogg " + std::to_string(size % 5000 + 1) + "\n";
    if (!bgfuzz::write(dir + "/s.ogg", data, size) || !bgfuzz::write(dir + "/t.ogg", data, size) ||
        !bgfuzz::write(dir + "/Sounds.txt", entry.data(), entry.size()))
        return 0;

    bg::gVFS = bg::SharedPointer<bg::VFS>(new bg::VFS);
    bg::gVFS->setDirectory(dir.c_str());
    bg::gVFS->loadOggsSize("Sounds.txt");
    bg::loadSound("s.ogg");
    bg::loadSound("t.ogg");
    return 0;
}
