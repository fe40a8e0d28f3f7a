// The fake's window manager: classes, the window tree and its z-order,
// creation and destruction, visibility, activation and keyboard focus, and
// the default window procedure.
#include <algorithm>
#include <cstring>
#include <strings.h>

#include "fake/fake_state.h"

namespace fake {

namespace {
std::string D(long long v) { return std::to_string(v); }

// Frame of a captioned top-level window: what GetClientRect leaves out.
constexpr int kFrame = 3;
constexpr int kCaption = 22;

bool Captioned(const Window* w) { return w->parent == &S().desktop && (w->style & os::WS_CAPTION) == os::WS_CAPTION; }
}  // namespace

os::HWND Window::Handle() const { return reinterpret_cast<os::HWND>(static_cast<uintptr_t>(number) << 4); }

std::string Name(os::HWND hwnd)
{
    uintptr_t h = reinterpret_cast<uintptr_t>(hwnd);
    if (!h)
        return "0";
    if ((h & 0xF) == 0 && (h >> 4) >= 1 && (h >> 4) <= S().windows.size())
        return "#" + D(static_cast<long long>(h >> 4));
    return Hex(h);
}

Window* W(os::HWND hwnd)
{
    uintptr_t h = reinterpret_cast<uintptr_t>(hwnd);
    if (!h || (h & 0xF) != 0)
        return nullptr;
    size_t n = h >> 4;
    if (n < 1 || n > S().windows.size())
        return nullptr;
    Window* w = S().windows[n - 1].get();
    return w->alive ? w : nullptr;
}

Window* TopLevel(Window* w)
{
    while (w && w->parent && w->parent != &S().desktop)
        w = w->parent;
    return w;
}

static bool VisibleChain(const Window* w)
{
    for (; w && w != &S().desktop; w = w->parent)
        if (!(w->style & os::WS_VISIBLE))
            return false;
    return true;
}

bool EnabledForInput(Window* w)
{
    if (!w || !w->alive || !VisibleChain(w))
        return false;
    for (Window* p = w; p && p != &S().desktop; p = p->parent)
        if (p->style & os::WS_DISABLED)
            return false;
    return true;
}

const ClassInfo* FindClass(const std::string& name)
{
    for (const auto& c : S().classes)
        if (strcasecmp(c->name.c_str(), name.c_str()) == 0)
            return c.get();
    return nullptr;
}

void RegisterSystemClasses()
{
    struct {
        const char* name;
        os::WNDPROC proc;
        os::UINT style;
    } const table[] = {
        {"EDIT", EditProc, os::CS_DBLCLKS},
        {"COMBOBOX", ComboProc, os::CS_DBLCLKS},
        {"BUTTON", ButtonProc, os::CS_DBLCLKS},
        {"msctls_updown32", UpDownProc, 0},
        {"#32770", DialogProc, os::CS_DBLCLKS},
    };
    for (const auto& row : table) {
        auto c = std::make_unique<ClassInfo>();
        c->name = row.name;
        c->proc = row.proc;
        c->style = row.style;
        c->system = true;
        S().classes.push_back(std::move(c));
    }
}

void ClientOrigin(const Window* w, os::LONG* x, os::LONG* y)
{
    os::LONG ox = 0, oy = 0;
    for (const Window* p = w; p && p != &S().desktop; p = p->parent) {
        ox += p->rect.left;
        oy += p->rect.top;
        if (Captioned(p)) {
            ox += kFrame;
            oy += kFrame + kCaption;
        }
    }
    *x = ox;
    *y = oy;
}

void ClientSize(const Window* w, os::LONG* cx, os::LONG* cy)
{
    *cx = w->rect.right - w->rect.left;
    *cy = w->rect.bottom - w->rect.top;
    if (Captioned(w)) {
        *cx -= 2 * kFrame;
        *cy -= 2 * kFrame + kCaption;
    }
}

os::LRESULT Deliver(Window* w, os::UINT msg, os::WPARAM wParam, os::LPARAM lParam, bool sent)
{
    if (!w || !w->alive || !w->proc)
        return 0;
    if (sent) {
        for (size_t i = 0; i < S().hooks.size(); ++i) {
            HookState hook = S().hooks[i];
            if (hook.alive && hook.kind == os::WH_CALLWNDPROC) {
                os::CWPSTRUCT cwp{lParam, wParam, msg, w->Handle()};
                hook.proc(0, 0, reinterpret_cast<os::LPARAM>(&cwp));
            }
        }
        if (!w->alive)
            return 0;
    }
    return w->proc(w->Handle(), msg, wParam, lParam);
}

void Notify(Window* control, os::UINT code)
{
    if (control && control->parent && control->parent != &S().desktop)
        Deliver(control->parent, os::WM_COMMAND, (static_cast<os::WPARAM>(code) << 16) | (control->id & 0xFFFF),
                reinterpret_cast<os::LPARAM>(control->Handle()));
}

static void Unlink(Window* w)
{
    auto& list = w->parent->children;
    list.erase(std::remove(list.begin(), list.end(), w), list.end());
}

static bool Contains(const Window* ancestor, const Window* w)
{
    for (; w; w = w->parent)
        if (w == ancestor)
            return true;
    return false;
}

void Activate(Window* w)
{
    State& s = S();
    if (s.active == w)
        return;
    Window* old = s.active;
    s.active = w;
    if (old && old->alive)
        Deliver(old, os::WM_ACTIVATE, os::WA_INACTIVE, reinterpret_cast<os::LPARAM>(w ? w->Handle() : nullptr));
    if (w && w->alive)
        Deliver(w, os::WM_ACTIVATE, os::WA_ACTIVE, reinterpret_cast<os::LPARAM>(old ? old->Handle() : nullptr));
}

void MoveFocus(Window* to)
{
    State& s = S();
    if (to && !to->alive)
        return;
    if (to && TopLevel(to) != s.active)
        Activate(TopLevel(to));
    if (s.focus == to)
        return;
    Window* old = s.focus;
    if (old && old->alive)
        Deliver(old, os::WM_KILLFOCUS, reinterpret_cast<os::WPARAM>(to ? to->Handle() : nullptr), 0);
    s.focus = to;
    if (to && to->alive)
        Deliver(to, os::WM_SETFOCUS, reinterpret_cast<os::WPARAM>(old && old->alive ? old->Handle() : nullptr), 0);
}

// Focus and activation leave a window that goes away or out of sight.
static void LoseFocusAndActivation(Window* w)
{
    State& s = S();
    if (s.active == w) {
        Activate(nullptr);
    }
    if (s.focus && Contains(w, s.focus)) {
        Window* next = (w->parent && w->parent != &S().desktop) ? w->parent : nullptr;
        MoveFocus(next);
        if (s.focus && Contains(w, s.focus))
            s.focus = nullptr;
    }
}

void InvalidateTree(Window* w)
{
    w->needsPaint = true;
    w->needsErase = true;
    for (Window* c : w->children)
        InvalidateTree(c);
}

static void SendDestroy(Window* w)
{
    Deliver(w, os::WM_DESTROY, 0, 0);
    std::vector<Window*> children = w->children;
    for (Window* c : children)
        if (c->alive)
            SendDestroy(c);
}

static void SendNcDestroy(Window* w)
{
    std::vector<Window*> children = w->children;
    for (Window* c : children)
        if (c->alive)
            SendNcDestroy(c);
    Deliver(w, os::WM_NCDESTROY, 0, 0);
    w->alive = false;
    State& s = S();
    s.timers.erase(std::remove_if(s.timers.begin(), s.timers.end(), [w](const TimerState& t) { return t.window == w; }),
                   s.timers.end());
    os::HWND h = w->Handle();
    s.hotkeys.erase(std::remove_if(s.hotkeys.begin(), s.hotkeys.end(), [h](const Hotkey& k) { return k.hwnd == h; }),
                    s.hotkeys.end());
    s.queue.erase(std::remove_if(s.queue.begin(), s.queue.end(), [h](const os::MSG& m) { return m.hwnd == h; }),
                  s.queue.end());
    if (s.focus == w)
        s.focus = nullptr;
    if (s.active == w)
        s.active = nullptr;
}

void Destroy(Window* w)
{
    if (!w || !w->alive)
        return;
    if (w->style & os::WS_VISIBLE) {
        w->style &= ~os::WS_VISIBLE;
        LoseFocusAndActivation(w);
    } else if (S().focus && Contains(w, S().focus)) {
        LoseFocusAndActivation(w);
    }
    if (!w->alive)
        return;
    SendDestroy(w);
    SendNcDestroy(w);
    Unlink(w);
}

os::HWND Create(os::DWORD exStyle, const std::string& className, const char* text, os::DWORD style, int x, int y,
                int cx, int cy, Window* parent, int id, void* param)
{
    const ClassInfo* klass = FindClass(className);
    if (!klass)
        return nullptr;
    State& s = S();
    auto owned = std::make_unique<Window>();
    Window* w = owned.get();
    w->number = static_cast<int>(s.windows.size()) + 1;
    s.windows.push_back(std::move(owned));
    w->klass = klass;
    w->text = text ? text : "";
    w->style = style & ~os::WS_VISIBLE;
    w->exStyle = exStyle;
    w->rect = os::RECT{x, y, x + cx, y + cy};
    w->parent = parent ? parent : &s.desktop;
    w->id = (style & os::WS_CHILD) ? id : 0;
    w->proc = klass->proc;
    w->parent->children.insert(w->parent->children.begin(), w);

    os::CREATESTRUCTA cs{param, nullptr, nullptr, parent ? parent->Handle() : nullptr, cy, cx, y, x,
                         static_cast<os::LONG>(style), text, klass->name.c_str(), exStyle};
    if (!Deliver(w, os::WM_NCCREATE, 0, reinterpret_cast<os::LPARAM>(&cs)) ||
        Deliver(w, os::WM_CREATE, 0, reinterpret_cast<os::LPARAM>(&cs)) == -1) {
        Destroy(w);
        return nullptr;
    }
    if (!w->alive)
        return nullptr;
    os::LONG ccx, ccy;
    ClientSize(w, &ccx, &ccy);
    Deliver(w, os::WM_SIZE, 0, static_cast<os::LPARAM>((ccy << 16) | (ccx & 0xFFFF)));
    Deliver(w, os::WM_MOVE, 0, static_cast<os::LPARAM>(((w->rect.top & 0xFFFF) << 16) | (w->rect.left & 0xFFFF)));
    if (w->alive && (style & os::WS_VISIBLE))
        os::ShowWindow(w->Handle(), os::SW_SHOW);
    return w->alive ? w->Handle() : nullptr;
}

os::LRESULT DefProc(os::HWND hwnd, os::UINT msg, os::WPARAM wParam, os::LPARAM lParam)
{
    Window* w = W(hwnd);
    if (!w)
        return 0;
    switch (msg) {
    case os::WM_NCCREATE:
        return 1;
    case os::WM_CLOSE:
        Destroy(w);
        return 0;
    case os::WM_SYSCOMMAND:
        if ((wParam & 0xFFF0) == os::SC_CLOSE)
            Deliver(TopLevel(w), os::WM_CLOSE, 0, 0);
        return 0;
    case os::WM_SYSKEYDOWN:
        if (wParam == static_cast<os::WPARAM>(os::VK_F4) && (lParam & (1 << 29)))
            Deliver(TopLevel(w), os::WM_SYSCOMMAND, os::SC_CLOSE, 0);
        return 0;
    case os::WM_ACTIVATE:
        if (os::LoWord(wParam) != os::WA_INACTIVE && !w->minimized)
            MoveFocus(w);
        return 0;
    case os::WM_SETTEXT:
        w->text = lParam ? reinterpret_cast<const char*>(lParam) : "";
        return 1;
    case os::WM_GETTEXT: {
        if (wParam == 0)
            return 0;
        size_t n = std::min(w->text.size(), static_cast<size_t>(wParam - 1));
        std::memcpy(reinterpret_cast<char*>(lParam), w->text.data(), n);
        reinterpret_cast<char*>(lParam)[n] = 0;
        return static_cast<os::LRESULT>(n);
    }
    case os::WM_GETTEXTLENGTH:
        return static_cast<os::LRESULT>(w->text.size());
    case os::WM_SETICON: {
        os::HICON old = wParam == os::ICON_BIG ? w->bigIcon : w->smallIcon;
        (wParam == os::ICON_BIG ? w->bigIcon : w->smallIcon) = reinterpret_cast<os::HICON>(lParam);
        return reinterpret_cast<os::LRESULT>(old);
    }
    case os::WM_QUERYENDSESSION:
        return 1;
    case os::WM_SETFONT:  // the standard controls keep the font they are given
        if (w->klass->system)
            w->font = reinterpret_cast<os::HFONT>(wParam);
        return 0;
    case os::WM_GETFONT:
        return w->klass->system ? reinterpret_cast<os::LRESULT>(w->font) : 0;
    case os::WM_ERASEBKGND: {
        os::HBRUSH brush = w->klass->background;
        uintptr_t b = reinterpret_cast<uintptr_t>(brush);
        if (!brush || b == reinterpret_cast<uintptr_t>(os::GetStockObject(os::NULL_BRUSH)))
            return 0;
        os::RECT r{0, 0, 0, 0};
        ClientSize(w, &r.right, &r.bottom);
        os::FillRect(reinterpret_cast<os::HDC>(wParam), &r, brush);
        return 1;
    }
    case os::WM_PAINT: {
        os::PAINTSTRUCT ps;
        os::BeginPaint(hwnd, &ps);
        os::EndPaint(hwnd, &ps);
        return 0;
    }
    default:
        return 0;
    }
}

// ---- inspection

WindowInfo Info(os::HWND hwnd)
{
    uintptr_t h = reinterpret_cast<uintptr_t>(hwnd);
    WindowInfo info{};
    if (!h || (h >> 4) > S().windows.size() || (h & 0xF))
        return info;
    const Window* w = S().windows[(h >> 4) - 1].get();
    info.className = w->klass->name;
    info.text = w->text;
    info.style = w->style;
    info.exStyle = w->exStyle;
    info.rect = w->rect;
    info.parent = w->parent && w->parent != &S().desktop ? w->parent->Handle() : nullptr;
    info.id = w->id;
    info.visible = (w->style & os::WS_VISIBLE) != 0;
    info.enabled = (w->style & os::WS_DISABLED) == 0;
    info.proc = w->proc;
    info.font = w->font;
    info.bigIcon = w->bigIcon;
    info.smallIcon = w->smallIcon;
    info.limit = w->limit;
    info.selStart = w->selStart;
    info.selEnd = w->selEnd;
    info.items = w->items;
    info.curSel = w->curSel;
    info.itemHeight = w->itemHeight;
    info.fieldHeight = w->fieldHeight;
    return info;
}

bool Alive(os::HWND hwnd) { return W(hwnd) != nullptr; }

std::vector<os::HWND> Children(os::HWND parent)
{
    std::vector<os::HWND> out;
    Window* p = parent ? W(parent) : &S().desktop;
    if (p)
        for (Window* c : p->children)
            out.push_back(c->Handle());
    return out;
}

std::vector<os::HWND> TopLevelWindows()
{
    std::vector<os::HWND> out;
    for (const auto& w : S().windows)
        if (w->alive && w->parent == &S().desktop)
            out.push_back(w->Handle());
    return out;
}

size_t LiveWindows()
{
    size_t n = 0;
    for (const auto& w : S().windows)
        n += w->alive ? 1 : 0;
    return n;
}

os::HWND ActiveWindow() { return S().active ? S().active->Handle() : nullptr; }
os::HWND Focus() { return S().focus ? S().focus->Handle() : nullptr; }

void ActivateOther()
{
    Activate(nullptr);
    MoveFocus(nullptr);
}

void ActivateWindow(os::HWND hwnd)
{
    Window* w = W(hwnd);
    if (w && EnabledForInput(w))
        Activate(TopLevel(w));
}

}  // namespace fake

