// The window's keyboard handling: Tab and Shift+Tab walk the tab order, Esc
// closes the window.
#pragma once

#include "os/win32.h"

// The first control of the tab order, or null when no control qualifies.
os::HWND FirstInTabOrder();

// Acts on a key-down message meant for the window or one of its controls.
// True when the message goes no further.
bool HandleWindowKey(os::HWND mainWindow, const os::MSG& msg);
