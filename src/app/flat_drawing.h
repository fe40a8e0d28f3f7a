// Drawing of the flat look: the palettes' colours, and the frames, faces and
// glyphs of the controls that wear it. Nothing here keeps state; the caller
// says whether the pointer is over a control or a part of it.
#pragma once

#include <cstdint>

#include "os/win32.h"

// The frame of edit and combo boxes in `palette` (1 blue, 2 olive green,
// 3 silver); a disabled box's frame is the button face a shade darker.
os::COLORREF FlatFrameColor(int32_t palette, bool enabled);

// A push button, check box, radio button or group box, into `hdc` (client
// coordinates).
void DrawFlatButton(os::HWND hwnd, os::HDC hdc, int32_t palette, bool hot);

// A spin control's two arrows. Parts: 0 up (or left), 1 down (or right), -1 none.
void DrawFlatSpin(os::HWND hwnd, os::HDC hdc, int32_t palette, int hotPart, int pressedPart);
int FlatSpinPartAt(os::HWND hwnd, os::LPARAM point);

// A drop-down combo box's frame and button, over what the box painted itself.
void DrawFlatCombo(os::HWND hwnd, os::HDC hdc, int32_t palette, bool hot);

// The frame over a box's non-client border, through its window DC; nothing
// for a box without a border. `readOnly` gives the inner ring the face colour.
void DrawFlatBorder(os::HWND hwnd, int32_t palette, bool readOnly);
