#include "platform/SwapInterval.h"

#include "foundation/Utils.h"

#include <GL/glx.h>

namespace bg::platform {

namespace {

using ExtFunction = void (*)(Display*, GLXDrawable, int);
using MesaFunction = int (*)(unsigned);
using SgiFunction = int (*)(int);

ExtFunction gExt = nullptr;
MesaFunction gMesa = nullptr;
SgiFunction gSgi = nullptr;

void viaExt(int interval) { gExt(glXGetCurrentDisplay(), glXGetCurrentDrawable(), interval); }
void viaMesa(int interval) { gMesa(interval < 0 ? 0u : static_cast<unsigned>(interval)); }
// SGI refuses an interval of 0: vertical sync can only be turned on there.
void viaSgi(int interval) {
    if (interval > 0) gSgi(interval);
}

template <class F> F lookUp(const char* name) {
    return reinterpret_cast<F>(glXGetProcAddressARB(reinterpret_cast<const GLubyte*>(name)));
}

} // namespace

SwapIntervalFunction findSwapInterval() {
    Display* display = glXGetCurrentDisplay();
    if (!display) return nullptr;
    const char* extensions = glXQueryExtensionsString(display, DefaultScreen(display));
    if (!extensions) return nullptr;
    if (hasWord(extensions, "GLX_EXT_swap_control") && (gExt = lookUp<ExtFunction>("glXSwapIntervalEXT")))
        return viaExt;
    if (hasWord(extensions, "GLX_MESA_swap_control") && (gMesa = lookUp<MesaFunction>("glXSwapIntervalMESA")))
        return viaMesa;
    if (hasWord(extensions, "GLX_SGI_swap_control") && (gSgi = lookUp<SgiFunction>("glXSwapIntervalSGI")))
        return viaSgi;
    return nullptr;
}

} // namespace bg::platform
