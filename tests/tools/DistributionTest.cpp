// The engine's Debian package and a game bundle, made by the real tools from
// this build and taken apart again.

#include "foundation/Version.h"
#include "support/Support.h"
#include "tools/pack/Bundle.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;
using bgtest::RunResult;

namespace {

// The libraries a file names itself (readelf, not the bundler's reader).
std::set<std::string> needed(const std::string& file) {
    const RunResult dynamic = bgtest::run({"readelf", "-d", file}, ".");
    EXPECT_EQ(dynamic.exitCode, 0) << dynamic.err;
    std::set<std::string> names;
    std::istringstream in(dynamic.out);
    for (std::string line; std::getline(in, line);) {
        if (line.find("(NEEDED)") == std::string::npos) continue;
        const auto from = line.find('[') + 1;
        names.insert(line.substr(from, line.find(']') - from));
    }
    return names;
}

// soname -> file, as the loader finds them.
std::map<std::string, std::string> resolved(const std::string& file, const std::vector<std::string>& environment = {}) {
    std::vector<std::string> argv{"env"};
    argv.insert(argv.end(), environment.begin(), environment.end());
    argv.insert(argv.end(), {"ldd", file});
    const RunResult listing = bgtest::run(argv, ".");
    EXPECT_EQ(listing.exitCode, 0) << listing.err;
    std::map<std::string, std::string> found;
    std::istringstream in(listing.out);
    for (std::string line; std::getline(in, line);) {
        const auto arrow = line.find(" => ");
        if (arrow == std::string::npos) continue;
        const std::string soname = line.substr(line.find_first_not_of(" \t"), arrow - line.find_first_not_of(" \t"));
        found[soname] = line.substr(arrow + 4, line.find(" (", arrow) - arrow - 4);
    }
    return found;
}

std::string package(const std::string& file) {
    for (std::string candidate : {file, fs::canonical(file).string()})
        for (int merged = 0; merged < 2; ++merged) {
            const RunResult owner = bgtest::run({"dpkg", "-S", candidate}, ".");
            if (owner.exitCode == 0) return owner.out.substr(0, owner.out.find(':'));
            candidate = candidate.compare(0, 5, "/usr/") == 0 ? candidate.substr(4) : "/usr" + candidate;
        }
    return {};
}

TEST(Package, HoldsTheEngineToolsDocsAndManualsAndDependsOnWhatTheyLink) {
    bgtest::ScratchDir scratch;
    const RunResult made = bgtest::run({"cpack", "--config", BRAWLGEAR_BINARY_DIR "/CPackConfig.cmake", "-G", "DEB",
                                        "-B", scratch / "out"}, BRAWLGEAR_BINARY_DIR);
    ASSERT_EQ(made.exitCode, 0) << made.out << made.err;
    const std::string architecture = bgtest::run({"dpkg", "--print-architecture"}, ".").out;
    const std::string deb = scratch / ("out/brawlgear_" BRAWLGEAR_VERSION "_" +
                                       architecture.substr(0, architecture.find('\n')) + ".deb");
    ASSERT_TRUE(fs::exists(deb)) << made.out;

    ASSERT_EQ(bgtest::run({"dpkg-deb", "-x", deb, scratch / "root"}, ".").exitCode, 0);
    for (const char* file :
         {"bin/brawlgear", "bin/brawlgear-pack", "bin/brawlgear-font", "share/doc/brawlgear/README.md",
          "share/doc/brawlgear/API.md", "share/doc/brawlgear/scripting.md", "share/doc/brawlgear/distributing.md",
          "share/doc/brawlgear/copyright", "share/brawlgear/editor/brawlgear.lua", "share/man/man1/brawlgear.1.gz",
          "share/man/man1/brawlgear-pack.1.gz", "share/man/man1/brawlgear-font.1.gz"})
        EXPECT_TRUE(scratch.exists("root/usr/" + std::string(file))) << file;
    // Every library the executables link comes with a package that Depends names.
    const RunResult control = bgtest::run({"dpkg-deb", "-f", deb, "Depends"}, ".");
    std::set<std::string> depends;
    std::istringstream in(control.out);
    for (std::string word; in >> word;) {
        if (word.back() == ',') word.pop_back();
        if (word != "|" && word[0] != '(' && word.back() != ')') depends.insert(word.substr(0, word.find(':')));
    }
    for (const char* tool : {"brawlgear", "brawlgear-pack", "brawlgear-font"}) {
        const std::string file = scratch / ("root/usr/bin/" + std::string(tool));
        const RunResult version = bgtest::run({file, "--version"}, ".");
        EXPECT_EQ(version.exitCode, 0);
        EXPECT_EQ(version.out, std::string(tool) + " " BRAWLGEAR_VERSION "\n");
        const auto found = resolved(file);
        for (const std::string& soname : needed(file)) {
            ASSERT_TRUE(found.count(soname)) << soname;
            const std::string owner = package(found.at(soname));
            EXPECT_FALSE(owner.empty()) << found.at(soname);
            EXPECT_TRUE(depends.count(owner)) << tool << " links " << soname << " from " << owner << "; Depends: "
                                              << control.out;
        }
    }
}

// One bundle (two makings of it) for everything: it runs from anywhere with
// the libraries it carries, and keeps the player's settings outside a
// read-only install.
TEST(Bundle, RunsFromAnywhereWithTheLibrariesItCarriesAndKeepsThePlayersSettings) {
    bgtest::ScratchDir scratch;
    // The sample game under a name of its own.
    ASSERT_EQ(bgtest::run({"cp", "-r", BRAWLGEAR_DEMO_STAGE, scratch / "dungeon"}, ".").exitCode, 0);
    const auto bundle = [&](const std::vector<std::string>& extra) {
        std::vector<std::string> argv{BRAWLGEAR_PACK_EXE, "--bundle", scratch / "dungeon", scratch / "out"};
        argv.insert(argv.end(), extra.begin(), extra.end());
        return bgtest::run(argv, scratch.path());
    };
    // The launcher, from a folder of its own.
    scratch.write("elsewhere/.keep", "");
    const auto play = [&](const std::vector<std::string>& environment, std::vector<std::string> argv) {
        argv.insert(argv.end(), {scratch / "out/dungeon", "--frames", "3", "-q"});
        return bgtest::run(argv, scratch / "elsewhere", environment);
    };

    const RunResult made = bundle({"--tar"});
    ASSERT_EQ(made.exitCode, 0) << made.err;
    for (const char* file : {"out/dungeon", "out/bin/brawlgear", "out/game/dungeon.zip", "out/game/Engine.cfg",
                             "out/LICENSES/README.txt", "out.tar.gz"})
        EXPECT_TRUE(scratch.exists(file)) << file;
    EXPECT_EQ(access((scratch / "out/dungeon").c_str(), X_OK), 0);
    EXPECT_NE(bgtest::run({"tar", "-tzf", scratch / "out.tar.gz"}, ".").out.find("out/lib/libSDL-1.2.so.0\n"),
              std::string::npos);

    // What the engine and each bundled library need is bundled, or the system's.
    std::set<std::string> carried;
    for (const auto& entry : fs::directory_iterator(scratch / "out/lib")) carried.insert(entry.path().filename());
    EXPECT_TRUE(carried.count("libSDL-1.2.so.0") && carried.count("libopenal.so.1") && carried.count("libvorbisfile.so.3"));
    EXPECT_FALSE(carried.count("libc.so.6") || carried.count("libGL.so.1") || carried.count("libX11.so.6") ||
                 carried.count("libasound.so.2") || carried.count("libstdc++.so.6"));
    std::vector<std::string> files{scratch / "out/bin/brawlgear"};
    for (const std::string& name : carried) files.push_back(scratch / ("out/lib/" + name));
    for (const std::string& file : files)
        for (const std::string& soname : needed(file))
            EXPECT_TRUE(carried.count(soname) || bg::pack::isSystemLibrary(soname)) << file << " needs " << soname;
    // The loader takes them from the bundle.
    const auto found = resolved(scratch / "out/bin/brawlgear", {"LD_LIBRARY_PATH=" + scratch / "out/lib"});
    for (const std::string& name : carried) EXPECT_EQ(found.at(name), scratch / ("out/lib/" + name));
    // Each carried library's licence.
    const std::string licences = scratch.read("out/LICENSES/README.txt");
    EXPECT_NE(licences.find("libsdl1.2debian.copyright: libSDL-1.2.so.0"), std::string::npos) << licences;
    EXPECT_TRUE(scratch.exists("out/LICENSES/libsdl1.2debian.copyright"));
    EXPECT_EQ(licences.find("unknown"), std::string::npos) << licences;

    RunResult played = play({}, {});
    EXPECT_EQ(played.exitCode, 0) << played.err;
    EXPECT_NE(scratch.read("out/game/Engine.cfg").find("SDL_FULLSCREEN = 0"), std::string::npos); // windowed

    // Bundling again replaces the bundle; a folder it did not make is refused.
    ASSERT_EQ(bundle({}).exitCode, 0);
    scratch.write("mine/notes.txt", "mine");
    const RunResult refused =
        bgtest::run({BRAWLGEAR_PACK_EXE, "--bundle", scratch / "dungeon", scratch / "mine"}, scratch.path());
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_EQ(refused.err, "brawlgear-pack: " + scratch / "mine" + " is not empty and no bundle made it; choose a new folder\n");
    EXPECT_EQ(scratch.read("mine/notes.txt"), "mine");

    // Installed read-only: the settings go to the player's data folder.
    fs::permissions(scratch.path(), fs::perms::others_read | fs::perms::others_exec, fs::perm_options::add);
    const auto readOnly = fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read;
    fs::permissions(scratch / "out/game/Engine.cfg", readOnly);
    fs::permissions(scratch / "out/game", fs::perms::owner_read | fs::perms::owner_exec | fs::perms::others_read |
                                              fs::perms::others_exec);
    scratch.write("data/.keep", "");
    fs::permissions(scratch / "data", fs::perms::all);
    // The superuser writes anywhere: play as nobody then.
    const std::vector<std::string> player =
        geteuid() == 0 ? std::vector<std::string>{"setpriv", "--reuid=65534", "--regid=65534", "--clear-groups"}
                       : std::vector<std::string>{};
    const std::vector<std::string> environment{"XDG_DATA_HOME=" + scratch / "data"};
    const std::string bundled = scratch.read("out/game/Engine.cfg");

    played = play(environment, player);
    ASSERT_EQ(played.exitCode, 0) << played.err;
    EXPECT_EQ(played.err.find("ERROR"), std::string::npos) << played.err; // saved at exit
    EXPECT_EQ(scratch.read("out/game/Engine.cfg"), bundled);
    std::string mine = scratch.read("data/dungeon/Engine.cfg");
    ASSERT_NE(mine.find("SDL_SCREEN_WIDTH = 800\n"), std::string::npos) << mine;

    // The player's own value stays; a key a new version brings is added.
    mine.replace(mine.find("SDL_SCREEN_WIDTH = 800\n"), 23, "SDL_SCREEN_WIDTH = 640\n");
    scratch.write("data/dungeon/Engine.cfg", mine);
    fs::permissions(scratch / "out/game", fs::perms::owner_write, fs::perm_options::add);
    fs::remove(scratch / "out/game/Engine.cfg");
    scratch.write("out/game/Engine.cfg", bundled + "DUNGEON_LEVELS = 9\n");
    fs::permissions(scratch / "out/game/Engine.cfg", readOnly);
    fs::permissions(scratch / "out/game", fs::perms::owner_write, fs::perm_options::remove);
    played = play(environment, player);
    ASSERT_EQ(played.exitCode, 0) << played.err;
    mine = scratch.read("data/dungeon/Engine.cfg");
    EXPECT_NE(mine.find("SDL_SCREEN_WIDTH = 640\n"), std::string::npos) << mine;
    EXPECT_NE(mine.find("DUNGEON_LEVELS = 9\n"), std::string::npos) << mine;
}

} // namespace
