#ifndef BRAWLGEAR_TESTS_SUPPORT_H
#define BRAWLGEAR_TESTS_SUPPORT_H

// Helpers shared by the test programs: scratch folders, files, zip
// archives, and running the real executables in a child process.

#include <string>
#include <utility>
#include <vector>

namespace bgtest {

// A fresh folder under the system's temporary folder, removed again when
// the object goes away.
class ScratchDir {
public:
    ScratchDir();
    ~ScratchDir();
    ScratchDir(const ScratchDir&) = delete;
    ScratchDir& operator=(const ScratchDir&) = delete;

    const std::string& path() const { return mPath; }
    std::string operator/(const std::string& relative) const { return mPath + "/" + relative; }
    // Writes bytes to a file below the folder, creating its parents.
    void write(const std::string& relative, const std::string& bytes) const;
    std::string read(const std::string& relative) const;
    bool exists(const std::string& relative) const;

private:
    std::string mPath;
};

void writeFile(const std::string& path, const std::string& bytes);
std::string readFile(const std::string& path);

using ZipEntries = std::vector<std::pair<std::string, std::string>>;
// Writes a zip archive with the entries, deflated, in the given order.
void writeZip(const std::string& path, const ZipEntries& entries);

struct RunResult {
    int exitCode = -1; // -1 when the child did not exit normally
    std::string out;
    std::string err;
};

// Runs a program in folder `cwd` with standard input closed and its output
// captured. `environment` entries ("NAME=value") are added to ours.
RunResult run(const std::vector<std::string>& argv, const std::string& cwd,
              const std::vector<std::string>& environment = {});

// The stored form of a script, exactly as the packer and engine scramble it.
std::string scramble(std::string bytes);

} // namespace bgtest

#endif
