#include "config/Var.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <climits>
#include <cstring>
#include <string>
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

    // Without blocking: a FIFO or device of that name must not hang the
    // start. Only a regular file holds settings.
    const int fd = ::open(mFileName.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    struct stat info;
    if (fd >= 0 && (fstat(fd, &info) != 0 || !S_ISREG(info.st_mode))) {
        ::close(fd);
        BG_ERROR(FixedString("VarManager( ") + fileName + " ) : Unable to open the file ");
        return;
    }
    if (fd < 0) {
        BG_ERROR(FixedString("VarManager( ") + fileName + " ) : Unable to open the file ");
        return;
    }
    std::string content;
    char chunk[4096];
    for (ssize_t got; (got = ::read(fd, chunk, sizeof chunk)) != 0;) {
        if (got < 0) {
            if (errno == EINTR) continue;
            break;
        }
        content.append(chunk, static_cast<std::size_t>(got));
    }
    ::close(fd);
    parse(content.c_str()); // up to the first zero byte
}

Var& VarManager::get(const char* name) {
    if (mVars.find(name) < 0)
        BG_ERROR(FixedString("VarManager::get( ") + name + " ) : " + mFileName + " has no variable " + name);
    return mVars.get(name);
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

bool VarManager::add(const char* name, const char* value) {
    if (mVars.size() >= mVars.capacity()) return false;
    mVars.add(name, new Var(name, value));
    return true;
}

namespace {

bool writeAll(int fd, const std::string& text) {
    for (std::size_t done = 0; done < text.size();) {
        const ssize_t wrote = ::write(fd, text.data() + done, text.size() - done);
        if (wrote < 0 && errno == EINTR) continue;
        if (wrote <= 0) return false;
        done += static_cast<std::size_t>(wrote);
    }
    return true;
}

// Writable for us, and not marked read-only by its owner (root may write
// anything; a file or folder made read-only still means "leave it").
bool writable(const char* path, const struct stat& info, int mode) {
    return (info.st_mode & 0222) != 0 && ::access(path, mode) == 0;
}

} // namespace

// Saving, in order of preference:
//  - a new file beside the old one, renamed over it once it is safely on
//    disk (needs a writable folder and a writable, or no, Engine.cfg);
//  - the old file rewritten in place (only the file is writable);
//  - nothing at all, with the error, when neither is allowed.
// The temporary file has one fixed name, is created exclusively and never
// through a link, and a stale one from a killed run is removed first.
void VarManager::end() {
    const FixedString failure = FixedString("VarManager::end() : Unable to open file ") + mFileName;
    if (mFileName.empty()) {
        BG_ERROR(failure);
        return;
    }

    std::vector<const Var*> vars;
    for (int i = mVars.first(); i >= 0; i = mVars.next(i)) vars.push_back(mVars[i].data);
    std::sort(vars.begin(), vars.end(), [](const Var* a, const Var* b) {
        return std::strncmp(a->getName().c_str(), b->getName().c_str(), MAX_STR_SIZE) < 0;
    });
    std::string text;
    for (const Var* var : vars) text += std::string(var->getName().c_str()) + " = " + var->getValue() + "\n";

    // Replace the file a link points at, not the link.
    std::string target = mFileName.c_str();
    char resolved[PATH_MAX];
    if (realpath(mFileName.c_str(), resolved)) target = resolved;
    const std::size_t slash = target.rfind('/');
    const std::string folder = slash == std::string::npos ? "." : slash == 0 ? "/" : target.substr(0, slash);

    struct stat old;
    const bool existed = ::stat(target.c_str(), &old) == 0;
    if (existed && !S_ISREG(old.st_mode)) {
        BG_ERROR(failure + " (not a regular file)");
        return;
    }
    const bool fileWritable = !existed || writable(target.c_str(), old, W_OK);
    struct stat folderInfo;
    const bool folderWritable = ::stat(folder.c_str(), &folderInfo) == 0 &&
                                writable(folder.c_str(), folderInfo, W_OK | X_OK);
    if (!fileWritable || (!existed && !folderWritable)) {
        BG_ERROR(failure);
        return;
    }

    if (folderWritable) {
        const std::string temporary = target + ".tmp";
        ::unlink(temporary.c_str());
        const mode_t mode = existed ? (old.st_mode & 07777) : 0666;
        const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode);
        if (fd < 0) {
            BG_ERROR(failure + " (" + std::strerror(errno) + ")");
            return;
        }
        if (existed) fchmod(fd, mode); // the umask may have taken bits away
        bool ok = writeAll(fd, text) && fsync(fd) == 0;
        int error = errno;
        if (::close(fd) != 0 && ok) ok = false, error = errno;
        if (ok && std::rename(temporary.c_str(), target.c_str()) != 0) ok = false, error = errno;
        if (!ok) {
            ::unlink(temporary.c_str());
            BG_ERROR(FixedString("VarManager::end() : Unable to write file ") + mFileName + " (" +
                     std::strerror(error) + "); the old file is unchanged");
        }
        return;
    }

    // In place: the new text over the old, then cut to its length.
    const int fd = ::open(target.c_str(), O_WRONLY | O_CLOEXEC);
    if (fd < 0) {
        BG_ERROR(failure + " (" + std::strerror(errno) + ")");
        return;
    }
    bool ok = writeAll(fd, text) && ftruncate(fd, static_cast<off_t>(text.size())) == 0 && fsync(fd) == 0;
    int error = errno;
    if (::close(fd) != 0 && ok) ok = false, error = errno;
    if (!ok)
        BG_ERROR(FixedString("VarManager::end() : Unable to write file ") + mFileName + " (" + std::strerror(error) +
                 ")");
}

} // namespace bg
