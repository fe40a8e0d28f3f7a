#include "app/main_window.h"

#include "app/controls.h"
#include "app/events.h"
#include "app/fatal_error.h"
#include "app/interval_box.h"
#include "app/keyboard.h"
#include "app/startup.h"
#include "services/window_class.h"

os::LRESULT OSCALL MainWindowProc(os::HWND hwnd, os::UINT msg, os::WPARAM wParam, os::LPARAM lParam);

namespace {

constexpr char kWindowClass[] = "XunzhiMainWindow";
constexpr int kFirstChildId = 100;
constexpr int kChildIdStep = 10;
constexpr size_t kMaxControls = 16;
static_assert(kMaxControls >= 10);

struct MainWindowState {
    os::HWND hwnd;
    os::HWND controls[kMaxControls];
    os::HFONT fonts[kMaxControls];     // fonts made for the controls, deleted with the window
    os::HBRUSH brushes[kMaxControls];  // background brushes of coloured controls
    os::HBRUSH faceBrush;              // the window's own background
    os::HICON icon;
    os::HWND savedFocus;               // the focused control when the window was last deactivated
};

MainWindowState g;

// Frees what the window held for its controls, once they are all gone.
void ReleaseControlResources()
{
    for (size_t i = 0; i < kMaxControls; ++i) {
        if (g.fonts[i])
            os::DeleteObject(g.fonts[i]);
        if (g.brushes[i])
            os::DeleteObject(g.brushes[i]);
        g.fonts[i] = nullptr;
        g.brushes[i] = nullptr;
        g.controls[i] = nullptr;
    }
    if (g.faceBrush)
        os::DeleteObject(g.faceBrush);
    g.faceBrush = nullptr;
    g.savedFocus = nullptr;
}

void RaiseWindowEvent(int32_t event) { RaiseEvent(kMainWindow, kMainWindowSelf, event); }

ControlId ControlIdAt(int index) { return index >= 0 ? kControlForms[index].id : kMainWindowSelf; }

// Passes the keyboard focus on from the window itself to a control.
void PassFocusOn()
{
    os::HWND target = g.savedFocus;
    if (!target || !os::IsWindow(target) || ControlIndexOf(target) < 0)
        target = FirstInTabOrder();
    if (target)
        os::SetFocus(target);
}

os::LRESULT OnCommand(os::HWND hwnd, os::WPARAM wParam, os::LPARAM lParam)
{
    int index = ControlIndexOf(reinterpret_cast<os::HWND>(lParam));
    if (index < 0)
        return os::DefWindowProcA(hwnd, os::WM_COMMAND, wParam, lParam);
    const ControlForm& form = kControlForms[index];
    os::UINT code = os::HiWord(wParam);
    switch (form.kind) {
    case ControlKind::Button:
        if (code == os::BN_CLICKED)
            RaiseEvent(kMainWindow, form.id, kEventClicked);
        break;
    case ControlKind::Edit:
        if (code == os::EN_SETFOCUS) {
            RaiseEvent(kMainWindow, form.id, kEventFocusGained);
        } else if (code == os::EN_KILLFOCUS) {
            if (form.inputMode == kIntegerInputMode)
                RewriteIntegerBox(g.controls[index]);
            RaiseEvent(kMainWindow, form.id, kEventFocusLost);
        }
        break;
    default:
        break;
    }
    return 0;
}

// A press on a spin control's arrow steps its integer box; the control's own
// position never moves.
os::LRESULT OnNotify(os::HWND hwnd, os::WPARAM wParam, os::LPARAM lParam)
{
    const auto* header = reinterpret_cast<const os::NMHDR*>(lParam);
    if (header && header->code == os::UDN_DELTAPOS) {
        for (size_t i = 0; i < kControlCount; ++i) {
            bool integerBox = kControlForms[i].kind == ControlKind::Edit &&
                              kControlForms[i].inputMode == kIntegerInputMode;
            if (integerBox && g.controls[i] && SpinOf(g.controls[i]) == header->hwndFrom) {
                StepIntegerBox(g.controls[i], reinterpret_cast<const os::NMUPDOWN*>(lParam)->iDelta);
                return 1;
            }
        }
    }
    return os::DefWindowProcA(hwnd, os::WM_NOTIFY, wParam, lParam);
}

os::LRESULT OnControlColor(os::HWND hwnd, os::UINT msg, os::WPARAM wParam, os::LPARAM lParam)
{
    int index = ControlIndexOf(reinterpret_cast<os::HWND>(lParam));
    if (index < 0 || !kControlForms[index].colored || !g.brushes[index])
        return os::DefWindowProcA(hwnd, msg, wParam, lParam);
    os::HDC hdc = reinterpret_cast<os::HDC>(wParam);
    os::SetTextColor(hdc, kControlForms[index].textColor);
    os::SetBkColor(hdc, kControlForms[index].background);
    return reinterpret_cast<os::LRESULT>(g.brushes[index]);
}

}  // namespace

