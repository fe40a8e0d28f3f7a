// Message boxes without owner window.
#pragma once

#include <cstdint>

// Shows `message` under `title` ("信息：" when absent) with the MB_ style bits
// in `flags`; the box is task-modal unless `flags` ask for system-modal.
// Returns the button pressed counted from 0: OK 0, Cancel 1, Abort 2, Retry 3,
// Ignore 4, Yes 5, No 6; 0 when the box could not be shown.
int32_t ShowMessageBox(const char* message, int32_t flags, const char* title = nullptr);
