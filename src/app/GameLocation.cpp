#include "app/GameLocation.h"

#include <sys/stat.h>
#include <unzip.h>

namespace bg::app {

namespace {

bool isFile(const std::string& path) {
    struct stat info;
    return ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

} // namespace

bool locateGame(const std::string& game, GameLocation& where, std::string& error) {
    where = GameLocation();
    if (game.empty()) return true; // the working folder, whatever it holds, as always
    struct stat info;
    if (::stat(game.c_str(), &info) != 0) return error = game + " does not exist", false;
    if (S_ISDIR(info.st_mode)) {
        const std::string folder = game + "/";
        if (!isFile(folder + "Engine.cfg") && !isFile(folder + "Scripts/Main.o") && !isFile(folder + "Scripts/Main.lua"))
            return error = game + " holds no game: no Engine.cfg, no Scripts/Main.lua or Scripts/Main.o", false;
        where.folder = game;
        return true;
    }
    if (!S_ISREG(info.st_mode)) return error = game + " is neither a game folder nor a zip archive", false;
    unzFile zip = unzOpen(game.c_str());
    if (!zip) return error = game + " is not a zip archive", false;
    const bool hasMain = unzLocateFile(zip, "Scripts/Main.o", 2) == UNZ_OK;
    unzClose(zip);
    if (!hasMain) return error = game + " holds no game: no Scripts/Main.o (pack the game with brawlgear-pack)", false;
    const std::size_t slash = game.rfind('/');
    where.folder = slash == std::string::npos ? "." : slash == 0 ? "/" : game.substr(0, slash);
    where.archive = slash == std::string::npos ? game : game.substr(slash + 1);
    return true;
}

} // namespace bg::app
