#include "tools/pack/Bundle.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <elf.h>
#include <fcntl.h>
#include <fstream>
#include <iterator>
#include <map>
#include <set>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace fs = std::filesystem;

namespace bg::pack {

namespace {

// Marks a folder as a bundle's, so that bundling again may replace it.
const char* const MARK = ".brawlgear-bundle";

// The launcher. It finds its own folder through links, runs the engine with
// the bundle's libraries first, and keeps the player's settings beside the
// game when that folder is writable, otherwise in the player's data folder,
// where a newer bundle's Engine.cfg only adds the keys it brings.
const char* const LAUNCHER = R"sh(#!/bin/sh
# Runs @NAME@ with the engine and libraries of this folder.
#   --fullscreen   full screen instead of a window
# Other arguments go to the engine (brawlgear --help lists them).
here=$(dirname "$(readlink -f "$0")")
name='@NAME@'
mode=-windowed
first=1
for arg do
    if [ "$first" ]; then set --; first=; fi
    case $arg in
        --fullscreen) mode= ;;
        *) set -- "$@" "$arg" ;;
    esac
done
folder="$here/game"
if [ ! -w "$folder" ] || { [ -e "$folder/Engine.cfg" ] && [ ! -w "$folder/Engine.cfg" ]; }; then
    folder="${XDG_DATA_HOME:-$HOME/.local/share}/$name"
    mkdir -p "$folder" || exit 1
    if [ ! -e "$folder/Engine.cfg" ]; then
        cat "$here/game/Engine.cfg" >"$folder/Engine.cfg" || exit 1
    else
        # Keys this version of the game brings that the player's file lacks.
        awk 'function key(line) { sub(/=.*/, "", line); gsub(/[ \t\r]/, "", line); return line }
             FNR == NR { if (index($0, "=")) have[key($0)] = 1; next }
             index($0, "=") && !(key($0) in have)' \
            "$folder/Engine.cfg" "$here/game/Engine.cfg" >"$folder/Engine.cfg.new" &&
        if [ -s "$folder/Engine.cfg.new" ]; then
            cat "$folder/Engine.cfg" "$folder/Engine.cfg.new" >"$folder/Engine.cfg.part" &&
            mv "$folder/Engine.cfg.part" "$folder/Engine.cfg"
        fi
        rm -f "$folder/Engine.cfg.new"
    fi
    ln -sfn "$here/game/$name.zip" "$folder/$name.zip" || exit 1
fi
LD_LIBRARY_PATH="$here/lib${LD_LIBRARY_PATH:+:$LD_LIBRARY_PATH}" \
    exec "$here/bin/brawlgear" $mode "$@" "$folder/$name.zip"
)sh";

bool fail(const std::string& message) {
    std::fprintf(stderr, "brawlgear-pack: %s\n", message.c_str());
    return false;
}

// Runs a program (looked up on PATH) and collects its standard output;
// standard error is left to the terminal unless `quiet`. The exit status,
// or -1 when it could not run.
int runProgram(const std::vector<std::string>& argv, std::string* output, bool quiet = false) {
    int pipe[2];
    if (::pipe(pipe) != 0) return -1;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addclose(&actions, pipe[0]);
    if (output) posix_spawn_file_actions_adddup2(&actions, pipe[1], STDOUT_FILENO);
    if (quiet) posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addclose(&actions, pipe[1]);
    std::vector<char*> args;
    for (const std::string& arg : argv) args.push_back(const_cast<char*>(arg.c_str()));
    args.push_back(nullptr);
    pid_t pid = -1;
    const int spawned = posix_spawnp(&pid, args[0], &actions, nullptr, args.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    ::close(pipe[1]);
    if (spawned == 0 && output) {
        char buffer[4096];
        ssize_t got;
        while ((got = ::read(pipe[0], buffer, sizeof buffer)) > 0) output->append(buffer, static_cast<size_t>(got));
    }
    ::close(pipe[0]);
    if (spawned != 0) return -1;
    int status = 0;
    while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

bool readAll(const std::string& path, std::string& bytes) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return !in.bad();
}

bool writeText(const fs::path& path, const std::string& text, fs::perms mode) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << text;
    out.close();
    std::error_code error;
    fs::permissions(path, mode, error);
    return out && !error;
}

