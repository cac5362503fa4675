#ifndef BRAWLGEAR_APP_STARTERGAME_H
#define BRAWLGEAR_APP_STARTERGAME_H

// brawlgear --new DIR: a small game that runs at once with --dev, made from
// what the executable carries (the default fonts, baked at build time) and
// what it generates (a texture).

#include <cstddef>
#include <string>

namespace bg::app {

// Files built into the executable; the table ends with a null name.
struct EmbeddedFile {
    const char* name;
    const unsigned char* data;
    std::size_t size;
};
extern const EmbeddedFile EMBEDDED_FILES[];

// Writes the starter game into `folder`, which must not exist or be empty.
// False with a message otherwise; `taken` tells the folder was in use (as
// against a failed write).
bool writeStarterGame(const std::string& folder, std::string& error, bool& taken);

// Writes the built-in default fonts (Fonts/Font.txt, Fonts/Font3.txt and
// their pictures) below `folder`; false when they cannot be written.
bool writeDefaultFonts(const std::string& folder);

} // namespace bg::app

#endif
