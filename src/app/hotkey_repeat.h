// Holding a hotkey down makes the keyboard repeat it, and every repeat would
// start again inside the box the last one opened: boxes nested without end.
// A press counts once, until the key has been seen released.
#pragma once

#include "os/win32.h"

// True for the first notification of a press of `key`; false for the repeats
// that follow while it stays down. `owner` carries the timer that watches
// for the release.
bool FreshHotkeyPress(os::HWND owner, int key);

// Start values, as at process start.
void ResetHotkeyRepeat();
