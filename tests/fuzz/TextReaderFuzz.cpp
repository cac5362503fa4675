// The line reader over any text: every line fits the fixed string and the
// reader always moves forward to the end.

#include "vfs/VFS.h"

#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    bg::TextReader reader;
    reader.reset(text.c_str());
    int previous = -1;
    while (!reader.isEnd()) {
        const bg::FixedString& line = reader.readLine();
        if (line.length() > bg::MAX_STR_SIZE - 1 || reader.getPosition() <= previous) std::abort();
        previous = reader.getPosition();
    }
    if (reader.getPosition() != reader.getLength()) std::abort();
    return 0;
}
