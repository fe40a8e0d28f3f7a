// Property access: how the application reads and writes the controls.
#pragma once

#include <cstdint>

#include "app/control_ids.h"
#include "os/win32.h"

// A property's value: a text (null for the absent text) or a number. A text
// read is the caller's to free; a text written is copied by the control.
struct PropertyValue {
    char* text;
    int32_t number;
};

inline PropertyValue TextValue(const char* text) { return PropertyValue{const_cast<char*>(text), 0}; }
inline PropertyValue NumberValue(int32_t number) { return PropertyValue{nullptr, number}; }

// `part` -1 means the whole value, the only part the application uses.
PropertyValue ReadProperty(ControlId window, ControlId control, int32_t property, int32_t part);
void WriteProperty(ControlId window, ControlId control, int32_t property, int32_t part, PropertyValue value,
                   int32_t extra);

// The native window of a control; the main window's own with kMainWindowSelf.
// Never null: a window not loaded, or a control it does not hold, is fatal.
os::HWND GetWindowHandle(ControlId window, ControlId control);