// The loader's answer for every library the engine needs, directly or
// not: soname -> file.
bool resolveLibraries(const fs::path& engine, std::map<std::string, std::string>& found) {
    std::string listing;
    if (runProgram({"ldd", engine.string()}, &listing) != 0)
        return fail("cannot list the libraries of " + engine.string() + " (ldd failed)");
    std::size_t start = 0;
    while (start < listing.size()) {
        std::size_t end = listing.find('\n', start);
        if (end == std::string::npos) end = listing.size();
        const std::string line = listing.substr(start, end - start);
        start = end + 1;
        const std::size_t arrow = line.find(" => ");
        if (arrow == std::string::npos) continue; // the vDSO and the loader
        std::string soname = line.substr(0, arrow);
        soname.erase(0, soname.find_first_not_of(" \t"));
        std::string path = line.substr(arrow + 4);
        if (path.compare(0, 9, "not found") == 0) return fail(engine.string() + " needs " + soname + ", which is not installed");
        path = path.substr(0, path.find(" ("));
        found[soname] = path;
    }
    return true;
}

// The package that installed a file, through the links and the merged
// /usr of newer systems; empty when dpkg does not know it.
std::string owningPackage(const std::string& path) {
    std::vector<std::string> candidates{path};
    std::error_code error;
    const fs::path real = fs::canonical(path, error);
    if (!error) candidates.push_back(real.string());
    for (std::size_t i = 0, n = candidates.size(); i < n; ++i) {
        const std::string& candidate = candidates[i];
        if (candidate.compare(0, 5, "/usr/") == 0) candidates.push_back(candidate.substr(4));
        else candidates.push_back("/usr" + candidate);
    }
    for (const std::string& candidate : candidates) {
        std::string answer;
        if (runProgram({"dpkg", "-S", candidate}, &answer, true) != 0) continue;
        if (answer.compare(0, 10, "diversion ") == 0) answer.erase(0, answer.find('\n') + 1);
        const std::size_t colon = answer.find(':');
        if (colon != std::string::npos && colon > 0) return answer.substr(0, colon);
    }
    return {};
}

std::string gameName(const fs::path& game) {
    std::error_code error;
    fs::path full = fs::weakly_canonical(game, error);
    if (error) full = fs::absolute(game).lexically_normal();
    std::string name = full.filename().string();
    if (name.empty()) name = full.parent_path().filename().string();
    for (char& c : name) {
        if (!std::isalnum(static_cast<unsigned char>(c)) && c != '-' && c != '_' && c != '.') c = '_';
    }
    if (name.empty() || name[0] == '.') name = "game" + name;
    return name;
}

} // namespace

bool isSystemLibrary(const std::string& soname) {
    static const char* const SYSTEM[] = {
        // The C library and the loader
        "libc.so", "libm.so", "libdl.so", "libpthread.so", "librt.so", "libresolv.so", "libutil.so", "libmvec.so",
        "ld-linux",
        // The C++ and GCC runtime, which the GL driver loads too
        "libstdc++.so", "libgcc_s.so",
        // libGL and the GL driver stack
        "libGL.so", "libGLX", "libGLdispatch.so", "libOpenGL.so", "libEGL.so", "libGLES", "libglapi.so", "libdrm",
        "libgbm.so",
        // X11 and its extensions
        "libX", "libxcb", "libxshmfence.so",
        // The sound servers' clients
        "libasound.so", "libpulse"};
    for (const char* prefix : SYSTEM) {
        if (soname.compare(0, std::strlen(prefix), prefix) == 0) return true;
    }
    return false;
}

