#include "app/keyboard.h"

#include "app/form.h"
#include "app/main_window.h"

namespace {

constexpr size_t kMaxTabStops = 16;

bool Down(int key) { return os::GetKeyState(key) < 0; }

// Visible, enabled controls with a tab stop. Every control of the form has
// tab index 0, so they stand in creation order, the reverse of the list.
size_t TabOrder(os::HWND order[kMaxTabStops])
{
    size_t n = 0;
    for (size_t i = kControlCount; i-- > 0 && n < kMaxTabStops;) {
        os::HWND hwnd = ControlHandle(i);
        if (kControlForms[i].tabStop && hwnd && os::IsWindowVisible(hwnd) && os::IsWindowEnabled(hwnd))
            order[n++] = hwnd;
    }
    return n;
}

// Moves the focus one step along the tab order, wrapping at both ends.
void StepFocus(int step)
{
    os::HWND order[kMaxTabStops];
    size_t n = TabOrder(order);
    if (n == 0)
        return;
    int current = ControlIndexOf(os::GetFocus());
    size_t at = n;  // the focus is on no tab stop
    for (size_t i = 0; i < n; ++i)
        if (current >= 0 && order[i] == ControlHandle(static_cast<size_t>(current)))
            at = i;
    size_t next;
    if (at == n)
        next = step > 0 ? 0 : n - 1;
    else
        next = step > 0 ? (at + 1) % n : (at + n - 1) % n;
    os::SetFocus(order[next]);
}

}  // namespace

os::HWND FirstInTabOrder()
{
    os::HWND order[kMaxTabStops];
    return TabOrder(order) ? order[0] : nullptr;
}

bool HandleWindowKey(os::HWND mainWindow, const os::MSG& msg)
{
    bool alt = msg.message == os::WM_SYSKEYDOWN || Down(os::VK_MENU);
    switch (msg.wParam) {
    case os::VK_TAB:
        StepFocus(Down(os::VK_SHIFT) ? -1 : 1);
        return true;
    case os::VK_ESCAPE:
        if (alt || Down(os::VK_CONTROL) || Down(os::VK_SHIFT))
            return false;
        os::SendMessageA(mainWindow, os::WM_CLOSE, 0, 0);
        return true;
    default:
        // Enter: the form has no default button, so it reaches the control.
        return false;
    }
}