// ---- the platform operations

using namespace fake;

namespace os {

namespace {
std::string D(long long v) { return std::to_string(v); }
}

WORD RegisterClassA(const WNDCLASSA* wc)
{
    Record("RegisterClassA(" + Hex(wc->style) + "," + Quote(wc->lpszClassName) + "," +
           GdiName(wc->hCursor) + "," + GdiName(wc->hbrBackground) + "," + GdiName(wc->hIcon) + ")");
    if (ShouldFail("RegisterClassA") || !wc->lpszClassName || FindClass(wc->lpszClassName))
        return 0;
    auto c = std::make_unique<ClassInfo>();
    c->name = wc->lpszClassName;
    c->style = wc->style;
    c->proc = wc->lpfnWndProc;
    c->cursor = wc->hCursor;
    c->background = wc->hbrBackground;
    S().classes.push_back(std::move(c));
    return static_cast<WORD>(0xC000 + S().classes.size());
}

HWND CreateWindowExA(DWORD exStyle, const char* className, const char* windowName, DWORD style, int x, int y,
                     int width, int height, HWND parent, UINT_PTR menuOrId, HINSTANCE, void* param)
{
    Record("CreateWindowExA(" + Hex(exStyle) + "," + Quote(className) + "," + Quote(windowName) + "," + Hex(style) +
           "," + D(x) + "," + D(y) + "," + D(width) + "," + D(height) + "," + Name(parent) + "," +
           D(static_cast<long long>(menuOrId)) + ")");
    if (ShouldFail("CreateWindowExA") || !className)
        return nullptr;
    Window* p = nullptr;
    if (parent) {
        p = W(parent);
        if (!p)
            return nullptr;
    }
    if ((style & WS_CHILD) && !p)
        return nullptr;
    return Create(exStyle, className, windowName, style, x, y, width, height, p, static_cast<int>(menuOrId), param);
}

BOOL DestroyWindow(HWND hwnd)
{
    Record("DestroyWindow(" + Name(hwnd) + ")");
    Window* w = W(hwnd);
    if (!w)
        return 0;
    Destroy(w);
    return 1;
}

BOOL IsWindow(HWND hwnd)
{
    Record("IsWindow(" + Name(hwnd) + ")");
    return W(hwnd) ? 1 : 0;
}

BOOL ShowWindow(HWND hwnd, int cmdShow)
{
    Record("ShowWindow(" + Name(hwnd) + "," + D(cmdShow) + ")");
    Window* w = W(hwnd);
    if (!w)
        return 0;
    bool wasVisible = (w->style & WS_VISIBLE) != 0;
    bool topLevel = w->parent == &S().desktop;
    switch (cmdShow) {
    case SW_HIDE:
        if (!wasVisible)
            break;
        w->style &= ~WS_VISIBLE;
        Deliver(w, WM_SHOWWINDOW, 0, 0);
        LoseFocusAndActivation(w);
        break;
    case SW_MINIMIZE:
    case SW_SHOWMINIMIZED:
        w->minimized = true;
        w->style |= WS_VISIBLE | WS_MINIMIZE;
        if (topLevel && S().active == w)
            ActivateOther();
        break;
    default:
        if (cmdShow == SW_RESTORE || cmdShow == SW_SHOWNORMAL) {
            w->minimized = false;
            w->style &= ~WS_MINIMIZE;
        }
        if (!wasVisible) {
            w->style |= WS_VISIBLE;
            Deliver(w, WM_SHOWWINDOW, 1, 0);
            InvalidateTree(w);
        }
        if (topLevel && cmdShow != SW_SHOWNA && !(w->style & WS_DISABLED))
            Activate(w);
        break;
    }
    return wasVisible ? 1 : 0;
}

BOOL IsWindowVisible(HWND hwnd)
{
    Record("IsWindowVisible(" + Name(hwnd) + ")");
    Window* w = W(hwnd);
    return w && VisibleChain(w) ? 1 : 0;
}

BOOL IsWindowEnabled(HWND hwnd)
{
    Record("IsWindowEnabled(" + Name(hwnd) + ")");
    Window* w = W(hwnd);
    return w && !(w->style & WS_DISABLED) ? 1 : 0;
}

BOOL EnableWindow(HWND hwnd, BOOL enable)
{
    Record("EnableWindow(" + Name(hwnd) + "," + D(enable) + ")");
    Window* w = W(hwnd);
    if (!w)
        return 0;
    BOOL wasDisabled = (w->style & WS_DISABLED) ? 1 : 0;
    if (enable && wasDisabled) {
        w->style &= ~WS_DISABLED;
        Deliver(w, WM_ENABLE, 1, 0);
    } else if (!enable && !wasDisabled) {
        w->style |= WS_DISABLED;
        if (S().focus == w)
            MoveFocus(nullptr);
        Deliver(w, WM_ENABLE, 0, 0);
    }
    return wasDisabled;
}

BOOL SetWindowPos(HWND hwnd, HWND insertAfter, int x, int y, int cx, int cy, UINT flags)
{
    Record("SetWindowPos(" + Name(hwnd) + "," + Name(insertAfter) + "," + D(x) + "," + D(y) + "," + D(cx) + "," +
           D(cy) + "," + Hex(flags) + ")");
    Window* w = W(hwnd);
    if (!w)
        return 0;
    if (!(flags & SWP_NOZORDER)) {
        auto& list = w->parent->children;
        Window* after = insertAfter == HWND_TOP || insertAfter == HWND_BOTTOM ? nullptr : W(insertAfter);
        if (insertAfter != HWND_TOP && insertAfter != HWND_BOTTOM && (!after || after->parent != w->parent))
            return 0;
        if (after != w) {
            Unlink(w);
            if (insertAfter == HWND_TOP)
                list.insert(list.begin(), w);
            else if (insertAfter == HWND_BOTTOM)
                list.push_back(w);
            else
                list.insert(std::find(list.begin(), list.end(), after) + 1, w);
        }
    }
    RECT old = w->rect;
    if (!(flags & SWP_NOMOVE)) {
        w->rect.right += x - w->rect.left;
        w->rect.bottom += y - w->rect.top;
        w->rect.left = x;
        w->rect.top = y;
    }
    if (!(flags & SWP_NOSIZE)) {
        w->rect.right = w->rect.left + cx;
        w->rect.bottom = w->rect.top + cy;
    }
    if (old.right - old.left != w->rect.right - w->rect.left || old.bottom - old.top != w->rect.bottom - w->rect.top) {
        LONG ccx, ccy;
        ClientSize(w, &ccx, &ccy);
        Deliver(w, WM_SIZE, 0, static_cast<LPARAM>((ccy << 16) | (ccx & 0xFFFF)));
    }
    if (old.left != w->rect.left || old.top != w->rect.top)
        Deliver(w, WM_MOVE, 0, static_cast<LPARAM>(((w->rect.top & 0xFFFF) << 16) | (w->rect.left & 0xFFFF)));
    return 1;
}

BOOL MoveWindow(HWND hwnd, int x, int y, int width, int height, BOOL repaint)
{
    Record("MoveWindow(" + Name(hwnd) + "," + D(x) + "," + D(y) + "," + D(width) + "," + D(height) + "," +
           D(repaint) + ")");
    Window* w = W(hwnd);
    if (!w)
        return 0;
    RECT old = w->rect;
    w->rect = RECT{x, y, x + width, y + height};
    if (old.right - old.left != width || old.bottom - old.top != height) {
        LONG ccx, ccy;
        ClientSize(w, &ccx, &ccy);
        Deliver(w, WM_SIZE, 0, static_cast<LPARAM>((ccy << 16) | (ccx & 0xFFFF)));
    }
    if (old.left != x || old.top != y)
        Deliver(w, WM_MOVE, 0, static_cast<LPARAM>(((y & 0xFFFF) << 16) | (x & 0xFFFF)));
    return 1;
}

BOOL GetWindowRect(HWND hwnd, RECT* rect)
{
    Record("GetWindowRect(" + Name(hwnd) + ")");
    Window* w = W(hwnd);
    if (!w)
        return 0;
    LONG ox = 0, oy = 0;
    if (w->parent != &S().desktop)
        ClientOrigin(w->parent, &ox, &oy);
    *rect = RECT{w->rect.left + ox, w->rect.top + oy, w->rect.right + ox, w->rect.bottom + oy};
    return 1;
}

BOOL GetClientRect(HWND hwnd, RECT* rect)
{
    Record("GetClientRect(" + Name(hwnd) + ")");
    Window* w = W(hwnd);
    if (!w)
        return 0;
    *rect = RECT{0, 0, 0, 0};
    ClientSize(w, &rect->right, &rect->bottom);
    return 1;
}

BOOL ClientToScreen(HWND hwnd, POINT* point)
{
    Record("ClientToScreen(" + Name(hwnd) + ")");
    Window* w = W(hwnd);
    if (!w)
        return 0;
    LONG ox, oy;
    ClientOrigin(w, &ox, &oy);
    point->x += ox;
    point->y += oy;
    return 1;
}

BOOL ScreenToClient(HWND hwnd, POINT* point)
{
    Record("ScreenToClient(" + Name(hwnd) + ")");
    Window* w = W(hwnd);
    if (!w)
        return 0;
    LONG ox, oy;
    ClientOrigin(w, &ox, &oy);
    point->x -= ox;
    point->y -= oy;
    return 1;
}

int GetSystemMetrics(int index)
{
    Record("GetSystemMetrics(" + D(index) + ")");
    if (index == SM_CXSCREEN)
        return S().screenWidth;
    if (index == SM_CYSCREEN)
        return S().screenHeight;
    if (index == SM_CXVSCROLL)
        return 17;
    return 0;
}

HWND SetFocus(HWND hwnd)
{
    Record("SetFocus(" + Name(hwnd) + ")");
    Window* w = hwnd ? W(hwnd) : nullptr;
    if (hwnd && !w)
        return nullptr;
    HWND previous = S().focus ? S().focus->Handle() : nullptr;
    MoveFocus(w);
    return previous;
}

HWND GetFocus()
{
    Record("GetFocus()");
    return S().focus ? S().focus->Handle() : nullptr;
}

HWND GetParent(HWND hwnd)
{
    Record("GetParent(" + Name(hwnd) + ")");
    Window* w = W(hwnd);
    if (!w || w->parent == &S().desktop)
        return nullptr;
    return w->parent->Handle();
}

HWND GetWindow(HWND hwnd, UINT cmd)
{
    Record("GetWindow(" + Name(hwnd) + "," + D(cmd) + ")");
    Window* w = W(hwnd);
    if (!w)
        return nullptr;
    if (cmd == GW_CHILD)
        return w->children.empty() ? nullptr : w->children.front()->Handle();
    if (cmd == GW_OWNER)
        return nullptr;
    auto& list = w->parent->children;
    auto it = std::find(list.begin(), list.end(), w);
    switch (cmd) {
    case GW_HWNDFIRST: return list.front()->Handle();
    case GW_HWNDLAST: return list.back()->Handle();
    case GW_HWNDNEXT: return it + 1 == list.end() ? nullptr : (*(it + 1))->Handle();
    case GW_HWNDPREV: return it == list.begin() ? nullptr : (*(it - 1))->Handle();
    default: return nullptr;
    }
}

HWND GetTopWindow(HWND hwnd)
{
    Record("GetTopWindow(" + Name(hwnd) + ")");
    Window* w = hwnd ? W(hwnd) : &S().desktop;
    if (!w || w->children.empty())
        return nullptr;
    return w->children.front()->Handle();
}

int GetDlgCtrlID(HWND hwnd)
{
    Record("GetDlgCtrlID(" + Name(hwnd) + ")");
    Window* w = W(hwnd);
    return w ? w->id : 0;
}

int GetClassNameA(HWND hwnd, char* buffer, int size)
{
    Record("GetClassNameA(" + Name(hwnd) + ")");
    Window* w = W(hwnd);
    if (!w || size <= 0)
        return 0;
    size_t n = std::min(w->klass->name.size(), static_cast<size_t>(size - 1));
    std::memcpy(buffer, w->klass->name.data(), n);
    buffer[n] = 0;
    return static_cast<int>(n);
}

LONG_PTR GetWindowLongA(HWND hwnd, int index)
{
    Record("GetWindowLongA(" + Name(hwnd) + "," + D(index) + ")");
    Window* w = W(hwnd);
    if (!w)
        return 0;
    switch (index) {
    case GWL_WNDPROC: return reinterpret_cast<LONG_PTR>(w->proc);
    case GWL_ID: return w->id;
    case GWL_STYLE: return static_cast<LONG>(w->style);
    case GWL_EXSTYLE: return static_cast<LONG>(w->exStyle);
    case GWL_USERDATA: return w->userData;
    default: return 0;
    }
}

LONG_PTR SetWindowLongA(HWND hwnd, int index, LONG_PTR value)
{
    Record("SetWindowLongA(" + Name(hwnd) + "," + D(index) + ")");
    Window* w = W(hwnd);
    if (!w || ShouldFail("SetWindowLongA"))
        return 0;
    LONG_PTR old = 0;
    switch (index) {
    case GWL_WNDPROC:
        old = reinterpret_cast<LONG_PTR>(w->proc);
        w->proc = reinterpret_cast<WNDPROC>(value);
        break;
    case GWL_ID:
        old = w->id;
        w->id = static_cast<int>(value);
        break;
    case GWL_STYLE:
        old = static_cast<LONG>(w->style);
        w->style = static_cast<DWORD>(value);
        break;
    case GWL_EXSTYLE:
        old = static_cast<LONG>(w->exStyle);
        w->exStyle = static_cast<DWORD>(value);
        break;
    case GWL_USERDATA:
        old = w->userData;
        w->userData = value;
        break;
    default:
        return 0;
    }
    return old;
}

LRESULT CallWindowProcA(WNDPROC proc, HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (Recording())
        Record("CallWindowProcA(" + Name(hwnd) + "," + Hex(msg) + ")");
    return proc ? proc(hwnd, msg, wParam, lParam) : 0;
}

LRESULT DefWindowProcA(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    Record("DefWindowProcA(" + Name(hwnd) + "," + Hex(msg) + ")");
    return DefProc(hwnd, msg, wParam, lParam);
}

int GetWindowTextA(HWND hwnd, char* buffer, int size)
{
    Record("GetWindowTextA(" + Name(hwnd) + "," + D(size) + ")");
    Window* w = W(hwnd);
    if (!w || size <= 0)
        return 0;
    return static_cast<int>(Deliver(w, WM_GETTEXT, static_cast<WPARAM>(size), reinterpret_cast<LPARAM>(buffer)));
}

int GetWindowTextLengthA(HWND hwnd)
{
    Record("GetWindowTextLengthA(" + Name(hwnd) + ")");
    Window* w = W(hwnd);
    return w ? static_cast<int>(Deliver(w, WM_GETTEXTLENGTH, 0, 0)) : 0;
}

BOOL SetWindowTextA(HWND hwnd, const char* text)
{
    Record("SetWindowTextA(" + Name(hwnd) + "," + Quote(text) + ")");
    Window* w = W(hwnd);
    return w ? static_cast<BOOL>(Deliver(w, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text))) : 0;
}

