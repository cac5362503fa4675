// Cost of finding entries in a large archive: 66,000 small entries (the
// size of a big game's data), the archive opened once, then files loaded
// by name in letter cases other than the stored ones, against reading the
// same entry with the zip library's own search.
//
//   build/bench/archive_bench [lookups]

#include "tools/media/Media.h"
#include "vfs/VFS.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <unistd.h>
#include <unzip.h>
#include <vector>

namespace {

double millisecondsSince(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

} // namespace

int main(int argc, char** argv) {
    const int lookups = argc > 1 ? std::max(1, std::atoi(argv[1])) : 200;
    constexpr int ENTRIES = 66000;
    std::vector<bg::media::ZipEntry> entries;
    for (int i = 0; i < ENTRIES; ++i) entries.push_back({"Data/Level" + std::to_string(i % 50) + "/Thing" + std::to_string(i) + ".txt", "x"});
    const std::string path = "/tmp/brawlgear-archive-bench-" + std::to_string(getpid()) + ".zip";
    std::ofstream(path, std::ios::binary) << bg::media::zip(entries);

    bg::gVFS = bg::SharedPointer<bg::VFS>(new bg::VFS);
    auto start = std::chrono::steady_clock::now();
    bg::gVFS->open(path.c_str());
    const double opening = millisecondsSince(start);

    std::vector<std::string> names;
    for (int i = 0; i < lookups; ++i) {
        std::string name = entries[static_cast<std::size_t>(i * 7919 % ENTRIES)].name;
        for (char& c : name) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        names.push_back(name);
    }
    std::FILE* quiet = std::freopen("/dev/null", "w", stderr); // the loads' information lines
    start = std::chrono::steady_clock::now();
    int found = 0;
    for (const std::string& name : names) found += bg::File(name.c_str(), true).getSize() == 1;
    const double indexed = millisecondsSince(start) / lookups;

    start = std::chrono::steady_clock::now();
    unzFile zip = unzOpen(path.c_str());
    const double plainOpening = millisecondsSince(start);
    start = std::chrono::steady_clock::now();
    const int scans = std::min(lookups, 20);
    for (int i = 0; i < scans; ++i) found += unzLocateFile(zip, names[static_cast<std::size_t>(i)].c_str(), 2) == UNZ_OK;
    const double scanned = millisecondsSince(start) / scans;
    unzClose(zip);
    (void)quiet;
    bg::gVFS.free();
    std::remove(path.c_str());

    std::printf("%d entries: opening with the index %.1f ms, the zip library's open alone %.1f ms\n", ENTRIES,
                opening, plainOpening);
    std::printf("load by name through the index: %.3f ms a file (%d lookups)\n", indexed, lookups);
    std::printf("the zip library's own search:   %.3f ms a name (%d lookups)\n", scanned, scans);
    std::printf("found %d of %d\n", found, lookups + scans);
    return found == lookups + scans ? 0 : 1;
}
