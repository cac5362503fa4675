#ifndef BRAWLGEAR_FOUNDATION_REPORT_H
#define BRAWLGEAR_FOUNDATION_REPORT_H

// Every diagnostic of the engine goes through these helpers, so the formats
// live in one place. All reports go to standard error. A report names the
// source file that raised it by its base name without extension, which is
// why engine units are named after the subsystem their reports speak for
// ("Var", "VFS", "Utils", "Pointer", ...).

namespace bg {

class FixedString;

// "ASSERTION FAILED:file:line: condition", then exit(1).
[[noreturn]] void assertionFailed(const char* path, int line, const char* condition);
// "ASSERTION FAILED:file:line:name: condition", then exit(1).
[[noreturn]] void containerAssertionFailed(const char* path, int line, const char* name,
                                           const char* condition);
// "WARNING:file:line:name: message"; the caller carries on.
void containerWarning(const char* path, int line, const char* name, const char* message);

// "file:line: ERROR : message". Non-fatal: the caller returns its failure value.
void reportError(const char* path, int line, const FixedString& message);
// The same line, then exit(1).
[[noreturn]] void fatalError(const char* path, int line, const FixedString& message);
// "file:line: WARNING : message".
void reportWarning(const char* path, int line, const FixedString& message);
// "INFO : message", unless information lines are hidden.
void reportInfo(const FixedString& message);
// Information lines (drivers, extensions, files loaded) are shown unless a
// quiet run hides them; warnings and errors always are.
void showInfo(bool shown);
bool isInfoShown();

// Base name of a source path without its extension: "src/config/Var.cpp" -> "Var".
FixedString sourceName(const char* path);

} // namespace bg

// Reports name their source file (without folder and extension). A unit
// whose code moved out of another file redefines BG_REPORT_FILE after its
// includes, so that its reports keep the name they always had.
#define BG_REPORT_FILE __FILE__

#define BG_ASSERT(condition)                                                   \
    do {                                                                       \
        if (!(condition)) ::bg::assertionFailed(BG_REPORT_FILE, __LINE__, #condition); \
    } while (0)

#define BG_CONTAINER_ASSERT(name, condition)                                                \
    do {                                                                                    \
        if (!(condition)) ::bg::containerAssertionFailed(BG_REPORT_FILE, __LINE__, name, #condition); \
    } while (0)

#define BG_CONTAINER_WARNING(name, message) ::bg::containerWarning(BG_REPORT_FILE, __LINE__, name, message)
#define BG_ERROR(message) ::bg::reportError(BG_REPORT_FILE, __LINE__, message)
#define BG_FATAL(message) ::bg::fatalError(BG_REPORT_FILE, __LINE__, message)
#define BG_WARNING(message) ::bg::reportWarning(BG_REPORT_FILE, __LINE__, message)
#define BG_INFO(message) ::bg::reportInfo(message)

#endif
