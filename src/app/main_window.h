// The main window: loading it from its form, its window procedure, and what
// the rest of the application may ask of it.
#pragma once

#include <cstddef>

#include "app/control_ids.h"
#include "app/form.h"
#include "os/win32.h"

// Creates the window and its controls, raises Created, Moved and Resized and
// shows the window. A window that cannot be loaded is fatal.
void LoadWindow(ControlId window);

// The native window of the main window, null when it is not loaded.
os::HWND MainWindowHandle();

// The native window of the control at `index` of the form list, null when it
// does not exist.
os::HWND ControlHandle(size_t index);

// The form index of the control that `hwnd` is or lies inside, or -1.
int ControlIndexOf(os::HWND hwnd);

// Offers a message taken off the queue to the main window before it is
// dispatched: keyboard handling and the controls' input events. True when the
// window consumed it.
bool PreTranslateMainWindowMessage(const os::MSG& msg);

// Destroys the window if it is still there and frees its icon (shutdown).
void DestroyMainWindow();

// Start values, as at process start.
void ResetMainWindow();
