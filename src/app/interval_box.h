// Input mode 7 of the 编辑框 kind, the integer box: digits and "-" only, the
// text rewritten as a plain integer when the focus leaves, and a spin control
// beside it that steps the value within 0 to 10000.
#pragma once

#include <cstdint>

#include "os/win32.h"

constexpr int32_t kIntegerInputMode = 7;
constexpr int kSpinChildId = 164;

// Makes `edit` an integer box and creates its spin control beside it, as a
// child of `parent`. False when the spin control cannot be created.
bool MakeIntegerBox(os::HWND parent, os::HWND edit, os::HINSTANCE instance);

// The spin control of a box MakeIntegerBox made, or null.
os::HWND SpinOf(os::HWND edit);

// The focus left the box: its text becomes the plain integer it starts with.
void RewriteIntegerBox(os::HWND edit);

// A press on the spin control's arrows (delta +1 up, -1 down).
void StepIntegerBox(os::HWND edit, int delta);

// The number a text starts with: leading white space, an optional sign, then
// digits; none reads as 0; beyond 64 bits it saturates.
int64_t ReadLeadingInteger(const char* text);
