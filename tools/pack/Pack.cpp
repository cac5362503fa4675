// brawlgear-pack: turns a game folder into what the engine loads. Every
// X.lua becomes the stored script X.o (checked by the interpreter, then
// scrambled); every other file is copied as it is. The output is a folder,
// or a zip archive when its name ends in ".zip".

#include "vfs/VFS.h"

#include <climits>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <lua.hpp>
#include <string>
#include <system_error>
#include <vector>
#include <zip.h>

namespace fs = std::filesystem;

namespace {

const char* const USAGE =
    "usage: brawlgear-pack SOURCE_DIR OUTPUT\n"
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
    "overwritten) or, when it ends in \".zip\", a zip archive to name in\n"
    "Engine.cfg as VFS_ARCHIVE (with VFS_LOAD_FROM_ARCHIVE = 1).\n"
    "\n"
    "A script with a syntax error is reported as FILE:LINE: message; the\n"
    "packer then writes nothing and exits with status 1.\n";

struct Entry {
    std::string path; // relative, '/'-separated
    std::string bytes;
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
        if (!readFile(path, entry.bytes)) {
            std::fprintf(stderr, "brawlgear-pack: cannot read %s\n", path.c_str());
            ok = false;
            continue;
        }
        if (endsWith(entry.path, ".lua")) {
            if (!checkScript(L, entry)) ok = false;
            entry.path.replace(entry.path.size() - 4, 4, ".o");
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

bool writeFolder(const fs::path& output, const std::vector<Entry>& entries) {
    for (const Entry& entry : entries) {
        const fs::path target = output / entry.path;
        std::error_code error;
        fs::create_directories(target.parent_path(), error);
        std::ofstream out(target, std::ios::binary | std::ios::trunc);
        out.write(entry.bytes.data(), static_cast<std::streamsize>(entry.bytes.size()));
        out.close();
        if (error || !out) {
            std::fprintf(stderr, "brawlgear-pack: cannot write %s\n", target.c_str());
            return false;
        }
    }
    return true;
}

// The archive is written beside its final name and renamed over it once
// complete, so a failed pack never leaves a half-written archive.
bool writeArchive(const fs::path& output, const std::vector<Entry>& entries) {
    const std::string temporary = output.string() + ".part";
    zipFile zip = zipOpen(temporary.c_str(), APPEND_STATUS_CREATE);
    if (!zip) {
        std::fprintf(stderr, "brawlgear-pack: cannot create %s\n", output.c_str());
        return false;
    }
    bool ok = true;
    for (const Entry& entry : entries) {
        zip_fileinfo info;
        std::memset(&info, 0, sizeof info);
        ok = zipOpenNewFileInZip(zip, entry.path.c_str(), &info, nullptr, 0, nullptr, 0, nullptr, Z_DEFLATED,
                                 Z_DEFAULT_COMPRESSION) == ZIP_OK &&
             zipWriteInFileInZip(zip, entry.bytes.data(), static_cast<unsigned>(entry.bytes.size())) == ZIP_OK &&
             zipCloseFileInZip(zip) == ZIP_OK;
        if (!ok) break;
    }
    ok = zipClose(zip, nullptr) == ZIP_OK && ok;
    std::error_code error;
    if (ok) fs::rename(temporary, output, error);
    if (!ok || error) {
        fs::remove(temporary, error);
        std::fprintf(stderr, "brawlgear-pack: cannot write %s\n", output.c_str());
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char** argv) {
    if (argc == 2 && (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0)) {
        std::fputs(USAGE, stdout);
        return 0;
    }
    if (argc != 3) {
        std::fputs(USAGE, stderr);
        return 2;
    }
    const fs::path source = argv[1];
    const fs::path output = argv[2];
    std::error_code error;
    if (!fs::is_directory(source, error)) {
        std::fprintf(stderr, "brawlgear-pack: %s is not a folder\n", source.c_str());
        return 1;
    }
    std::vector<Entry> entries;
    if (!collect(source, output, entries)) return 1;
    const bool archive = endsWith(output.string(), ".zip");
    return (archive ? writeArchive(output, entries) : writeFolder(output, entries)) ? 0 : 1;
}
