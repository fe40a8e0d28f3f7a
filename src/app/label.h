// The 标签 kind: a plain label. The program's one label is never shown; it
// receives the hotkey notifications as FeedbackMessage and raises Feedback.
#pragma once

#include "app/form.h"
#include "os/win32.h"

constexpr os::UINT kFeedbackMessage = 0x8075;

void RegisterLabelClass(os::HINSTANCE instance);
os::HWND CreateLabel(os::HWND parent, const ControlForm& form, int childId, os::HINSTANCE instance);
