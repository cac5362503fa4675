#include "platform/RefreshRate.h"

#include <X11/Xlib.h>
#include <X11/extensions/Xrandr.h>

namespace bg::platform {

// XRandR's configuration of the default screen's root window; no display
// (a console, or a server without RandR) answers 0.
int displayRefreshRate() {
    Display* display = XOpenDisplay(nullptr);
    if (!display) return 0;
    int rate = 0;
    int eventBase = 0, errorBase = 0;
    if (XRRQueryExtension(display, &eventBase, &errorBase)) {
        if (XRRScreenConfiguration* config = XRRGetScreenInfo(display, DefaultRootWindow(display))) {
            rate = XRRConfigCurrentRate(config);
            XRRFreeScreenConfigInfo(config);
        }
    }
    XCloseDisplay(display);
    return rate > 0 ? rate : 0;
}

} // namespace bg::platform