os::LRESULT OSCALL MainWindowProc(os::HWND hwnd, os::UINT msg, os::WPARAM wParam, os::LPARAM lParam)
{
    switch (msg) {
    case os::WM_ERASEBKGND: {
        os::RECT client;
        os::GetClientRect(hwnd, &client);
        os::FillRect(reinterpret_cast<os::HDC>(wParam), &client, g.faceBrush);
        return 1;
    }
    case os::WM_COMMAND:
        return OnCommand(hwnd, wParam, lParam);
    case os::WM_NOTIFY:
        return OnNotify(hwnd, wParam, lParam);
    case os::WM_CTLCOLOREDIT:
    case os::WM_CTLCOLORLISTBOX:
    case os::WM_CTLCOLORSTATIC:
        return OnControlColor(hwnd, msg, wParam, lParam);
    case os::WM_ACTIVATE:
        if (os::LoWord(wParam) == os::WA_INACTIVE) {
            os::HWND focus = os::GetFocus();
            if (ControlIndexOf(focus) >= 0)
                g.savedFocus = focus;
        }
        return os::DefWindowProcA(hwnd, msg, wParam, lParam);
    case os::WM_SETFOCUS:
        PassFocusOn();
        return 0;
    case os::WM_MOVE:
        RaiseWindowEvent(kEventMoved);
        return 0;
    case os::WM_SIZE:
        RaiseWindowEvent(kEventResized);
        return 0;
    case os::WM_CLOSE:
        // Nothing binds CloseQuery, so the close always goes ahead.
        RaiseWindowEvent(kEventCloseQuery);
        os::DestroyWindow(hwnd);
        return 0;
    case os::WM_QUERYENDSESSION:
        RaiseWindowEvent(kEventCloseQuery);
        return 1;
    case os::WM_DESTROY:
        RaiseWindowEvent(kEventDestroyed);
        return 0;
    case os::WM_NCDESTROY:
        ReleaseControlResources();
        g.hwnd = nullptr;
        if (MessageLoopRunning())
            os::PostQuitMessage(0);
        return 0;
    default:
        return os::DefWindowProcA(hwnd, msg, wParam, lParam);
    }
}

os::HWND MainWindowHandle() { return g.hwnd; }

os::HWND ControlHandle(size_t index) { return index < kControlCount ? g.controls[index] : nullptr; }

int ControlIndexOf(os::HWND hwnd)
{
    if (!hwnd || !g.hwnd)
        return -1;
    // Inner windows of a control (a combo box's field) count as the control.
    for (os::HWND w = hwnd; w && w != g.hwnd; w = os::GetParent(w))
        for (size_t i = 0; i < kControlCount; ++i)
            if (g.controls[i] == w)
                return static_cast<int>(i);
    return -1;
}

namespace {

int32_t ModifierKeys()
{
    return (os::GetKeyState(os::VK_CONTROL) < 0 ? 1 : 0) | (os::GetKeyState(os::VK_SHIFT) < 0 ? 2 : 0) |
           (os::GetKeyState(os::VK_MENU) < 0 ? 4 : 0);
}

int32_t InputEventOf(os::UINT msg)
{
    switch (msg) {
    case os::WM_LBUTTONDOWN: return kEventLeftButtonDown;
    case os::WM_LBUTTONUP: return kEventLeftButtonUp;
    case os::WM_LBUTTONDBLCLK: return kEventDoubleClicked;
    case os::WM_RBUTTONDOWN: return kEventRightButtonDown;
    case os::WM_RBUTTONUP: return kEventRightButtonUp;
    case os::WM_MOUSEMOVE: return kEventPointerMoved;
    case os::WM_KEYDOWN:
    case os::WM_SYSKEYDOWN: return kEventKeyDown;
    case os::WM_KEYUP:
    case os::WM_SYSKEYUP: return kEventKeyUp;
    case os::WM_CHAR: return kEventCharacter;
    case os::WM_MOUSEWHEEL: return kEventWheel;
    default: return 0;
    }
}

void RaiseInputEvent(ControlId control, const os::MSG& msg)
{
    int32_t event = InputEventOf(msg.message);
    if (event == 0)
        return;
    EventArgs args{};
    if (msg.message >= os::WM_MOUSEMOVE && msg.message <= os::WM_RBUTTONDBLCLK) {
        args.values[0] = static_cast<int32_t>(os::LoWord(static_cast<uintptr_t>(msg.lParam)));
        args.values[1] = static_cast<int32_t>(os::HiWord(static_cast<uintptr_t>(msg.lParam)));
        args.values[2] = ModifierKeys();
    } else if (msg.message == os::WM_MOUSEWHEEL) {
        args.values[0] = static_cast<int16_t>(os::HiWord(msg.wParam));
        args.values[1] = ModifierKeys();
    } else {
        args.values[0] = static_cast<int32_t>(msg.wParam);
        args.values[1] = ModifierKeys();
    }
    RaiseEvent(kMainWindow, control, event, args);
}

}  // namespace

