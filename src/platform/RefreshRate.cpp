#include "platform/RefreshRate.h"

#include <X11/Xlib.h>
#include <X11/extensions/Xrandr.h>
#include <cmath>

namespace bg::platform {

double modeRefreshRate(unsigned long dotClock, unsigned hTotal, unsigned vTotal, unsigned long modeFlags) {
    if (dotClock == 0 || hTotal == 0 || vTotal == 0) return 0;
    double rate = static_cast<double>(dotClock) / (static_cast<double>(hTotal) * vTotal);
    if (modeFlags & RR_DoubleScan) rate /= 2;
    if (modeFlags & RR_Interlace) rate *= 2;
    return rate;
}

int chooseRefreshRate(double primaryModeRate, int screenRate) {
    if (primaryModeRate > 0 && std::isfinite(primaryModeRate) && primaryModeRate < 100000)
        return static_cast<int>(std::lround(primaryModeRate));
    return screenRate > 0 ? screenRate : 0;
}

namespace {

// The current mode's rate of the primary output (or, with no primary set,
// of the first output that shows something); 0 when there is none.
double primaryModeRate(Display* display, Window root) {
    int major = 0, minor = 0;
    if (!XRRQueryVersion(display, &major, &minor) || (major == 1 && minor < 2)) return 0;
    XRRScreenResources* resources = XRRGetScreenResourcesCurrent(display, root);
    if (!resources) return 0;
    RROutput primary = (major > 1 || minor >= 3) ? XRRGetOutputPrimary(display, root) : None;
    double rate = 0;
    for (int i = -1; i < resources->noutput && rate <= 0; ++i) {
        const RROutput output = i < 0 ? primary : resources->outputs[i];
        if (output == None) continue;
        XRROutputInfo* info = XRRGetOutputInfo(display, resources, output);
        if (!info) continue;
        if (info->crtc != None) {
            if (XRRCrtcInfo* crtc = XRRGetCrtcInfo(display, resources, info->crtc)) {
                for (int m = 0; m < resources->nmode; ++m) {
                    const XRRModeInfo& mode = resources->modes[m];
                    if (mode.id == crtc->mode)
                        rate = modeRefreshRate(mode.dotClock, mode.hTotal, mode.vTotal, mode.modeFlags);
                }
                XRRFreeCrtcInfo(crtc);
            }
        }
        XRRFreeOutputInfo(info);
    }
    XRRFreeScreenResources(resources);
    return rate;
}

} // namespace

// No display (a console, or a server without RandR) answers 0.
int displayRefreshRate() {
    Display* display = XOpenDisplay(nullptr);
    if (!display) return 0;
    double modeRate = 0;
    int screenRate = 0;
    int eventBase = 0, errorBase = 0;
    if (XRRQueryExtension(display, &eventBase, &errorBase)) {
        const Window root = DefaultRootWindow(display);
        modeRate = primaryModeRate(display, root);
        if (XRRScreenConfiguration* config = XRRGetScreenInfo(display, root)) {
            screenRate = XRRConfigCurrentRate(config);
            XRRFreeScreenConfigInfo(config);
        }
    }
    XCloseDisplay(display);
    return chooseRefreshRate(modeRate, screenRate);
}

} // namespace bg::platform
