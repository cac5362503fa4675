// brawlgear-pack: turns a game folder into what the engine loads. Every
// X.lua becomes the stored script X.o (checked by the interpreter, then
// scrambled); every other file is copied as it is. The output is a folder,
// or a zip archive when its name ends in ".zip".

#include "foundation/Version.h"
#include "tools/pack/Bundle.h"
#include "vfs/VFS.h"

#include <algorithm>
#include <cctype>
#include <climits>
#include <cstdint>
#include <ctime>
#include <map>
#include <set>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <lua.hpp>
#include <string>
#include <system_error>
#include <vector>
#include <sys/stat.h>
#include <vorbis/vorbisfile.h>
#include <zip.h>

namespace fs = std::filesystem;

namespace {

const char* const USAGE =
    "usage: brawlgear-pack SOURCE_DIR OUTPUT\n"
    "       brawlgear-pack --bundle SOURCE_DIR OUTDIR [--tar]\n"
    "       brawlgear-pack --help | --version\n"
    "\n"
    "Packs the game folder SOURCE_DIR for the brawlgear engine.\n"
    "\n"
    "  - Every script X.lua is compiled to check it, then stored scrambled\n"
    "    as X.o, the form the engine runs (\"Scripts/Main.lua\" becomes the\n"
    "    main script \"Scripts/Main.o\").\n"
    "  - Every other file is copied unchanged, under the same relative path.\n"
    "  - Files and folders whose names start with '.' are left out.\n"
    "\n"
    "OUTPUT is a folder (created if needed; files already in it are\n"
    "overwritten, and files an earlier pack wrote there that the game no\n"
    "longer has are removed) or, when it ends in \".zip\", a zip archive to\n"
    "name in Engine.cfg as VFS_ARCHIVE (with VFS_LOAD_FROM_ARCHIVE = 1); the\n"
    "game's Engine.cfg is then also written beside the archive, where the\n"
    "engine reads it.\n"
    "\n"
    "Nothing is written, and the packer exits with status 1, when a script\n"
    "has a syntax error (reported as FILE:LINE: message), when two files\n"
    "would be stored under one name (X.lua and a stale X.o; in an archive\n"
    "also names that differ only in letter case, which the engine cannot\n"
    "tell apart), or when a file is 4 GiB or larger.\n"
    "\n"
    "--bundle makes OUTDIR a folder a player unpacks anywhere and runs: the\n"
    "game packed as OUTDIR/game/NAME.zip with its Engine.cfg, the engine\n"
    "beside this tool as OUTDIR/bin/brawlgear, the shared libraries it needs\n"
    "that a desktop may lack in OUTDIR/lib, their copyright files in\n"
    "OUTDIR/LICENSES, and the launcher OUTDIR/NAME (NAME is the game folder's\n"
    "name). The launcher opens a window (--fullscreen: full screen) and keeps\n"
    "the player's Engine.cfg in ~/.local/share/NAME when the bundle's game\n"
    "folder is read-only. --tar also writes OUTDIR.tar.gz.\n";

// What a folder pack wrote, one path a line: the next pack into the same
// folder removes those the game no longer has, and nothing else.
const char* const MANIFEST = ".brawlgear-pack";
constexpr std::uintmax_t MAX_FILE_SIZE = (std::uintmax_t(4) << 30) - 1;

struct Entry {
    std::string path; // relative, '/'-separated
    std::string source;
    std::string bytes;
    std::time_t modified = 0;
    bool script = false;
};

bool endsWith(const std::string& text, const std::string& suffix) {
    return text.size() >= suffix.size() && text.compare(text.size() - suffix.size(), suffix.size(), suffix) == 0;
}

bool readFile(const fs::path& path, std::string& bytes) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return !in.bad();
}

// Compiles a script to catch syntax errors before the game ever runs it.
bool checkScript(lua_State* L, const Entry& script) {
    const std::string chunkName = "@" + script.path;
    if (luaL_loadbuffer(L, script.bytes.data(), script.bytes.size(), chunkName.c_str()) == 0) {
        lua_pop(L, 1);
        return true;
    }
    std::fprintf(stderr, "%s\n", lua_tostring(L, -1));
    lua_pop(L, 1);
    return false;
}

