// What the window does once it and its controls exist, before it is shown,
// and the routing of the hotkeys it registers there.
#pragma once

#include <cstdint>

// The hotkey ids of F10 (start) and F11 (stop); 0 when a registration failed.
extern int32_t StartHotkeyId;
extern int32_t StopHotkeyId;

void OnWindowCreated();
void OnHotkeyFeedback(int32_t first, int32_t second);

// Start values, as at process start.
void ResetWindowCreated();
