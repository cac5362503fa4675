#include "config/Var.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <climits>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace bg {

SharedPointer<VarManager> gVarManager;

void Var::set(int value) {
    char digits[16];
    std::snprintf(digits, sizeof digits, "%d", value);
    mValue = digits;
}

int Var::toInt() const { return std::atoi(mValue.c_str()); }
float Var::toFloat() const { return static_cast<float>(std::atof(mValue.c_str())); }

VarManager::VarManager(const char* fileName) : mVars("Var Table", CAPACITY) {
    if (!fileName || !*fileName) {
        BG_ERROR("VarManager( fileName ) : Invalid file name");
        return;
    }
    mFileName = fileName;

    std::FILE* file = std::fopen(mFileName.c_str(), "r");
    struct stat info;
    if (file && (fstat(fileno(file), &info) != 0 || !S_ISREG(info.st_mode))) {
        // A directory or a device of that name opens, but holds no settings.
        std::fclose(file);
        file = nullptr;
    }
    if (!file) {
        BG_ERROR(FixedString("VarManager( ") + fileName + " ) : Unable to open the file ");
        return;
    }
    std::vector<char> content(static_cast<std::size_t>(info.st_size) + 1);
    std::size_t got = std::fread(content.data(), 1, static_cast<std::size_t>(info.st_size), file);
    std::fclose(file);
    content[got] = '\0';
    parse(content.data());
}

void VarManager::parse(const char* text) {
    const std::size_t n = std::strlen(text);
    std::size_t p = 0;
    while (p != n) {
        // A line ends at a line feed or after 255 characters; the rest of a
        // longer line is read as the next line.
        FixedString line;
        std::size_t start = p;
        while (p < n && text[p] != '\n' && p - start < MAX_STR_SIZE - 1) ++p;
        line = FixedString(text + start, static_cast<int>(p - start));
        while (p < n && text[p] == '\n') ++p;

        char name[MAX_STR_SIZE], separator[MAX_STR_SIZE], value[MAX_STR_SIZE];
        int tokens = std::sscanf(line.c_str(), "%255s %255s %255s", name, separator, value);
        if (tokens < 1) continue; // nothing on the line to keep
        // A line that lacks its value still keeps its name, so the
        // variable survives the next save.
        if (tokens < 3) value[0] = '\0';
        mVars.add(name, new Var(name, value));
    }
}

void VarManager::end() {
    const FixedString failure = FixedString("VarManager::end() : Unable to open file ") + mFileName;

    std::vector<const Var*> vars;
    for (int i = mVars.first(); i >= 0; i = mVars.next(i)) vars.push_back(mVars[i].data);
    std::sort(vars.begin(), vars.end(), [](const Var* a, const Var* b) {
        return std::strncmp(a->getName().c_str(), b->getName().c_str(), MAX_STR_SIZE) < 0;
    });

    if (mFileName.empty()) {
        BG_ERROR(failure);
        return;
    }
    // Replace the file a link points at, not the link, and keep its mode.
    FixedString target = mFileName;
    char resolved[PATH_MAX];
    if (realpath(mFileName.c_str(), resolved) && std::strlen(resolved) < MAX_STR_SIZE - 1) target = resolved;
    struct stat old;
    const bool existed = ::stat(target.c_str(), &old) == 0;

    // Same folder as the target, so the final rename cannot cross devices.
    FixedString temporary = target + ".tmp" + static_cast<int>(getpid());
    if (temporary.length() == MAX_STR_SIZE - 1) {
        BG_ERROR(failure);
        return;
    }
    int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (fd >= 0 && existed) fchmod(fd, old.st_mode & 07777);
    std::FILE* file = fd >= 0 ? fdopen(fd, "w") : nullptr;
    if (!file) {
        if (fd >= 0) ::close(fd);
        ::unlink(temporary.c_str());
        BG_ERROR(failure);
        return;
    }
    bool written = true;
    for (const Var* var : vars)
        written = std::fprintf(file, "%s = %s\n", var->getName().c_str(), var->getValue()) >= 0 && written;
    written = std::fflush(file) == 0 && written;
    written = fsync(fileno(file)) == 0 && written;
    written = std::fclose(file) == 0 && written;
    if (!written || std::rename(temporary.c_str(), target.c_str()) != 0) {
        ::unlink(temporary.c_str());
        BG_ERROR(failure);
    }
}

} // namespace bg