bool collect(const fs::path& source, const fs::path& output, std::vector<Entry>& entries) {
    lua_State* L = luaL_newstate();
    bool ok = true;
    std::error_code error;
    const fs::path outputCanonical = fs::weakly_canonical(output, error);
    fs::recursive_directory_iterator it(source, error), end;
    if (error) {
        std::fprintf(stderr, "brawlgear-pack: cannot read %s: %s\n", source.c_str(), error.message().c_str());
        lua_close(L);
        return false;
    }
    for (; it != end; it.increment(error)) {
        if (error) break;
        const fs::path& path = it->path();
        if (path.filename().string()[0] == '.' || fs::weakly_canonical(path, error) == outputCanonical) {
            if (it->is_directory()) it.disable_recursion_pending();
            continue;
        }
        if (!it->is_regular_file()) continue;
        Entry entry;
        entry.path = path.lexically_relative(source).generic_string();
        entry.source = path.string();
        if (it->file_size(error) > MAX_FILE_SIZE || error) {
            std::fprintf(stderr, "brawlgear-pack: %s is 4 GiB or larger: the engine cannot load it\n", path.c_str());
            ok = false;
            error.clear();
            continue;
        }
        struct stat info;
        if (::stat(path.c_str(), &info) == 0) entry.modified = info.st_mtime;
        if (!readFile(path, entry.bytes)) {
            std::fprintf(stderr, "brawlgear-pack: cannot read %s\n", path.c_str());
            ok = false;
            continue;
        }
        if (endsWith(entry.path, ".lua")) {
            if (!checkScript(L, entry)) ok = false;
            entry.path.replace(entry.path.size() - 4, 4, ".o");
            entry.script = true;
            if (entry.bytes.size() > static_cast<std::size_t>(INT_MAX)) {
                std::fprintf(stderr, "brawlgear-pack: %s is too large\n", path.c_str());
                ok = false;
                continue;
            }
            bg::applySizeKey(entry.bytes.data(), static_cast<int>(entry.bytes.size()));
        }
        entries.push_back(std::move(entry));
    }
    if (error) {
        std::fprintf(stderr, "brawlgear-pack: cannot read %s: %s\n", source.c_str(), error.message().c_str());
        ok = false;
    }
    lua_close(L);
    return ok;
}

std::string lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::tolower(c); });
    return text;
}

struct OggBytes {
    const std::string* bytes;
    std::size_t position;
};

std::size_t readOgg(void* buffer, std::size_t size, std::size_t count, void* source) {
    auto* ogg = static_cast<OggBytes*>(source);
    const std::size_t n = std::min(size * count, ogg->bytes->size() - ogg->position);
    std::memcpy(buffer, ogg->bytes->data() + ogg->position, n);
    ogg->position += n;
    return n;
}

int seekOgg(void* source, ogg_int64_t offset, int origin) {
    auto* ogg = static_cast<OggBytes*>(source);
    const auto size = static_cast<ogg_int64_t>(ogg->bytes->size());
    ogg_int64_t position = origin == SEEK_SET ? offset : origin == SEEK_CUR ? ogg_int64_t(ogg->position) + offset : size;
    ogg->position = static_cast<std::size_t>(std::max<ogg_int64_t>(0, std::min(position, size)));
    return 0;
}

long tellOgg(void* source) { return static_cast<long>(static_cast<OggBytes*>(source)->position); }

// The decoded 16-bit PCM size of an Ogg Vorbis sound, or -1.
long long pcmSize(const std::string& bytes) {
    OggBytes source{&bytes, 0};
    OggVorbis_File vorbis;
    const ov_callbacks callbacks = {readOgg, seekOgg, nullptr, tellOgg};
    if (ov_open_callbacks(&source, &vorbis, nullptr, 0, callbacks) < 0) return -1;
    const vorbis_info* info = ov_info(&vorbis, -1);
    long long size = -1;
    const ogg_int64_t samples = ov_pcm_total(&vorbis, -1);
    if (info && samples > 0) {
        size = static_cast<long long>(samples) * info->channels * 2;
    } else if (info) {
        char block[4096];
        int bitstream = 0;
        size = 0;
        for (long got; (got = ov_read(&vorbis, block, sizeof block, 0, 2, 1, &bitstream)) != 0;)
            if (got > 0) size += got;
    }
    ov_clear(&vorbis);
    return size;
}

