#include "app/label.h"

#include "app/events.h"
#include "services/window_class.h"

namespace {

constexpr char kLabelClass[] = "XunzhiLabel";

os::LRESULT OSCALL LabelProc(os::HWND hwnd, os::UINT msg, os::WPARAM wParam, os::LPARAM lParam)
{
    if (msg == kFeedbackMessage) {
        ControlId control = static_cast<ControlId>(os::GetWindowLongA(hwnd, os::GWL_USERDATA));
        RaiseEvent(kMainWindow, control, kEventFeedback,
                   EventArgs{{static_cast<int32_t>(wParam), static_cast<int32_t>(lParam), 0}});
        return 0;  // the handler gives no result
    }
    return os::DefWindowProcA(hwnd, msg, wParam, lParam);
}

}  // namespace

void RegisterLabelClass(os::HINSTANCE instance) { RegisterPlainClass(instance, kLabelClass, 0, LabelProc); }

os::HWND CreateLabel(os::HWND parent, const ControlForm& form, int childId, os::HINSTANCE instance)
{
    os::HWND label = os::CreateWindowExA(0, kLabelClass, form.text, os::WS_CHILD | os::WS_CLIPSIBLINGS, form.x, form.y,
                                         form.width, form.height, parent, static_cast<os::UINT_PTR>(childId),
                                         instance, nullptr);
    if (label)
        os::SetWindowLongA(label, os::GWL_USERDATA, static_cast<os::LONG_PTR>(form.id));
    return label;
}
