// System-wide hotkeys routed to a label: the registering window's procedure
// is wrapped once, and every WM_HOTKEY of ours is handed on to the label as
// FeedbackMessage before the window sees it.
#pragma once

#include <cstdint>

#include "os/win32.h"

constexpr int32_t kFirstHotkeyId = 33001;

// Registers `key` with the modifier code (0 none, 1 Ctrl, 2 Shift, 3 Ctrl+Shift,
// 4 Alt, 5 Ctrl+Alt, 6 Shift+Alt; other values pass as they are). Returns the
// hotkey's id, or 0 when the system refuses it; the id is used up either way.
// Every registration must name the same window.
int32_t RegisterGlobalHotkey(os::HWND window, os::HWND target, int32_t modifiers, os::UINT key);

os::LRESULT OSCALL HotkeyWindowProc(os::HWND hwnd, os::UINT msg, os::WPARAM wParam, os::LPARAM lParam);

// Start values, as at process start.
void ResetHotkeyService();
