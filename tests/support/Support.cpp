#include "support/Support.h"

#include "tools/media/Media.h"

#include "vfs/VFS.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <algorithm>
#include <chrono>
#include <iterator>
#include <thread>
#include <sstream>
#include <stdexcept>
#include <sys/wait.h>
#include <unistd.h>
#include <zip.h>

namespace fs = std::filesystem;

namespace bgtest {

const std::string BASIC_CFG = [] {
    const std::string cfg = readFile(BRAWLGEAR_TEST_DATA "/Engine.cfg");
    if (cfg.empty()) throw std::runtime_error("cannot read " BRAWLGEAR_TEST_DATA "/Engine.cfg");
    return cfg;
}();

ScratchDir::ScratchDir() {
    std::string pattern = (fs::temp_directory_path() / "brawlgear-test-XXXXXX").string();
    if (!mkdtemp(pattern.data())) throw std::runtime_error("mkdtemp failed");
    mPath = pattern;
}

ScratchDir::~ScratchDir() {
    std::error_code error;
    fs::permissions(mPath, fs::perms::owner_all, fs::perm_options::add, error);
    fs::remove_all(mPath, error);
}

void ScratchDir::write(const std::string& relative, const std::string& bytes) const {
    const fs::path target = fs::path(mPath) / relative;
    fs::create_directories(target.parent_path());
    writeFile(target.string(), bytes);
}

std::string ScratchDir::read(const std::string& relative) const { return readFile(*this / relative); }

bool ScratchDir::exists(const std::string& relative) const { return fs::exists(fs::path(mPath) / relative); }

void writeFile(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out) throw std::runtime_error("cannot write " + path);
}

std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void writeZip(const std::string& path, const ZipEntries& entries) {
    zipFile zip = zipOpen(path.c_str(), APPEND_STATUS_CREATE);
    if (!zip) throw std::runtime_error("cannot create " + path);
    for (const auto& [name, bytes] : entries) {
        zip_fileinfo info{};
        zipOpenNewFileInZip(zip, name.c_str(), &info, nullptr, 0, nullptr, 0, nullptr, Z_DEFLATED,
                            Z_DEFAULT_COMPRESSION);
        zipWriteInFileInZip(zip, bytes.data(), static_cast<unsigned>(bytes.size()));
        zipCloseFileInZip(zip);
    }
    zipClose(zip, nullptr);
}

Spawned spawn(const std::vector<std::string>& argv, const std::string& cwd,
              const std::vector<std::string>& environment) {
    Spawned program;
    char outName[] = "/tmp/brawlgear-out-XXXXXX", errName[] = "/tmp/brawlgear-err-XXXXXX";
    const int outFd = mkstemp(outName), errFd = mkstemp(errName);
    program.outPath = outName;
    program.errPath = errName;
    program.pid = fork();
    if (program.pid == 0) {
        if (chdir(cwd.c_str()) != 0) _exit(127);
        const int nullFd = open("/dev/null", O_RDONLY);
        dup2(nullFd, 0);
        dup2(outFd, 1);
        dup2(errFd, 2);
        for (const std::string& entry : environment) putenv(const_cast<char*>(entry.c_str()));
        std::vector<char*> args;
        for (const std::string& arg : argv) args.push_back(const_cast<char*>(arg.c_str()));
        args.push_back(nullptr);
        execvp(args[0], args.data()); // a name without a slash is looked up on PATH
        _exit(127);
    }
    close(outFd);
    close(errFd);
    return program;
}

bool waitForError(const Spawned& program, const std::string& text, double seconds) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
    while (std::chrono::steady_clock::now() < deadline) {
        if (readFile(program.errPath).find(text) != std::string::npos) return true;
        if (waitpid(program.pid, nullptr, WNOHANG) == program.pid) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return false;
}

RunResult finish(Spawned& program) {
    RunResult result;
    int status = 0;
    if (program.pid > 0 && waitpid(program.pid, &status, 0) == program.pid && WIFEXITED(status))
        result.exitCode = WEXITSTATUS(status);
    program.pid = -1;
    result.out = readFile(program.outPath);
    result.err = readFile(program.errPath);
    unlink(program.outPath.c_str());
    unlink(program.errPath.c_str());
    result.script = scriptOutput(result.err);
    return result;
}