HWND FindWindowExA(HWND parent, HWND childAfter, const char* className, const char* windowName)
{
    Record("FindWindowExA(" + Name(parent) + "," + Name(childAfter) + "," + Quote(className) + "," +
           Quote(windowName) + ")");
    Window* p = parent ? W(parent) : &S().desktop;
    if (!p)
        return nullptr;
    bool started = childAfter == nullptr;
    for (Window* c : p->children) {
        if (!started) {
            started = c->Handle() == childAfter;
            continue;
        }
        if (className && strcasecmp(c->klass->name.c_str(), className) != 0)
            continue;
        if (windowName && c->text != windowName)
            continue;
        return c->Handle();
    }
    return nullptr;
}

BOOL EnumThreadWindows(DWORD threadId, WNDENUMPROC proc, LPARAM lParam)
{
    Record("EnumThreadWindows(" + D(threadId) + ")");
    std::vector<Window*> list = S().desktop.children;
    for (Window* w : list)
        if (w->alive && !proc(w->Handle(), lParam))
            return 0;
    return 1;
}

static bool EnumDescendants(Window* parent, WNDENUMPROC proc, LPARAM lParam)
{
    std::vector<Window*> list = parent->children;
    for (Window* w : list) {
        if (!w->alive)
            continue;
        if (!proc(w->Handle(), lParam))
            return false;
        if (!EnumDescendants(w, proc, lParam))
            return false;
    }
    return true;
}

BOOL EnumChildWindows(HWND parent, WNDENUMPROC proc, LPARAM lParam)
{
    Record("EnumChildWindows(" + Name(parent) + ")");
    Window* p = W(parent);
    if (!p)
        return 0;
    return EnumDescendants(p, proc, lParam) ? 1 : 0;
}

}  // namespace os
