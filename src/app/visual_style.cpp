#include "app/visual_style.h"

#include "app/flat_drawing.h"
#include "services/text_heap.h"

namespace {

enum class Kind { Button, Edit, Combo, List, Spin };

// One taken control, a block on the process heap, until the look comes off
// it or it is destroyed.
struct Taken {
    Taken* next;
    os::HWND hwnd;
    os::WNDPROC previous;
    Kind kind;
    bool active;  // false: someone wrapped the control after us, so we stay in its chain and only pass on
    bool hot;
    int hotPart;  // spin control: the arrow under the pointer, -1 for none
    int pressedPart;
};

struct VisualStyle {
    int32_t palette;  // 0 while the look is off
    os::HHOOK hook;
    Taken* taken;
    bool allocating;  // a failed allocation's error box is left as it is
};

VisualStyle g;

constexpr os::UINT kFullRedraw = os::RDW_INVALIDATE | os::RDW_ERASE | os::RDW_FRAME | os::RDW_UPDATENOW;

char Lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool SameName(const char* a, const char* b)
{
    while (*a && Lower(*a) == Lower(*b))
        ++a, ++b;
    return Lower(*a) == Lower(*b);
}

bool ClassIs(os::HWND hwnd, const char* name)
{
    char buffer[64];
    int n = os::GetClassNameA(hwnd, buffer, sizeof buffer);
    return n > 0 && SameName(buffer, name);
}

// Which controls wear the look, and as what.
bool KindOf(os::HWND hwnd, Kind* kind)
{
    char name[64];
    int n = os::GetClassNameA(hwnd, name, sizeof name);
    if (n <= 0)
        return false;
    auto style = static_cast<os::DWORD>(os::GetWindowLongA(hwnd, os::GWL_STYLE));
    if (SameName(name, "BUTTON")) {
        switch (style & os::BS_TYPEMASK) {
        case os::BS_PUSHBUTTON:
        case os::BS_DEFPUSHBUTTON:
        case os::BS_CHECKBOX:
        case os::BS_AUTOCHECKBOX:
        case os::BS_RADIOBUTTON:
        case os::BS_3STATE:
        case os::BS_AUTO3STATE:
        case os::BS_GROUPBOX:
        case os::BS_AUTORADIOBUTTON:
            *kind = Kind::Button;
            return true;
        default:
            return false;  // owner-drawn and the rarer kinds draw themselves
        }
    }
    if (SameName(name, "EDIT")) {
        os::HWND parent = os::GetParent(hwnd);
        *kind = Kind::Edit;
        return !(parent && ClassIs(parent, "SysIPAddress32"));
    }
    if (SameName(name, "COMBOBOX")) {
        os::DWORD type = style & (os::CBS_DROPDOWN | os::CBS_SIMPLE);
        *kind = Kind::Combo;
        return type == os::CBS_DROPDOWN || type == os::CBS_DROPDOWNLIST;
    }
    if (SameName(name, "ComboLBox")) {
        *kind = Kind::List;
        return true;
    }
    if (SameName(name, "msctls_updown32")) {
        *kind = Kind::Spin;
        return true;
    }
    return false;
}

Taken* Find(os::HWND hwnd)
{
    for (Taken* t = g.taken; t; t = t->next)
        if (t->hwnd == hwnd)
            return t;
    return nullptr;
}

void Forget(Taken* gone)
{
    for (Taken** at = &g.taken; *at; at = &(*at)->next)
        if (*at == gone) {
            *at = gone->next;
            FreeBlock(gone);
            return;
        }
}

void Take(os::HWND hwnd, bool existing)
{
    Kind kind;
    if (g.allocating || !KindOf(hwnd, &kind))
        return;
    Taken* t = Find(hwnd);
    if (t && t->active)
        return;
    if (!t) {
        g.allocating = true;
        t = static_cast<Taken*>(AllocBlock(sizeof(Taken)));
        g.allocating = false;
        *t = Taken{g.taken, hwnd, nullptr, kind, false, false, -1, -1};
        t->previous = reinterpret_cast<os::WNDPROC>(
            os::SetWindowLongA(hwnd, os::GWL_WNDPROC, reinterpret_cast<os::LONG_PTR>(FlatControlProc)));
        if (!t->previous) {  // not wrapped: nothing to take
            FreeBlock(t);
            return;
        }
        g.taken = t;
    }
    t->active = true;
    t->hot = false;
    t->hotPart = t->pressedPart = -1;
    // A control still being created paints once it is shown.
    if (existing)
        os::RedrawWindow(hwnd, nullptr, nullptr, kFullRedraw);
}

// Back to its own procedure when ours is still the one in front; otherwise
// ours stays in the chain, passing everything on, until the control goes.
void GiveBack(Taken* t)
{
    os::HWND hwnd = t->hwnd;
    bool wasActive = t->active;
    if (os::GetWindowLongA(hwnd, os::GWL_WNDPROC) == reinterpret_cast<os::LONG_PTR>(FlatControlProc)) {
        os::SetWindowLongA(hwnd, os::GWL_WNDPROC, reinterpret_cast<os::LONG_PTR>(t->previous));
        Forget(t);
    } else {
        t->active = false;
    }
    if (wasActive)
        os::RedrawWindow(hwnd, nullptr, nullptr, kFullRedraw);
}

os::BOOL OSCALL TakeChild(os::HWND hwnd, os::LPARAM)
{
    Take(hwnd, true);
    return 1;
}

os::BOOL OSCALL TakeTree(os::HWND hwnd, os::LPARAM)
{
    Take(hwnd, true);
    os::EnumChildWindows(hwnd, TakeChild, 0);
    return 1;
}

os::LRESULT OSCALL WatchCreation(int code, os::WPARAM wParam, os::LPARAM lParam)
{
    const auto* cwp = reinterpret_cast<const os::CWPSTRUCT*>(lParam);
    if (code == os::HC_ACTION && cwp && cwp->message == os::WM_CREATE)
        Take(cwp->hwnd, false);
    return os::CallNextHookEx(g.hook, code, wParam, lParam);
}

int32_t SwitchOff()
{
    int32_t removed = 0;
    if (g.hook) {
        removed = os::UnhookWindowsHookEx(g.hook) ? 1 : 0;
        g.hook = nullptr;
    }
    g.palette = 0;
    for (Taken* t = g.taken; t;) {
        Taken* next = t->next;
        GiveBack(t);
        t = next;
    }
    return removed;
}

// ---- painting, per kind

void Draw(const Taken* t, os::HDC hdc)
{
    switch (t->kind) {
    case Kind::Button: DrawFlatButton(t->hwnd, hdc, g.palette, t->hot); break;
    case Kind::Spin: DrawFlatSpin(t->hwnd, hdc, g.palette, t->hotPart, t->pressedPart); break;
    case Kind::Combo: DrawFlatCombo(t->hwnd, hdc, g.palette, t->hot); break;
    case Kind::Edit:
    case Kind::List: break;
    }
}

void DrawBorder(const Taken* t)
{
    bool readOnly = t->kind == Kind::Edit && (os::GetWindowLongA(t->hwnd, os::GWL_STYLE) & os::ES_READONLY);
    DrawFlatBorder(t->hwnd, g.palette, readOnly);
}

// Drawn again at once, over what the control's own procedure just drew.
void Redraw(os::HWND hwnd)
{
    const Taken* t = Find(hwnd);  // looked up again: the message may have destroyed the control
    if (!t || !t->active)
        return;
    if (t->kind == Kind::Edit || t->kind == Kind::List) {
        DrawBorder(t);
        return;
    }
    if (os::HDC hdc = os::GetDC(hwnd)) {
        Draw(t, hdc);
        os::ReleaseDC(hwnd, hdc);
    }
}

// Messages after which a control's own procedure has drawn its face itself.
bool DrawsItself(Kind kind, os::UINT msg)
{
    switch (msg) {
    case os::WM_ENABLE:
        return true;
    case os::WM_SETFOCUS:
    case os::WM_KILLFOCUS:
        return kind == Kind::Button || kind == Kind::Combo;
    case os::EM_SETREADONLY:
        return kind == Kind::Edit;
    case os::BM_SETSTATE:
    case os::BM_SETCHECK:
    case os::BM_SETSTYLE:
    case os::WM_SETTEXT:
        return kind == Kind::Button;
    case os::WM_LBUTTONDOWN:
    case os::WM_LBUTTONDBLCLK:
    case os::WM_LBUTTONUP:
    case os::WM_KEYUP:
    case os::WM_CAPTURECHANGED:
        return kind == Kind::Button || kind == Kind::Combo;
    case os::WM_KEYDOWN:
    case os::CB_SETCURSEL:
    case os::CB_SHOWDROPDOWN:
        return kind == Kind::Combo;
    default:
        return false;
    }
}

void Paint(Taken* t, os::WPARAM given)
{
    if (given) {  // drawn into the caller's DC, as for printing
        Draw(t, reinterpret_cast<os::HDC>(given));
        return;
    }
    os::PAINTSTRUCT ps;
    os::HDC hdc = os::BeginPaint(t->hwnd, &ps);
    if (hdc)
        Draw(t, hdc);
    os::EndPaint(t->hwnd, &ps);
}

// The pointer over a control: hot until it leaves.
bool Hover(Taken* t, os::LPARAM point)
{
    int part = t->kind == Kind::Spin ? FlatSpinPartAt(t->hwnd, point) : -1;
    bool changed = !t->hot || part != t->hotPart;
    if (!t->hot) {
        os::TRACKMOUSEEVENT track{sizeof(os::TRACKMOUSEEVENT), os::TME_LEAVE, t->hwnd, 0};
        os::TrackMouseEvent(&track);
    }
    t->hot = true;
    t->hotPart = part;
    return changed;
}

bool OwnPainted(Kind kind) { return kind == Kind::Button || kind == Kind::Spin; }

}  // namespace

