// The flat look of the GUI thread's standard controls: push buttons, check
// boxes, radio buttons and group boxes, edit boxes, drop-down combo boxes
// with their lists, and spin controls. A control wears it through a window
// procedure put in front of its own; everything but its frame and face
// stays as it was.
#pragma once

#include <cstdint>

#include "os/win32.h"

// Palette 1 (blue), 2 (olive green) or 3 (silver) puts the look, afresh, on
// every control of the thread that exists and on every one created later;
// gives 1. Any other value takes it off every control again and gives 1 when
// it removed the creation hook, otherwise 0.
int32_t SetVisualStyle(int32_t palette);

// The procedure a control wearing the look has in front of its own.
os::LRESULT OSCALL FlatControlProc(os::HWND hwnd, os::UINT msg, os::WPARAM wParam, os::LPARAM lParam);

// Start values, as at process start: no hook, no control taken.
void ResetVisualStyle();
