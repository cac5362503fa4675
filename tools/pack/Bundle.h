#ifndef BRAWLGEAR_TOOLS_PACK_BUNDLE_H
#define BRAWLGEAR_TOOLS_PACK_BUNDLE_H

// A game bundle: a folder a player unpacks anywhere and runs.
//
//   OUTDIR/NAME         the launcher (NAME.sh if NAME is one of the folders)
//   OUTDIR/bin/         the engine
//   OUTDIR/lib/         the shared libraries it needs that a desktop may lack
//   OUTDIR/game/        NAME.zip and its Engine.cfg
//   OUTDIR/LICENSES/    the copyright files of what lib/ and the engine carry
//
// A library is bundled when the engine reaches it through libraries that
// are themselves bundled, and it is none of the system's own: the C
// library and loader, the C++ and GCC runtime, libGL and the GL driver
// stack, X11 and its extensions, the ALSA and PulseAudio clients. Those
// come from the player's machine, where the GL driver loads its own copies.

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace bg::pack {

// Packs a game folder into an archive (the packer's own work).
using PackGame = std::function<bool(const std::filesystem::path& source, const std::filesystem::path& archive)>;

struct BundleOptions {
    std::filesystem::path game;   // the game's source folder
    std::filesystem::path output; // OUTDIR
    std::filesystem::path engine; // the brawlgear executable to carry
    bool tar = false;             // also write OUTDIR.tar.gz
};

// False (with the reason on standard error) when anything could not be
// made; an existing OUTDIR is reused only if an earlier bundle made it.
bool bundleGame(const BundleOptions& options, const PackGame& pack);

// What the bundle decides, apart from the writing, for the tests.
bool isSystemLibrary(const std::string& soname);
// The DT_NEEDED names of a 64-bit ELF file.
bool neededLibraries(const std::string& path, std::vector<std::string>& needed, std::string& error);

} // namespace bg::pack

#endif
