#ifndef BRAWLGEAR_GRAPHICS_SCENESETUP_H
#define BRAWLGEAR_GRAPHICS_SCENESETUP_H

// What the scene's units share while they set contexts up from Engine.cfg:
// its keys, the enumerant names it may hold, and the driver's strings.
// Private to the scene.

#include "config/Var.h"
#include "foundation/Report.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>

namespace bg::scenesetup {

struct Enumerant {
    const char* name;
    int value;
};

inline Var& var(const char* key) { return gVarManager->get(key); }

// The value of a configuration key that names an enumerant; an unknown name
// is reported (as the scene's) and `fallback` (-1: none) is returned.
template <std::size_t N> int enumerant(const char* key, const Enumerant (&table)[N], int fallback, const char* where) {
    const char* value = var(key).getValue();
    for (const Enumerant& e : table)
        if (std::strcmp(value, e.name) == 0) return e.value;
    reportError("Scene", __LINE__, FixedString(where) + " : Invalid " + key + " value!");
    return fallback;
}

// Driver extension lists, one name a line.
inline void printExtensions(const char* title, const char* extensions) {
    if (!isInfoShown()) return;
    std::string list = extensions ? extensions : "";
    std::replace(list.begin(), list.end(), ' ', '\n');
    std::replace(list.begin(), list.end(), ',', '\n');
    std::fprintf(stderr, "%s:\n%s\n\n", title, list.c_str());
}

inline const char* text(const unsigned char* s) { return s ? reinterpret_cast<const char*>(s) : ""; }
inline const char* text(const char* s) { return s ? s : ""; }

} // namespace bg::scenesetup

#endif
