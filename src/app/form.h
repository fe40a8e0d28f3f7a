// The form of the main window: what it and each of its controls are when the
// program starts. Pure data; main_window.cpp builds the window from it.
#pragma once

#include <cstddef>
#include <cstdint>

#include "app/control_ids.h"
#include "os/win32.h"

enum class ControlKind { ComboBox, TransLabel, Edit, Button, Timer, Label };

struct FontForm {
    const char* face;
    int32_t height;
    int32_t weight;
};

struct ControlForm {
    const char* name;  // the form's own name of the control
    ControlId id;
    ControlKind kind;
    int x, y, width, height;
    const char* text;  // caption or content; null for none
    bool shown;
    bool tabStop;
    const FontForm* font;  // null: DEFAULT_GUI_FONT
    bool colored;          // text and background colours below apply
    os::COLORREF textColor;
    os::COLORREF background;
    // 编辑框
    int32_t inputMode;
    int32_t limit;  // EM_LIMITTEXT; 0 for none
    // 组合框
    const char* const* items;
    int32_t itemCount;
    int32_t selection;
    // 透明标签
    int32_t effect;
    int32_t horizontalAlign;  // 0 left, 1 centre, 2 right
    int32_t verticalAlign;    // 0 top, 1 centre, 2 bottom
    bool wordWrap;
};

struct WindowForm {
    ControlId id;
    const char* title;
    int width, height;  // outer size
    int storedX, storedY;  // overridden by centring
};

extern const WindowForm kMainWindowForm;

// The controls in the form's list order: z-order from the top. They are
// created in the opposite order.
extern const ControlForm kControlForms[];
extern const size_t kControlCount;

// The form entry of `id`, or null when the window holds no such control.
const ControlForm* FindControlForm(ControlId id);
