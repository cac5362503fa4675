// Any bytes as an Ogg Vorbis sound, decoded as the sound manager would,
// with and without a size-table entry for it.

#include "media/Vorbis.h"
#include "vfs/VFS.h"

#include <cstdint>
#include <cstdio>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const std::string dir = "/tmp/brawlgear-fuzz-sound-" + std::to_string(getpid());
    static const bool made = (mkdir(dir.c_str(), 0700), true);
    (void)made;
    std::FILE* file = std::fopen((dir + "/s.ogg").c_str(), "wb");
    if (!file) return 0;
    std::fwrite(data, 1, size, file);
    std::fclose(file);
    file = std::fopen((dir + "/t.ogg").c_str(), "wb");
    if (!file) return 0;
    std::fwrite(data, 1, size, file);
    std::fclose(file);
    file = std::fopen((dir + "/Sounds.txt").c_str(), "w");
    if (!file) return 0;
    std::fprintf(file, "t.ogg %zu\n", size % 5000 + 1);
    std::fclose(file);

    bg::gVFS = bg::SharedPointer<bg::VFS>(new bg::VFS);
    bg::gVFS->setDirectory(dir.c_str());
    bg::gVFS->loadOggsSize("Sounds.txt");
    bg::loadSound("s.ogg");
    bg::loadSound("t.ogg");
    return 0;
}
