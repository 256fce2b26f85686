#pragma once

#include <optional>

namespace kadenzo {

// The keyboard's lock lights, for the status bar's indicators.
struct KeyboardLocks {
    bool caps = false;
    bool num = false;
    bool scroll = false;
};

// The current lock state where the window system tells it (X11); nothing
// elsewhere (offscreen, Wayland), where the indicators then stay grey.
std::optional<KeyboardLocks> ReadKeyboardLocks();

}  // namespace kadenzo
