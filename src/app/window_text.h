// A window's text, read the way every reader in the program wants it.
#pragma once

#include "os/win32.h"

// A fresh heap copy of the window's text, the caller's to free; the absent
// text (null, nothing allocated) when the window's text is empty.
char* ReadWindowText(os::HWND hwnd);
