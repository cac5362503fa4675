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

SwapControl chooseSwapControl(const char* extensions, bool (*found)(const char* function)) {
    if (!extensions) return SwapControl::Unavailable;
    const struct {
        const char* extension;
        const char* function;
        SwapControl control;
    } choices[] = {{"GLX_EXT_swap_control", "glXSwapIntervalEXT", SwapControl::Ext},
                   {"GLX_MESA_swap_control", "glXSwapIntervalMESA", SwapControl::Mesa},
                   {"GLX_SGI_swap_control", "glXSwapIntervalSGI", SwapControl::Sgi}};
    for (const auto& choice : choices)
        if (hasWord(extensions, choice.extension) && found(choice.function)) return choice.control;
    return SwapControl::Unavailable;
}

SwapIntervalFunction findSwapInterval() {
    Display* display = glXGetCurrentDisplay();
    if (!display) return nullptr;
    const char* extensions = glXQueryExtensionsString(display, DefaultScreen(display));
    switch (chooseSwapControl(extensions, [](const char* name) { return lookUp<void (*)()>(name) != nullptr; })) {
    case SwapControl::Ext: gExt = lookUp<ExtFunction>("glXSwapIntervalEXT"); return viaExt;
    case SwapControl::Mesa: gMesa = lookUp<MesaFunction>("glXSwapIntervalMESA"); return viaMesa;
    case SwapControl::Sgi: gSgi = lookUp<SgiFunction>("glXSwapIntervalSGI"); return viaSgi;
    case SwapControl::Unavailable: break;
    }
    return nullptr;
}

} // namespace bg::platform