os::LRESULT OSCALL FlatControlProc(os::HWND hwnd, os::UINT msg, os::WPARAM wParam, os::LPARAM lParam)
{
    Taken* t = Find(hwnd);
    if (!t)
        return os::DefWindowProcA(hwnd, msg, wParam, lParam);
    os::WNDPROC previous = t->previous;
    if (msg == os::WM_NCDESTROY) {
        if (os::GetWindowLongA(hwnd, os::GWL_WNDPROC) == reinterpret_cast<os::LONG_PTR>(FlatControlProc))
            os::SetWindowLongA(hwnd, os::GWL_WNDPROC, reinterpret_cast<os::LONG_PTR>(previous));
        Forget(t);
        return os::CallWindowProcA(previous, hwnd, msg, wParam, lParam);
    }
    if (!t->active)
        return os::CallWindowProcA(previous, hwnd, msg, wParam, lParam);

    Kind kind = t->kind;
    bool redraw = DrawsItself(kind, msg);
    switch (msg) {
    case os::WM_PAINT:
        if (OwnPainted(kind)) {
            Paint(t, wParam);
            return 0;
        }
        redraw = kind == Kind::Combo;
        break;
    case os::WM_NCPAINT: {
        os::LRESULT result = os::CallWindowProcA(previous, hwnd, msg, wParam, lParam);
        if (const Taken* still = Find(hwnd))
            DrawBorder(still);
        return result;
    }
    case os::WM_MOUSEMOVE:
        redraw = kind != Kind::Edit && kind != Kind::List && Hover(t, lParam);
        break;
    case os::WM_MOUSELEAVE:
        redraw = t->hot;
        t->hot = false;
        t->hotPart = -1;
        break;
    default:
        break;
    }
    if (kind == Kind::Spin) {
        if (msg == os::WM_LBUTTONDOWN || msg == os::WM_LBUTTONDBLCLK) {
            t->pressedPart = FlatSpinPartAt(hwnd, lParam);
            redraw = true;
        } else if (msg == os::WM_LBUTTONUP || msg == os::WM_CAPTURECHANGED) {
            redraw = t->pressedPart != -1;
            t->pressedPart = -1;
        }
    }
    os::LRESULT result = os::CallWindowProcA(previous, hwnd, msg, wParam, lParam);
    if (redraw)
        Redraw(hwnd);
    return result;
}

int32_t SetVisualStyle(int32_t palette)
{
    int32_t removed = SwitchOff();
    if (palette < 1 || palette > 3)
        return removed;
    g.palette = palette;
    os::EnumThreadWindows(os::GetCurrentThreadId(), TakeTree, 0);
    g.hook = os::SetWindowsHookExA(os::WH_CALLWNDPROC, WatchCreation, nullptr, os::GetCurrentThreadId());
    return 1;
}

void ResetVisualStyle() { g = VisualStyle{}; }