// The size table the engine reads with loadOggsSize("Sounds.txt"): a line
// per sound, its name as the game passes it to loadSound and its decoded
// size, so each sound is decoded once. A game's own table wins.
void addSizeTable(std::vector<Entry>& entries) {
    std::string table;
    for (const Entry& entry : entries) {
        if (entry.path == "Sounds.txt") return;
        if (!endsWith(lower(entry.path), ".ogg")) continue;
        const long long size = pcmSize(entry.bytes);
        if (size < 1 || size > INT_MAX) {
            std::fprintf(stderr, "brawlgear-pack: %s is not an Ogg Vorbis sound the engine can load\n",
                         entry.source.c_str());
            continue;
        }
        table += entry.path + " " + std::to_string(size) + "\n";
    }
    if (table.empty()) return;
    Entry sizes;
    sizes.path = "Sounds.txt";
    sizes.source = "(sound size table)";
    sizes.bytes = table;
    sizes.modified = std::time(nullptr);
    entries.push_back(std::move(sizes));
}

// Two files stored under one name would silently overwrite each other; in an
// archive the engine looks names up without regard to case.
bool checkDuplicates(const std::vector<Entry>& entries, bool archive) {
    std::map<std::string, const Entry*> seen;
    bool ok = true;
    for (const Entry& entry : entries) {
        const std::string key = archive ? lower(entry.path) : entry.path;
        const auto [it, added] = seen.emplace(key, &entry);
        if (added) continue;
        std::fprintf(stderr, "brawlgear-pack: %s and %s would both be stored as %s\n", it->second->source.c_str(),
                     entry.source.c_str(), entry.path.c_str());
        ok = false;
    }
    return ok;
}