RunResult run(const std::vector<std::string>& argv, const std::string& cwd,
              const std::vector<std::string>& environment) {
    Spawned program = spawn(argv, cwd, environment);
    return finish(program);
}

std::string cfgWith(const std::vector<std::pair<std::string, std::string>>& values) {
    std::string cfg = BASIC_CFG;
    for (const auto& [key, value] : values) {
        const std::size_t at = cfg.find(key + " = ");
        if (at == 0 || (at != std::string::npos && cfg[at - 1] == '\n'))
            cfg.replace(at, cfg.find('\n', at) - at, key + " = " + value);
        else
            cfg += key + " = " + value + "\n";
    }
    return cfg;
}

std::string sortedCfg(const std::string& cfg) {
    std::vector<std::string> lines;
    std::istringstream in(cfg);
    for (std::string line; std::getline(in, line);)
        if (!line.empty()) lines.push_back(line);
    std::sort(lines.begin(), lines.end());
    std::string sorted;
    for (const std::string& line : lines) sorted += line + "\n";
    return sorted;
}

std::string withoutTracebacks(const std::string& text) {
    std::string out;
    bool inTraceback = false;
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t end = std::min(text.find('\n', at), text.size());
        const std::string line = text.substr(at, end - at);
        if (line == "stack traceback:") inTraceback = true;
        else if (!inTraceback || line.empty() || line[0] != '\t') inTraceback = false, out += line + (end < text.size() ? "\n" : "");
        at = end + 1;
    }
    return out;
}

std::string scriptOutput(const std::string& err) {
    const std::size_t list = err.find("GL Extensions:\n");
    if (list == std::string::npos) return err;
    std::size_t end = err.find("\n\n", list);
    if (end == std::string::npos) return err;
    while (end < err.size() && err[end] == '\n') ++end;
    // The sound manager's probe closes the report.
    const std::string probe = "INFO : AL_MAX_SOURCES = ";
    if (err.compare(end, probe.size(), probe) == 0) end = err.find('\n', end) + 1;
    return err.substr(end);
}

std::string scramble(std::string bytes) {
    bg::applySizeKey(bytes.data(), static_cast<int>(bytes.size()));
    return bytes;
}

Energy waveEnergy(const std::string& wav, double from) {
    Energy energy;
    const std::size_t data = wav.find("data");
    if (data == std::string::npos) return energy;
    if (from < 0) from += static_cast<double>(wav.size()) / (44100 * 4);
    for (std::size_t at = data + 8 + static_cast<std::size_t>(from * 44100) * 4; at + 4 <= wav.size(); at += 4) {
        std::int16_t sample[2]; // left, right
        std::memcpy(sample, wav.data() + at, 4);
        energy.left += double(sample[0]) * sample[0];
        energy.right += double(sample[1]) * sample[1];
    }
    return energy;
}

void writeTestFonts(const std::string& folder) {
    std::string description = " ~\n8\n8\n128\n64\n1\n0\n";
    std::vector<std::uint8_t> rgba(128 * 64 * 4, 0);
    for (int i = 0; i < 95; ++i) {
        description += std::to_string(testGlyphWidth(i)) + "\n";
        const int cx = (i % 16) * 8, cy = (i / 16) * 8; // from the top
        for (int y = 0; y < 8; ++y)
            for (int x = 0; x < testGlyphWidth(i); ++x)
                std::fill_n(&rgba[((static_cast<std::size_t>(cy) + y) * 128 + cx + x) * 4], 4, 255);
    }
    const std::string image = bg::media::png(128, 64, 6, rgba);
    std::filesystem::create_directories(folder + "/Fonts");
    for (const char* name : {"Font", "Font3"}) {
        writeFile(folder + "/Fonts/" + name + ".txt", description);
        writeFile(folder + "/Fonts/" + name + ".png", image);
    }
}

} // namespace bgtest
