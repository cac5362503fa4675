#ifndef BRAWLGEAR_APP_COMMANDLINE_H
#define BRAWLGEAR_APP_COMMANDLINE_H

// The executable's arguments:
//
//   brawlgear [-windowed] [-q] [--dev] [--frames N ...] [GAME]
//   brawlgear --new DIR
//   brawlgear --help | --version
//
// "-windowed" may stand anywhere (the first place has always worked).
// Options the engine does not know are passed over with a word, as they
// always were; GAME is the one argument that is not an option.

#include "app/Capture.h"

#include <string>

namespace bg::app {

struct CommandLine {
    bool help = false;
    bool version = false;
    bool windowed = false;
    bool quiet = false;   // -q, --quiet: no information lines
    bool dev = false;     // --dev: run the game's sources as they are
    std::string newGame;  // --new DIR
    std::string game;     // a folder or a zip archive; empty: the working folder
    capture::Options capture;
};

// False with a message for what cannot be used.
bool parseCommandLine(int argc, char** argv, CommandLine& line, std::string& error);

} // namespace bg::app

#endif