bool neededLibraries(const std::string& path, std::vector<std::string>& needed, std::string& error) {
    std::string bytes;
    if (!readAll(path, bytes)) return error = "cannot read " + path, false;
    auto within = [&](std::uint64_t offset, std::uint64_t size) {
        return offset <= bytes.size() && size <= bytes.size() - offset;
    };
    Elf64_Ehdr header;
    if (!within(0, sizeof header)) return error = path + " is not an ELF file", false;
    std::memcpy(&header, bytes.data(), sizeof header);
    if (std::memcmp(header.e_ident, ELFMAG, SELFMAG) != 0 || header.e_ident[EI_CLASS] != ELFCLASS64 ||
        header.e_ident[EI_DATA] != ELFDATA2LSB || header.e_phentsize != sizeof(Elf64_Phdr))
        return error = path + " is not a 64-bit little-endian ELF file", false;
    std::vector<Elf64_Phdr> loads;
    Elf64_Phdr dynamic{};
    bool hasDynamic = false;
    for (unsigned i = 0; i < header.e_phnum; ++i) {
        Elf64_Phdr segment;
        const std::uint64_t at = header.e_phoff + std::uint64_t(i) * sizeof segment;
        if (!within(at, sizeof segment)) return error = path + ": program headers past the end", false;
        std::memcpy(&segment, bytes.data() + at, sizeof segment);
        if (segment.p_type == PT_LOAD) loads.push_back(segment);
        if (segment.p_type == PT_DYNAMIC) dynamic = segment, hasDynamic = true;
    }
    needed.clear();
    if (!hasDynamic) return true; // linked statically
    if (!within(dynamic.p_offset, dynamic.p_filesz)) return error = path + ": dynamic section past the end", false;
    std::uint64_t stringsAddress = 0, stringsSize = 0;
    std::vector<std::uint64_t> names;
    for (std::uint64_t at = dynamic.p_offset; at + sizeof(Elf64_Dyn) <= dynamic.p_offset + dynamic.p_filesz;
         at += sizeof(Elf64_Dyn)) {
        Elf64_Dyn entry;
        std::memcpy(&entry, bytes.data() + at, sizeof entry);
        if (entry.d_tag == DT_NULL) break;
        if (entry.d_tag == DT_NEEDED) names.push_back(entry.d_un.d_val);
        if (entry.d_tag == DT_STRTAB) stringsAddress = entry.d_un.d_ptr;
        if (entry.d_tag == DT_STRSZ) stringsSize = entry.d_un.d_val;
    }
    // The string table is named by its address once loaded: find its bytes.
    std::uint64_t strings = 0;
    bool mapped = false;
    for (const Elf64_Phdr& load : loads) {
        if (stringsAddress >= load.p_vaddr && stringsAddress - load.p_vaddr < load.p_filesz) {
            strings = load.p_offset + (stringsAddress - load.p_vaddr);
            mapped = true;
        }
    }
    if (!names.empty() && (!mapped || !within(strings, stringsSize)))
        return error = path + ": string table past the end", false;
    for (std::uint64_t name : names) {
        if (name >= stringsSize) return error = path + ": a library name past the string table", false;
        const char* first = bytes.data() + strings + name;
        const void* nul = std::memchr(first, '\0', stringsSize - name);
        if (!nul) return error = path + ": an unterminated library name", false;
        needed.emplace_back(first, static_cast<const char*>(nul));
    }
    return true;
}

