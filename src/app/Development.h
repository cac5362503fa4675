#ifndef BRAWLGEAR_APP_DEVELOPMENT_H
#define BRAWLGEAR_APP_DEVELOPMENT_H

// Development mode (brawlgear --dev): the game folder is watched, and a
// saved file (a script, an image, a sound, a font) or F5 starts the game
// again from its main script in the same window. A main script that fails
// leaves its message and traceback on an error screen until then. F12
// writes screenshots/shotNNNN.png in the game folder, F3 shows or hides the
// statistics overlay.
//
// Files the engine writes itself are not changes: Engine.cfg (and its
// temporary), captured frames, screenshots, and editors' own files
// (hidden, backup and swap files).

#include <string>
#include <vector>

namespace bg::app {

class Development {
public:
    // `headless`: a --frames run, whose error screen draws frames (they
    // count) instead of waiting for a person.
    explicit Development(bool headless);
    ~Development();
    Development(const Development&) = delete;
    Development& operator=(const Development&) = delete;

    // Watches the working folder and everything below it. `outputs` are
    // paths the run writes itself (a capture folder, a WAV file): no
    // changes.
    void start(const std::vector<std::string>& outputs = {});
    // Where events are read, once a frame: true when the game should start
    // again (F5, or a file changed). Takes F12's screenshots too.
    bool reloadWanted();
    // Forgets what happened before a reload.
    void clear();
    // Over the finished frame, before the swap: the overlay, when shown.
    void drawOverlay();
    // Shows the failure until a reload is wanted (true) or the person quits
    // or the frames run out (false).
    bool showError(const std::string& report);

    // Whether a watched file changed since the last look (drains the
    // events). Public for the tests of the filter.
    bool filesChanged();
    bool isOwnFile(const std::string& path) const;

private:
    void watch(const std::string& folder);
    static bool keyPressed(int key);

    bool mHeadless;
    std::vector<std::string> mOutputs; // absolute
    int mInotify = -1;
    bool mReload = false;
    bool mOverlay = false;
    int mOverlayFont = -2; // -2: not looked for yet
};

// The error screen's lines: the report's own, tabs as blanks, and those
// longer than `width` broken, each continuation indented by four.
std::vector<std::string> wrapReport(const std::string& text, std::size_t width);

} // namespace bg::app

#endif
