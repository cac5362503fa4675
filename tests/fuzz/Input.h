#ifndef BRAWLGEAR_TESTS_FUZZ_INPUT_H
#define BRAWLGEAR_TESTS_FUZZ_INPUT_H

// The fuzzers' files: a folder of this process's own, and the input
// written to a file.

#include <cstdint>
#include <cstdio>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace bgfuzz {

// /tmp/brawlgear-fuzz-KIND-PID, made when it is not there yet.
inline std::string folder(const std::string& kind) {
    const std::string path = "/tmp/brawlgear-fuzz-" + kind + "-" + std::to_string(getpid());
    mkdir(path.c_str(), 0700);
    return path;
}

// False when the file could not be written whole.
inline bool write(const std::string& path, const void* data, size_t size) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) return false;
    const bool whole = std::fwrite(data, 1, size, file) == size;
    return std::fclose(file) == 0 && whole;
}

} // namespace bgfuzz

#endif