bool bundleGame(const BundleOptions& options, const PackGame& pack) {
    std::error_code error;
    if (!fs::is_directory(options.game, error)) return fail(options.game.string() + " is not a folder");
    if (!fs::is_regular_file(options.engine, error))
        return fail("the engine is not at " + options.engine.string());
    std::string outputName = options.output.lexically_normal().string();
    while (outputName.size() > 1 && outputName.back() == '/') outputName.pop_back();
    const fs::path output = outputName;

    // Never write over what someone else put there.
    if (fs::exists(output, error)) {
        if (!fs::is_directory(output, error)) return fail(output.string() + " exists and is not a folder");
        if (!fs::is_empty(output, error) && !fs::exists(output / MARK, error))
            return fail(output.string() + " is not empty and no bundle made it; choose a new folder");
    }
    const std::string name = gameName(options.game);
    const std::set<std::string> folders{"bin", "lib", "game", "LICENSES"};
    const std::string launcher = folders.count(name) ? name + ".sh" : name;

    // What the engine needs, before anything is written.
    std::map<std::string, std::string> found;
    if (!resolveLibraries(options.engine, found)) return false;
    std::vector<std::string> bundled, queue;
    std::string problem;
    if (!neededLibraries(options.engine.string(), queue, problem)) return fail(problem);
    std::set<std::string> seen(queue.begin(), queue.end());
    while (!queue.empty()) {
        const std::string soname = queue.back();
        queue.pop_back();
        if (isSystemLibrary(soname)) continue;
        const auto where = found.find(soname);
        if (where == found.end()) return fail("the loader did not find " + soname);
        bundled.push_back(soname);
        std::vector<std::string> needs;
        if (!neededLibraries(where->second, needs, problem)) return fail(problem);
        for (const std::string& next : needs) {
            if (seen.insert(next).second) queue.push_back(next);
        }
    }
    std::sort(bundled.begin(), bundled.end());

    for (const char* folder : {"bin", "lib", "game", "LICENSES"}) {
        fs::remove_all(output / folder, error);
        fs::create_directories(output / folder, error);
        if (error) return fail("cannot make " + (output / folder).string() + ": " + error.message());
    }
    if (!writeText(output / MARK, "made by brawlgear-pack --bundle\n", fs::perms::owner_read | fs::perms::owner_write |
                                                                          fs::perms::group_read | fs::perms::others_read))
        return fail("cannot write in " + output.string());

    if (!pack(options.game, output / "game" / (name + ".zip"))) return false;
    if (!fs::exists(output / "game" / "Engine.cfg", error))
        return fail(options.game.string() + " has no Engine.cfg: the engine needs one beside the game");

    const auto executable = fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec |
                            fs::perms::others_read | fs::perms::others_exec;
    const auto readable = fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read |
                          fs::perms::others_read;
    fs::copy_file(options.engine, output / "bin" / "brawlgear", fs::copy_options::overwrite_existing, error);
    if (!error) fs::permissions(output / "bin" / "brawlgear", executable, error);
    if (error) return fail("cannot copy the engine: " + error.message());

    // Each library under its soname, the name the loader looks for.
    std::map<std::string, std::vector<std::string>> byPackage;
    for (const std::string& soname : bundled) {
        const std::string& path = found[soname];
        fs::copy_file(path, output / "lib" / soname, fs::copy_options::overwrite_existing, error);
        if (!error) fs::permissions(output / "lib" / soname, readable, error);
        if (error) return fail("cannot copy " + path + ": " + error.message());
        byPackage[owningPackage(path)].push_back(soname);
    }
#ifdef BRAWLGEAR_INTERPRETER_PACKAGE
    // The interpreter is linked into the engine itself.
    byPackage[BRAWLGEAR_INTERPRETER_PACKAGE].push_back("the script interpreter, inside bin/brawlgear");
#endif
    std::string index = "The copyright and licence of each library this bundle carries, by the Debian\n"
                        "package it came from.\n\n";
    for (const auto& [package, contents] : byPackage) {
        std::string joined;
        for (const std::string& item : contents) joined += (joined.empty() ? "" : ", ") + item;
        const fs::path copyright = "/usr/share/doc/" + package + "/copyright";
        if (package.empty() || !fs::exists(copyright, error)) {
            std::fprintf(stderr, "brawlgear-pack: warning: no copyright file known for %s; add its licence to %s\n",
                         joined.c_str(), (output / "LICENSES").c_str());
            index += "(unknown package): " + joined + "\n";
            continue;
        }
        fs::copy_file(copyright, output / "LICENSES" / (package + ".copyright"), fs::copy_options::overwrite_existing,
                      error);
        if (error) return fail("cannot copy " + copyright.string() + ": " + error.message());
        index += package + ".copyright: " + joined + "\n";
    }
    if (!writeText(output / "LICENSES" / "README.txt", index, readable)) return fail("cannot write the licence index");

    std::string script = LAUNCHER;
    for (std::size_t at; (at = script.find("@NAME@")) != std::string::npos;) script.replace(at, 6, name);
    if (!writeText(output / launcher, script, executable)) return fail("cannot write the launcher");

    std::printf("brawlgear-pack: bundled %s into %s (%zu libraries); run it with %s\n", name.c_str(),
                output.c_str(), bundled.size(), (output / launcher).c_str());
    if (options.tar) {
        const fs::path archive = output.string() + ".tar.gz";
        const fs::path parent = output.has_parent_path() ? output.parent_path() : fs::path(".");
        if (runProgram({"tar", "-czf", archive.string(), "-C", parent.string(), output.filename().string()}, nullptr) !=
            0)
            return fail("cannot write " + archive.string() + " (tar failed)");
        std::printf("brawlgear-pack: wrote %s\n", archive.c_str());
    }
    return true;
}

} // namespace bg::pack
