#include "app/Development.h"

#include "app/Capture.h"
#include "app/Overlay.h"
#include "app/StarterGame.h"
#include "config/Var.h"
#include "foundation/Report.h"
#include "graphics/Font.h"
#include "graphics/Light.h"
#include "graphics/Scene.h"
#include "input/EventManager.h"
#include "platform/QuitRequest.h"
#include "vfs/VFS.h"

#include <GL/gl.h>
#include <SDL.h>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <sys/inotify.h>
#include <unistd.h>
#include <vector>

namespace bg::app {

namespace {

// What each inotify watch looks at, to name changed files.
std::map<int, std::string> gWatched;

constexpr unsigned CHANGES = IN_CLOSE_WRITE | IN_MOVED_TO | IN_MOVED_FROM | IN_DELETE | IN_CREATE | IN_ATTRIB;

// The next free screenshots/shotNNNN.png.
std::string nextScreenshot() {
    std::error_code ignored;
    std::filesystem::create_directories("screenshots", ignored);
    for (int n = 1; n < 10000; ++n) {
        char name[40];
        std::snprintf(name, sizeof name, "screenshots/shot%04d.png", n);
        if (!std::filesystem::exists(name, ignored)) return name;
    }
    return "screenshots/shot9999.png";
}

// The game's own default font when it has one that loads, else the one the
// engine carries (written to a private folder and read from there once).
int screenFont() {
    int font = gFontManager->load("Fonts/Font.txt");
    if (font >= 0) return font;
    char folder[] = "/tmp/brawlgear-fonts-XXXXXX";
    if (!::mkdtemp(folder)) return -1;
    std::error_code ignored;
    if (writeDefaultFonts(folder) && !gVFS->isArchive()) {
        // Read from our folder once; the game's own prefix comes back as
        // it was.
        const FixedString directory = gVFS->getDirectory();
        gVFS->setDirectory(folder);
        font = gFontManager->load("Fonts/Font.txt");
        gVFS->restoreDirectory(directory);
    }
    std::filesystem::remove_all(folder, ignored);
    return font;
}

} // namespace

std::vector<std::string> wrapReport(const std::string& text, std::size_t width) {
    std::vector<std::string> lines;
    std::size_t at = 0;
    while (at <= text.size()) {
        std::size_t end = text.find('\n', at);
        if (end == std::string::npos) end = text.size();
        std::string line = text.substr(at, end - at);
        for (char& c : line)
            if (c == '\t') c = ' ';
        while (line.size() > width) {
            lines.push_back(line.substr(0, width));
            line = "    " + line.substr(width);
        }
        lines.push_back(line);
        at = end + 1;
    }
    return lines;
}

Development::Development(bool headless) : mHeadless(headless) {}

Development::~Development() {
    if (mInotify >= 0) ::close(mInotify);
    gWatched.clear();
}

void Development::start(const std::vector<std::string>& outputs) {
    std::error_code ignored;
    for (const std::string& output : outputs)
        if (!output.empty()) mOutputs.push_back(std::filesystem::absolute(output, ignored).lexically_normal().string());
    mInotify = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    if (mInotify < 0) {
        BG_WARNING("Development::start() : cannot watch the game folder; F5 reloads");
        return;
    }
    watch(".");
}

void Development::watch(const std::string& folder) {
    if (mInotify < 0 || isOwnFile(folder)) return;
    const int wd = inotify_add_watch(mInotify, folder.c_str(), CHANGES | IN_ONLYDIR);
    if (wd < 0) {
        if (errno == ENOSPC)
            BG_WARNING(FixedString("Development::watch( ") + folder.c_str() +
                       " ) : no inotify watches left (fs.inotify.max_user_watches); F5 reloads");
        return;
    }
    gWatched[wd] = folder;
    std::error_code code;
    for (std::filesystem::directory_iterator it(folder, code), end; !code && it != end; it.increment(code))
        if (it->is_directory(code) && !it->is_symlink(code)) watch(it->path().string());
}

bool Development::isOwnFile(const std::string& path) const {
    std::string name = path;
    while (name.size() > 2 && name.compare(0, 2, "./") == 0) name.erase(0, 2);
    const std::string base = name.substr(name.rfind('/') == std::string::npos ? 0 : name.rfind('/') + 1);
    if (base.empty() || base == ".") return false;
    // Hidden files, backups, autosaves, vim's probe.
    if (base[0] == '.' || base[0] == '#' || base.back() == '~' || base == "4913") return true;
    const std::string extension = base.size() > 4 ? base.substr(base.size() - 4) : "";
    if (extension == ".swp" || extension == ".swx" || extension == ".tmp") return true;
    if (name == "Engine.cfg" || name.compare(0, 12, "screenshots/") == 0 || name == "screenshots") return true;
    // Frames a --capture run writes into the game folder.
    if (name.compare(0, 5, "frame") == 0 && name.size() > 9 && name.compare(name.size() - 4, 4, ".png") == 0 &&
        name.find_first_not_of("0123456789", 5) == name.size() - 4)
        return true;
    std::error_code ignored;
    const std::string absolute = std::filesystem::absolute(name, ignored).lexically_normal().string();
    for (const std::string& output : mOutputs)
        if (absolute == output || absolute.compare(0, output.size() + 1, output + "/") == 0) return true;
    return false;
}

bool Development::filesChanged() {
    if (mInotify < 0) return false;
    bool changed = false;
    alignas(inotify_event) char buffer[8192];
    for (;;) {
        const ssize_t got = ::read(mInotify, buffer, sizeof buffer);
        if (got <= 0) break;
        for (ssize_t at = 0; at < got;) {
            const auto* event = reinterpret_cast<const inotify_event*>(buffer + at);
            at += static_cast<ssize_t>(sizeof(inotify_event) + event->len);
            if (event->mask & IN_Q_OVERFLOW) { // too much at once to tell: something changed
                changed = true;
                continue;
            }
            const auto folder = gWatched.find(event->wd);
            if (folder == gWatched.end() || event->len == 0) continue;
            const std::string path = folder->second + "/" + event->name;
            if (isOwnFile(path)) continue;
            if ((event->mask & IN_ISDIR) && (event->mask & (IN_CREATE | IN_MOVED_TO))) watch(path);
            // A new folder's files count when they are written; one moved in
            // or out, or away, is a change at once.
            if ((event->mask & IN_ISDIR) && (event->mask & IN_CREATE)) continue;
            if (!(event->mask & IN_ISDIR) && (event->mask & IN_CREATE)) continue; // its writing follows
            changed = true;
        }
    }
    return changed;
}

bool Development::keyPressed(int key) { return !gEventManager.isNull() && gEventManager->wentDown(key); }

bool Development::reloadWanted() {
    if (keyPressed(SDLK_F12)) capture::takeScreenshot(nextScreenshot());
    if (keyPressed(SDLK_F3)) mOverlay = !mOverlay;
    if (keyPressed(SDLK_F5) || filesChanged()) mReload = true;
    return mReload;
}

void Development::clear() {
    filesChanged();
    mReload = false;
    mOverlayFont = -2; // the game's fonts may have changed
}

void Development::drawOverlay() {
    if (!mOverlay) return;
    if (mOverlayFont == -2) mOverlayFont = screenFont();
    drawStatsOverlay(mOverlayFont);
}

bool Development::showError(const std::string& report) {
    const std::string help = "F5 or save a file to reload, Esc to quit";
    const int font = screenFont();
    const std::vector<std::string> lines = wrapReport(report, 96);
    for (;;) {
        gScene->update();
        if (reloadWanted()) return true;
        if (platform::isQuitRequested() || keyPressed(SDLK_ESCAPE)) return false;

        gScene->setBackgroundColor(0.18f, 0.04f, 0.04f, 1);
        gScene->clearBuffers();
        if (font >= 0) {
            gFontManager->setCurrentFontId(font);
            const int height = std::max(1, gFontManager->getStringHeight() + 2);
            const int top = !gVarManager.isNull() && gVarManager->has("GL_ORTHO_RESOLUTION_Y")
                                ? gVarManager->get("GL_ORTHO_RESOLUTION_Y").toInt()
                                : 600;
            gScene->glBegin2D();
            gScene->set(GL_TEXTURE_2D, true);
            gScene->set(GL_BLEND, true);
            gScene->setBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
            int y = top - 10;
            for (const std::string& line : lines) {
                gFontManager->print(10, y, line.c_str(), Color(1, 0.85f, 0.8f, 1));
                y -= height;
            }
            gFontManager->print(10, 10 + height, help.c_str(), Color(1, 1, 1, 1));
            gScene->restoreBlendFunc();
            gScene->restore(GL_BLEND);
            gScene->restore(GL_TEXTURE_2D);
            gScene->glEnd2D();
        }
        capture::beforeSwap();
        gScene->display();
        capture::recordFrame();
        if (capture::countFrame()) return false;
        if (!mHeadless) SDL_Delay(30);
    }
}

} // namespace bg::app