bool writeBytes(const fs::path& target, const std::string& bytes) {
    std::error_code error;
    fs::create_directories(target.parent_path(), error);
    std::ofstream out(target, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (error || !out) {
        std::fprintf(stderr, "brawlgear-pack: cannot write %s\n", target.c_str());
        return false;
    }
    return true;
}

// Removes what the last pack into `output` wrote and this one does not.
void removeStale(const fs::path& output, const std::vector<Entry>& entries) {
    std::ifstream manifest(output / MANIFEST);
    std::set<std::string> current;
    for (const Entry& entry : entries) current.insert(entry.path);
    std::string line;
    while (std::getline(manifest, line)) {
        // Only plain relative paths below the output folder.
        const fs::path relative = fs::path(line).lexically_normal();
        if (line.empty() || relative.is_absolute() || *relative.begin() == ".." || current.count(line)) continue;
        std::error_code error;
        if (fs::is_regular_file(fs::symlink_status(output / relative, error))) fs::remove(output / relative, error);
    }
}

bool writeFolder(const fs::path& output, const std::vector<Entry>& entries) {
    removeStale(output, entries);
    std::string manifest;
    for (const Entry& entry : entries) manifest += entry.path + "\n";
    if (!writeBytes(output / MANIFEST, manifest)) return false;
    for (const Entry& entry : entries) {
        if (!writeBytes(output / entry.path, entry.bytes)) return false;
    }
    return true;
}

// The archive is written beside its final name and renamed over it once
// complete, so a failed pack never leaves a half-written archive.
bool writeArchive(const fs::path& output, const std::vector<Entry>& entries) {
    const std::string temporary = output.string() + ".part";
    std::error_code error;
    if (output.has_parent_path()) fs::create_directories(output.parent_path(), error);
    zipFile zip = zipOpen(temporary.c_str(), APPEND_STATUS_CREATE);
    if (!zip) {
        std::fprintf(stderr, "brawlgear-pack: cannot create %s\n", output.c_str());
        return false;
    }
    bool ok = true;
    for (const Entry& entry : entries) {
        zip_fileinfo info;
        std::memset(&info, 0, sizeof info);
        // The entry's date is its file's: a zero date is no valid date.
        std::tm local;
        const std::time_t when = entry.modified > 0 ? entry.modified : std::time(nullptr);
        if (localtime_r(&when, &local)) {
            info.tmz_date.tm_sec = static_cast<uInt>(local.tm_sec);
            info.tmz_date.tm_min = static_cast<uInt>(local.tm_min);
            info.tmz_date.tm_hour = static_cast<uInt>(local.tm_hour);
            info.tmz_date.tm_mday = static_cast<uInt>(local.tm_mday);
            info.tmz_date.tm_mon = static_cast<uInt>(local.tm_mon);
            info.tmz_date.tm_year = static_cast<uInt>(std::max(local.tm_year + 1900, 1980));
        }
        ok = zipOpenNewFileInZip(zip, entry.path.c_str(), &info, nullptr, 0, nullptr, 0, nullptr, Z_DEFLATED,
                                 Z_DEFAULT_COMPRESSION) == ZIP_OK &&
             zipWriteInFileInZip(zip, entry.bytes.data(), static_cast<unsigned>(entry.bytes.size())) == ZIP_OK &&
             zipCloseFileInZip(zip) == ZIP_OK;
        if (!ok) break;
    }
    ok = zipClose(zip, nullptr) == ZIP_OK && ok;
    if (ok) fs::rename(temporary, output, error);
    if (!ok || error) {
        fs::remove(temporary, error);
        std::fprintf(stderr, "brawlgear-pack: cannot write %s\n", output.c_str());
        return false;
    }
    // The engine reads Engine.cfg from the folder it runs in, before it
    // knows of any archive.
    for (const Entry& entry : entries) {
        if (entry.path != "Engine.cfg") continue;
        const fs::path beside = output.parent_path() / "Engine.cfg";
        const fs::path part = beside.string() + ".part";
        if (!writeBytes(part, entry.bytes)) return false;
        fs::rename(part, beside, error);
        if (error) {
            fs::remove(part, error);
            std::fprintf(stderr, "brawlgear-pack: cannot write %s\n", beside.c_str());
            return false;
        }
    }
    return true;
}

// Packs `source` into `output`, reporting what went wrong.
bool packGame(const fs::path& source, const fs::path& output) {
    std::error_code error;
    if (!fs::is_directory(source, error)) {
        std::fprintf(stderr, "brawlgear-pack: %s is not a folder\n", source.c_str());
        return false;
    }
    std::vector<Entry> entries;
    const bool archive = endsWith(output.string(), ".zip");
    bool ok = collect(source, output, entries);
    addSizeTable(entries);
    ok = checkDuplicates(entries, archive) && ok;
    if (!ok) return false;
    if (!(archive ? writeArchive(output, entries) : writeFolder(output, entries))) return false;
    const long scripts = std::count_if(entries.begin(), entries.end(),
                                       [](const Entry& entry) { return entry.script; });
    std::printf("brawlgear-pack: %zu files (%ld scripts) packed into %s\n", entries.size(), scripts, output.c_str());
    return true;
}

// The engine a bundle carries: the one installed beside this tool.
fs::path engineBesideUs() {
    std::error_code error;
    const fs::path self = fs::read_symlink("/proc/self/exe", error);
    return (error ? fs::path(".") : self.parent_path()) / "brawlgear";
}

} // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (args.size() == 1 && (args[0] == "--help" || args[0] == "-h")) {
        std::fputs(USAGE, stdout);
        return 0;
    }
    if (args.size() == 1 && args[0] == "--version") {
        std::puts("brawlgear-pack " BRAWLGEAR_VERSION);
        return 0;
    }
    if (!args.empty() && args[0] == "--bundle") {
        bg::pack::BundleOptions options;
        std::vector<std::string> paths;
        for (std::size_t i = 1; i < args.size(); ++i) {
            if (args[i] == "--tar") options.tar = true;
            else paths.push_back(args[i]);
        }
        if (paths.size() != 2) {
            std::fputs(USAGE, stderr);
            return 2;
        }
        options.game = paths[0];
        options.output = paths[1];
        options.engine = engineBesideUs();
        return bg::pack::bundleGame(options, packGame) ? 0 : 1;
    }
    if (args.size() != 2) {
        std::fputs(USAGE, stderr);
        return 2;
    }
    return packGame(args[0], args[1]) ? 0 : 1;
}
