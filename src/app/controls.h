// Creation of the controls of the form, each by its kind.
#pragma once

#include "app/form.h"
#include "os/win32.h"

// What a control holds that its window does not free: made here, deleted when
// the main window is destroyed.
struct ControlResources {
    os::HFONT font;    // null when the control draws with DEFAULT_GUI_FONT or its own fonts
    os::HBRUSH brush;  // background of a coloured control, null for none
};

// Registers the window classes of this program's own control kinds, once.
void RegisterControlClasses(os::HINSTANCE instance);

// Creates the control hidden, as a child of `parent` with the native child id
// `childId`. Null when its window cannot be created.
os::HWND CreateControl(os::HWND parent, const ControlForm& form, int childId, os::HINSTANCE instance,
                       ControlResources* made);

// The font of a stored font record, made the way every control makes it;
// null when it cannot be made.
os::HFONT CreateFormFont(const FontForm& font);
