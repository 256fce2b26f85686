#include "KeyboardLocks.h"

#include <QGuiApplication>

#if KADENZO_WITH_X11
#include <X11/XKBlib.h>
#endif

namespace kadenzo {

std::optional<KeyboardLocks> ReadKeyboardLocks() {
#if KADENZO_WITH_X11
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    Display* display = x11 ? x11->display() : nullptr;
    if (!display) return std::nullopt;
    unsigned int lights = 0;
    if (XkbGetIndicatorState(display, XkbUseCoreKbd, &lights) != Success) return std::nullopt;
    // The core keyboard's first three indicators: Caps, Num and Scroll Lock.
    return KeyboardLocks{(lights & 1u) != 0, (lights & 2u) != 0, (lights & 4u) != 0};
#else
    return std::nullopt;
#endif
}

}  // namespace kadenzo
