// The window classes of this program's own kinds all look alike: the arrow
// cursor, no background brush (each paints its own, or nothing), no icon.
#pragma once

#include "os/win32.h"

// Registers the class once per process; a second registration is refused by
// the system and changes nothing.
void RegisterPlainClass(os::HINSTANCE instance, const char* name, os::UINT style, os::WNDPROC proc);
