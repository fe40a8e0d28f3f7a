#include "app/properties.h"

#include "app/fatal_error.h"
#include "app/form.h"
#include "app/main_window.h"
#include "app/window_text.h"
#include "services/periodic_timer.h"

namespace {

// The control's form entry and native window; anything missing is fatal.
const ControlForm* Resolve(ControlId window, ControlId control, os::HWND* hwnd)
{
    if (window != kMainWindow || !MainWindowHandle())
        ReportFatalError("迅指访问了一个没有打开的窗口。");
    if (control == kMainWindowSelf) {
        *hwnd = MainWindowHandle();
        return nullptr;
    }
    const ControlForm* form = FindControlForm(control);
    if (!form)
        ReportFatalError("迅指访问了窗口上不存在的控件。");
    *hwnd = ControlHandle(static_cast<size_t>(form - kControlForms));
    if (!*hwnd)
        ReportFatalError("迅指访问了一个尚未创建的控件。");
    return form;
}

}  // namespace

PropertyValue ReadProperty(ControlId window, ControlId control, int32_t property, int32_t)
{
    os::HWND hwnd;
    const ControlForm* form = Resolve(window, control, &hwnd);
    if (!form)
        return PropertyValue{};
    switch (form->kind) {
    case ControlKind::Edit:
        if (property == kPropContent)
            return PropertyValue{ReadWindowText(hwnd), 0};
        break;
    case ControlKind::ComboBox:
        if (property == kPropSelection)
            return NumberValue(static_cast<int32_t>(os::SendMessageA(hwnd, os::CB_GETCURSEL, 0, 0)));
        break;
    case ControlKind::Timer:
        if (property == kPropPeriod)
            return NumberValue(GetPeriod(hwnd));
        break;
    default:
        break;
    }
    return PropertyValue{};
}

void WriteProperty(ControlId window, ControlId control, int32_t property, int32_t, PropertyValue value, int32_t)
{
    os::HWND hwnd;
    const ControlForm* form = Resolve(window, control, &hwnd);
    if (!form)
        return;
    if (form->kind == ControlKind::Edit && property == kPropContent)
        os::SetWindowTextA(hwnd, value.text ? value.text : "");
    else if (form->kind == ControlKind::Timer && property == kPropPeriod)
        SetPeriod(hwnd, value.number);
}

os::HWND GetWindowHandle(ControlId window, ControlId control)
{
    os::HWND hwnd;
    Resolve(window, control, &hwnd);
    return hwnd;
}
