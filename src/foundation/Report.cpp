#include "foundation/Report.h"

#include "foundation/Utils.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace bg {

FixedString sourceName(const char* path) {
    const char* base = std::strrchr(path, '/');
    base = base ? base + 1 : path;
    FixedString name(base);
    const char* dot = std::strrchr(name.c_str(), '.');
    if (dot) name.truncate(static_cast<int>(dot - name.c_str()));
    return name;
}

void assertionFailed(const char* path, int line, const char* condition) {
    std::fprintf(stderr, "ASSERTION FAILED:%s:%d: %s\n", sourceName(path).c_str(), line, condition);
    std::fflush(stderr);
    std::exit(1);
}

void containerAssertionFailed(const char* path, int line, const char* name, const char* condition) {
    std::fprintf(stderr, "ASSERTION FAILED:%s:%d:%s: %s\n", sourceName(path).c_str(), line, name,
                 condition);
    std::fflush(stderr);
    std::exit(1);
}

void containerWarning(const char* path, int line, const char* name, const char* message) {
    std::fprintf(stderr, "WARNING:%s:%d:%s: %s\n", sourceName(path).c_str(), line, name, message);
    std::fflush(stderr);
}

namespace {

// Error and warning lines are built in a fixed string, so a long report is
// cut at 255 characters, newline included.
void writeLine(const char* path, int line, const char* kind, const FixedString& message) {
    FixedString text = sourceName(path) + ":" + line + kind + message.c_str() + "\n";
    std::fprintf(stderr, "%s", text.c_str());
    std::fflush(stderr);
}

} // namespace

void reportError(const char* path, int line, const FixedString& message) {
    writeLine(path, line, ": ERROR : ", message);
}

void fatalError(const char* path, int line, const FixedString& message) {
    writeLine(path, line, ": ERROR : ", message);
    std::exit(1);
}

void reportWarning(const char* path, int line, const FixedString& message) {
    writeLine(path, line, ": WARNING : ", message);
}

namespace {
bool gInfoShown = true;
} // namespace

void showInfo(bool shown) { gInfoShown = shown; }
bool isInfoShown() { return gInfoShown; }

void reportInfo(const FixedString& message) {
    if (!gInfoShown) return;
    FixedString text = FixedString("INFO : ") + message.c_str() + "\n";
    std::fprintf(stderr, "%s", text.c_str());
}

} // namespace bg