bool PreTranslateMainWindowMessage(const os::MSG& msg)
{
    if (!g.hwnd || !msg.hwnd)
        return false;
    int index = ControlIndexOf(msg.hwnd);
    if (index < 0 && msg.hwnd != g.hwnd)
        return false;
    RaiseInputEvent(ControlIdAt(index), msg);
    if (msg.message == os::WM_KEYDOWN || msg.message == os::WM_SYSKEYDOWN)
        return HandleWindowKey(g.hwnd, msg);
    return false;
}

void LoadWindow(ControlId window)
{
    if (window != kMainWindowForm.id)
        ReportFatalError("迅指找不到要打开的窗口。");
    if (g.hwnd) {  // loaded already: bring it forward
        os::ShowWindow(g.hwnd, os::SW_SHOW);
        return;
    }
    SuspendEvents();
    os::HINSTANCE instance = os::GetModuleHandleA(nullptr);
    // The window paints its own background (WM_ERASEBKGND).
    RegisterPlainClass(instance, kWindowClass, os::CS_DBLCLKS | os::CS_HREDRAW | os::CS_VREDRAW, MainWindowProc);
    RegisterControlClasses(instance);
    g.faceBrush = os::CreateSolidBrush(os::GetSysColor(os::COLOR_BTNFACE));

    // The window: fixed frame, no maximise box, centred on the primary screen.
    const WindowForm& form = kMainWindowForm;
    os::DWORD style = os::WS_CLIPCHILDREN | os::WS_CAPTION | os::WS_SYSMENU | os::WS_MINIMIZEBOX;
    int x = (os::GetSystemMetrics(os::SM_CXSCREEN) - form.width) / 2;
    int y = (os::GetSystemMetrics(os::SM_CYSCREEN) - form.height) / 2;
    g.hwnd = os::CreateWindowExA(0, kWindowClass, form.title, style, x, y, form.width, form.height, nullptr, 0,
                                 instance, nullptr);
    if (!g.hwnd)
        ReportFatalError("迅指无法创建主窗口。");
    os::RECT outer{};
    os::GetWindowRect(g.hwnd, &outer);
    if (outer.right - outer.left != form.width || outer.bottom - outer.top != form.height)
        os::MoveWindow(g.hwnd, outer.left, outer.top, form.width, form.height, 1);
    g.icon = static_cast<os::HICON>(os::LoadImageA(instance, os::MakeIntResource(1), os::IMAGE_ICON, 32, 32, 0));
    if (g.icon) {
        os::SendMessageA(g.hwnd, os::WM_SETICON, os::ICON_BIG, reinterpret_cast<os::LPARAM>(g.icon));
        os::SendMessageA(g.hwnd, os::WM_SETICON, os::ICON_SMALL, reinterpret_cast<os::LPARAM>(g.icon));
    }
    os::SendMessageA(g.hwnd, os::WM_SETFONT, reinterpret_cast<os::WPARAM>(os::GetStockObject(os::DEFAULT_GUI_FONT)), 0);

    // The controls, hidden, in reverse list order.
    int childId = kFirstChildId;
    for (size_t i = kControlCount; i-- > 0;) {
        const ControlForm& control = kControlForms[i];
        ControlResources made{};
        g.controls[i] = CreateControl(g.hwnd, control, childId, instance, &made);
        g.fonts[i] = made.font;
        g.brushes[i] = made.brush;
        if (!g.controls[i])
            ReportFatalError("迅指无法创建窗口上的控件。");
        childId += kChildIdStep;
    }

    // Z-order by list order: the first on top, each further one right below.
    const os::UINT keep = os::SWP_NOMOVE | os::SWP_NOSIZE | os::SWP_NOACTIVATE;
    for (size_t i = 0; i < kControlCount; ++i)
        os::SetWindowPos(g.controls[i], i == 0 ? os::HWND_TOP : g.controls[i - 1], 0, 0, 0, 0, keep);

    for (size_t i = kControlCount; i-- > 0;) {
        const ControlForm& control = kControlForms[i];
        bool shown = control.shown && control.kind != ControlKind::Timer;
        os::ShowWindow(g.controls[i], shown ? os::SW_SHOWNA : os::SW_HIDE);
    }
    ResumeEvents();

    RaiseWindowEvent(kEventCreated);
    if (!g.hwnd || !os::IsWindow(g.hwnd))
        return;
    RaiseWindowEvent(kEventMoved);
    if (!g.hwnd || !os::IsWindow(g.hwnd))
        return;
    RaiseWindowEvent(kEventResized);
    if (!g.hwnd || !os::IsWindow(g.hwnd))
        return;
    // Showing activates the window, and the activation puts the focus on the
    // first control of the tab order.
    os::ShowWindow(g.hwnd, os::SW_SHOW);
}

void DestroyMainWindow()
{
    if (g.hwnd && os::IsWindow(g.hwnd))
        os::DestroyWindow(g.hwnd);
    ReleaseControlResources();  // what a window that never came to be leaves behind
    if (g.icon)
        os::DestroyIcon(g.icon);
    g.icon = nullptr;
}

void ResetMainWindow() { g = MainWindowState{}; }
