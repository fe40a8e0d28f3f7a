// The 透明标签 kind: a line of text drawn straight onto the window's surface,
// with no background of its own.
#pragma once

#include "app/form.h"
#include "os/win32.h"

void RegisterTransLabelClass(os::HINSTANCE instance);
os::HWND CreateTransLabel(os::HWND parent, const ControlForm& form, int childId, os::HINSTANCE instance);

// The DrawTextA format for a label's alignment and wrapping.
os::UINT TransLabelFormat(const ControlForm& form);
