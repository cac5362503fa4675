#ifndef BRAWLGEAR_APP_GAMELOCATION_H
#define BRAWLGEAR_APP_GAMELOCATION_H

// Where a game named on the command line lives. A folder is run in place:
// Engine.cfg is read from it and written back to it. An archive is run from
// its own folder (where the packer writes Engine.cfg beside it) and the game
// is read from it, whatever Engine.cfg says about archives.

#include <string>

namespace bg::app {

struct GameLocation {
    std::string folder = "."; // to run in
    std::string archive;      // to read the game from, relative to the folder; empty: the folder itself
};

// False with a message when the game does not exist or holds no game: a
// folder needs Engine.cfg or a main script (packed, or as source), an
// archive needs Scripts/Main.o.
bool locateGame(const std::string& game, GameLocation& where, std::string& error);

} // namespace bg::app

#endif
