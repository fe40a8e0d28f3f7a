// The fake's messages: the queue, the virtual clock and its timers, painting,
// the scripted user and message boxes with their nested loops.
#include <algorithm>
#include <climits>

#include "fake/fake_state.h"

namespace fake {

namespace {
os::LPARAM Point(int x, int y) { return static_cast<os::LPARAM>(((y & 0xFFFF) << 16) | (x & 0xFFFF)); }

Window* FirstNeedingPaint(Window* w)
{
    for (Window* c : w->children) {
        if (!c->alive || !(c->style & os::WS_VISIBLE))
            continue;
        if (c->needsPaint)
            return c;
        if (Window* inner = FirstNeedingPaint(c))
            return inner;
    }
    return nullptr;
}

TimerState* EarliestTimer()
{
    TimerState* best = nullptr;
    for (auto& t : S().timers)
        if (!best || t.nextDue < best->nextDue)
            best = &t;
    return best;
}

// What a loop finds without waiting: posted input first, then the quit
// message, then paints, then due timers, as Windows orders them.
bool Ready(os::MSG* msg, bool remove)
{
    State& s = S();
    if (!s.queue.empty()) {
        *msg = s.queue.front();
        if (remove)
            s.queue.pop_front();
        return true;
    }
    if (s.quitPosted) {
        *msg = os::MSG{nullptr, os::WM_QUIT, static_cast<os::WPARAM>(s.quitCode), 0, s.now, s.cursor};
        if (remove)
            s.quitPosted = false;
        return true;
    }
    if (Window* w = FirstNeedingPaint(&s.desktop)) {
        *msg = os::MSG{w->Handle(), os::WM_PAINT, 0, 0, s.now, s.cursor};
        if (remove)
            w->needsPaint = false;
        return true;
    }
    TimerState* t = EarliestTimer();
    if (t && t->nextDue <= s.now) {
        *msg = os::MSG{t->window->Handle(), os::WM_TIMER, t->id, reinterpret_cast<os::LPARAM>(t->proc), s.now,
                       s.cursor};
        if (remove)
            t->nextDue = s.now + t->period;  // expirations missed meanwhile merge into this one
        return true;
    }
    return false;
}
}  // namespace

bool NextMessage(os::MSG* msg, bool* dry)
{
    State& s = S();
    for (;;) {
        if (Ready(msg, true))
            return msg->message != os::WM_QUIT;
        if (s.waitUntil > s.now) {
            uint32_t next = s.waitUntil;
            if (TimerState* t = EarliestTimer())
                next = std::min(next, std::max(t->nextDue, s.now));
            s.now = next;
            continue;
        }
        if (!s.script.empty()) {
            ScriptStep step = s.script.front();
            s.script.pop_front();
            if (step.action)
                step.action();
            else
                s.waitUntil = s.now + step.wait;
            if (!s.openBoxes.empty() && s.openBoxes.back()->done) {
                // The user closed the innermost box: its loop ends before the next action.
                *msg = os::MSG{nullptr, os::WM_NULL, 0, 0, s.now, s.cursor};
                return false;
            }
            continue;
        }
        *dry = true;
        return false;
    }
}

os::LRESULT DispatchInternal(const os::MSG& msg)
{
    if (msg.message == os::WM_TIMER && msg.lParam) {
        reinterpret_cast<os::TIMERPROC>(msg.lParam)(msg.hwnd, msg.message, msg.wParam, msg.time);
        return 0;
    }
    return Deliver(W(msg.hwnd), msg.message, msg.wParam, msg.lParam, false);
}

void Post(os::HWND hwnd, os::UINT msg, os::WPARAM wParam, os::LPARAM lParam)
{
    S().queue.push_back(os::MSG{hwnd, msg, wParam, lParam, S().now, S().cursor});
}

// ---- the scripted user

void Script(std::function<void()> action) { S().script.push_back(ScriptStep{std::move(action), 0}); }
void ScriptWait(uint32_t milliseconds) { S().script.push_back(ScriptStep{nullptr, milliseconds}); }
size_t PendingScript() { return S().script.size(); }
bool RanDry() { return S().ranDry; }
uint32_t Now() { return S().now; }

static Window* KeyTarget()
{
    Window* target = S().focus ? S().focus : S().active;
    return EnabledForInput(target) ? target : nullptr;
}

void PressKey(int virtualKey)
{
    Window* target = KeyTarget();
    if (!target)
        return;
    bool alt = S().keysDown.count(os::VK_MENU) != 0;
    os::LPARAM flags = 1 | (alt ? (1 << 29) : 0);
    Post(target->Handle(), alt ? os::WM_SYSKEYDOWN : os::WM_KEYDOWN, static_cast<os::WPARAM>(virtualKey), flags);
    Post(target->Handle(), alt ? os::WM_SYSKEYUP : os::WM_KEYUP, static_cast<os::WPARAM>(virtualKey),
         flags | static_cast<os::LPARAM>(0xC0000000u));
}

void TypeChar(char c)
{
    if (Window* target = KeyTarget())
        Post(target->Handle(), os::WM_CHAR, static_cast<unsigned char>(c), 1);
}

static Window* ClickTarget(os::HWND hwnd, os::LPARAM* at)
{
    Window* w = W(hwnd);
    if (!EnabledForInput(w))
        return nullptr;
    if (TopLevel(w) != S().active)
        Activate(TopLevel(w));
    os::LONG cx, cy;
    ClientSize(w, &cx, &cy);
    *at = Point(cx / 2, cy / 2);
    return w;
}

void ClickWindow(os::HWND hwnd)
{
    os::LPARAM at;
    if (!ClickTarget(hwnd, &at))
        return;
    Post(hwnd, os::WM_LBUTTONDOWN, 1, at);
    Post(hwnd, os::WM_LBUTTONUP, 0, at);
}

void DoubleClickWindow(os::HWND hwnd)
{
    os::LPARAM at;
    Window* w = ClickTarget(hwnd, &at);
    if (!w)
        return;
    bool dblclks = (w->klass->style & os::CS_DBLCLKS) != 0;
    Post(hwnd, os::WM_LBUTTONDOWN, 1, at);
    Post(hwnd, os::WM_LBUTTONUP, 0, at);
    Post(hwnd, dblclks ? os::WM_LBUTTONDBLCLK : os::WM_LBUTTONDOWN, 1, at);
    Post(hwnd, os::WM_LBUTTONUP, 0, at);
}

void RightClickWindow(os::HWND hwnd)
{
    os::LPARAM at;
    if (!ClickTarget(hwnd, &at))
        return;
    Post(hwnd, os::WM_RBUTTONDOWN, 2, at);
    Post(hwnd, os::WM_RBUTTONUP, 0, at);
}

void SelectItem(os::HWND combo, int index)
{
    Window* w = W(combo);
    if (!EnabledForInput(w))
        return;
    Deliver(w, os::CB_SETCURSEL, static_cast<os::WPARAM>(index), 0);
    Notify(w, os::CBN_SELCHANGE);
}

// ---- message boxes

const std::vector<Box>& Boxes() { return S().boxes; }

int OpenBoxCount() { return static_cast<int>(S().openBoxes.size()); }

void AnswerBox(int id)
{
    if (S().openBoxes.empty())
        return;
    BoxState* box = S().openBoxes.back();
    box->done = true;
    box->result = id;
}

static std::vector<int> ButtonsOf(os::UINT type)
{
    switch (type & 0xF) {
    case 1: return {os::IDOK, os::IDCANCEL};
    case 2: return {os::IDABORT, os::IDRETRY, os::IDIGNORE};
    case 3: return {os::IDYES, os::IDNO, os::IDCANCEL};
    case 4: return {os::IDYES, os::IDNO};
    case 5: return {os::IDRETRY, os::IDCANCEL};
    default: return {os::IDOK};
    }
}

os::LRESULT OSCALL DialogProc(os::HWND hwnd, os::UINT msg, os::WPARAM wParam, os::LPARAM lParam)
{
    Window* w = W(hwnd);
    switch (msg) {
    case os::WM_ACTIVATE:
        if (os::LoWord(wParam) != os::WA_INACTIVE && w && !w->children.empty())
            MoveFocus(w->children.back());  // the first button created
        return 0;
    case os::WM_COMMAND:
        if (os::HiWord(wParam) == os::BN_CLICKED)
            for (BoxState* box : S().openBoxes)
                if (box->window == w) {
                    box->done = true;
                    box->result = os::LoWord(wParam);
                }
        return 0;
    default:
        return DefProc(hwnd, msg, wParam, lParam);
    }
}

}  // namespace fake

// ---- the platform operations

using namespace fake;

namespace os {

namespace {
std::string D(long long v) { return std::to_string(v); }

std::string Arguments(UINT msg, WPARAM wParam, LPARAM lParam)
{
    std::string m = Hex(msg);
    switch (msg) {
    case WM_SETTEXT:
    case CB_ADDSTRING:
    case EM_REPLACESEL:
        return m + "," + D(static_cast<long long>(wParam)) + "," + Quote(reinterpret_cast<const char*>(lParam));
    case WM_SETFONT:
        return m + "," + GdiName(reinterpret_cast<void*>(wParam)) + "," + D(lParam);
    case WM_SETICON:
        return m + "," + D(static_cast<long long>(wParam)) + "," + GdiName(reinterpret_cast<void*>(lParam));
    default:
        return m + "," + D(static_cast<long long>(static_cast<intptr_t>(wParam))) + "," + D(lParam);
    }
}
}  // namespace

LRESULT SendMessageA(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (Recording())
        Record("SendMessageA(" + Name(hwnd) + "," + Arguments(msg, wParam, lParam) + ")");
    return Deliver(W(hwnd), msg, wParam, lParam);
}

BOOL PostMessageA(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    Record("PostMessageA(" + Name(hwnd) + "," + Arguments(msg, wParam, lParam) + ")");
    if (hwnd && !W(hwnd))
        return 0;
    Post(hwnd, msg, wParam, lParam);
    return 1;
}

BOOL PeekMessageA(MSG* msg, HWND hwnd, UINT, UINT, UINT removeMsg)
{
    Record("PeekMessageA(" + Name(hwnd) + "," + D(removeMsg) + ")");
    return Ready(msg, (removeMsg & PM_REMOVE) != 0) ? 1 : 0;
}

BOOL GetMessageA(MSG* msg, HWND hwnd, UINT, UINT)
{
    Record("GetMessageA(" + Name(hwnd) + ")");
    bool dry = false;
    if (NextMessage(msg, &dry))
        return 1;
    if (dry) {
        // Nothing left to happen: end the loop so the test ends, and say so.
        S().ranDry = true;
        *msg = MSG{nullptr, WM_QUIT, 0, 0, S().now, S().cursor};
    }
    return 0;
}

BOOL TranslateMessage(const MSG* msg)
{
    Record("TranslateMessage(" + Hex(msg->message) + ")");
    return 0;
}

LRESULT DispatchMessageA(const MSG* msg)
{
    Record("DispatchMessageA(" + Name(msg->hwnd) + "," + Hex(msg->message) + ")");
    return DispatchInternal(*msg);
}

void PostQuitMessage(int exitCode)
{
    Record("PostQuitMessage(" + D(exitCode) + ")");
    S().quitPosted = true;
    S().quitCode = exitCode;
}

int MessageBoxA(HWND owner, const char* text, const char* caption, UINT type)
{
    Record("MessageBoxA(" + Name(owner) + "," + Quote(text) + "," + Quote(caption) + "," + Hex(type) + ")");
    if (ShouldFail("MessageBoxA"))
        return 0;
    State& s = S();
    s.boxes.push_back(Box{owner, text ? text : "", caption ? caption : "", type, 0, true});
    BoxState box;
    box.index = s.boxes.size() - 1;

    // Modal: the owner, or with MB_TASKMODAL every top-level window of the thread.
    std::vector<Window*> disabled;
    if (Window* o = W(owner)) {
        if (!(o->style & WS_DISABLED))
            disabled.push_back(o);
    } else if (type & MB_TASKMODAL) {
        for (Window* w : s.desktop.children)
            if (w->alive && !(w->style & WS_DISABLED))
                disabled.push_back(w);
    }
    Window* previouslyActive = s.active;
    for (Window* w : disabled) {
        w->style |= WS_DISABLED;
        if (s.focus == w)  // a focused child keeps the focus until the box is activated
            MoveFocus(nullptr);
        Deliver(w, WM_ENABLE, 0, 0);
    }

    HWND dialog = Create(0, "#32770", caption, WS_POPUP | WS_CAPTION | WS_SYSMENU, 300, 300, 300, 120, nullptr, 0,
                         nullptr);
    box.window = W(dialog);
    std::vector<int> buttons = ButtonsOf(type);
    box.firstButton = buttons.front();
    static const char* const names[] = {"", "确定", "取消", "中止", "重试", "忽略", "是", "否"};
    int x = 10;
    for (int id : buttons) {
        Create(0, "BUTTON", names[id], WS_CHILD | WS_VISIBLE | WS_TABSTOP, x, 80, 75, 23, box.window, id, nullptr);
        x += 85;
    }
    s.openBoxes.push_back(&box);
    if (box.window) {
        box.window->style |= WS_VISIBLE;
        InvalidateTree(box.window);
        Activate(box.window);
    }

    while (!box.done) {
        MSG m;
        bool dry = false;
        if (NextMessage(&m, &dry)) {
            DispatchInternal(m);
            continue;
        }
        if (box.done)
            break;
        if (dry) {
            box.result = box.firstButton;
        } else {  // the quit message ends the box and is handed on
            s.quitPosted = true;
            s.quitCode = static_cast<int>(m.wParam);
            box.result = 0;
        }
        break;
    }
    s.openBoxes.pop_back();
    for (Window* w : disabled)
        if (w->alive) {
            w->style &= ~WS_DISABLED;
            Deliver(w, WM_ENABLE, 1, 0);
        }
    if (box.window)
        Destroy(box.window);
    if (previouslyActive && previouslyActive->alive && (previouslyActive->style & WS_VISIBLE) &&
        !(previouslyActive->style & WS_DISABLED))
        Activate(previouslyActive);
    s.boxes[box.index].result = box.result;
    s.boxes[box.index].open = false;
    return box.result;
}

// ---- timers

UINT_PTR SetTimer(HWND hwnd, UINT_PTR id, UINT elapse, TIMERPROC proc)
{
    Record("SetTimer(" + Name(hwnd) + "," + D(static_cast<long long>(id)) + "," + D(elapse) + "," +
           (proc ? "proc" : "0") + ")");
    Window* w = W(hwnd);
    if (!w || ShouldFail("SetTimer"))
        return 0;
    UINT period = std::max<UINT>(elapse, 10);  // Windows' floor, USER_TIMER_MINIMUM
    State& s = S();
    for (auto& t : s.timers)
        if (t.window == w && t.id == id) {
            t.period = period;
            t.nextDue = s.now + period;
            t.proc = proc;
            return id;
        }
    s.timers.push_back(TimerState{w, id, period, s.now + period, proc});
    return id;
}

BOOL KillTimer(HWND hwnd, UINT_PTR id)
{
    Record("KillTimer(" + Name(hwnd) + "," + D(static_cast<long long>(id)) + ")");
    State& s = S();
    auto it = std::find_if(s.timers.begin(), s.timers.end(),
                           [&](const TimerState& t) { return t.window->Handle() == hwnd && t.id == id; });
    if (it == s.timers.end())
        return 0;
    s.timers.erase(it);
    // A WM_TIMER already taken off the queue is gone with it; none is queued here.
    return 1;
}

// ---- painting

HDC BeginPaint(HWND hwnd, PAINTSTRUCT* ps)
{
    Record("BeginPaint(" + Name(hwnd) + ")");
    Window* w = W(hwnd);
    *ps = PAINTSTRUCT{};
    if (!w)
        return nullptr;
    HDC hdc = reinterpret_cast<HDC>(0x50000000 + static_cast<uintptr_t>(++S().dcNumbers));
    ps->hdc = hdc;
    ClientSize(w, &ps->rcPaint.right, &ps->rcPaint.bottom);
    w->needsPaint = false;
    if (w->needsErase) {
        w->needsErase = false;
        ps->fErase = Deliver(w, WM_ERASEBKGND, reinterpret_cast<WPARAM>(hdc), 0) ? 0 : 1;
    }
    return hdc;
}

BOOL EndPaint(HWND hwnd, const PAINTSTRUCT*)
{
    Record("EndPaint(" + Name(hwnd) + ")");
    return 1;
}

BOOL InvalidateRect(HWND hwnd, const RECT*, BOOL erase)
{
    Record("InvalidateRect(" + Name(hwnd) + "," + D(erase) + ")");
    Window* w = W(hwnd);
    if (!w)
        return 0;
    w->needsPaint = true;
    w->needsErase = w->needsErase || erase;
    return 1;
}

BOOL UpdateWindow(HWND hwnd)
{
    Record("UpdateWindow(" + Name(hwnd) + ")");
    Window* w = W(hwnd);
    if (!w)
        return 0;
    if (w->needsPaint && (w->style & WS_VISIBLE))
        Deliver(w, WM_PAINT, 0, 0, false);
    return 1;
}

BOOL RedrawWindow(HWND hwnd, const RECT*, void*, UINT flags)
{
    Record("RedrawWindow(" + Name(hwnd) + "," + Hex(flags) + ")");
    Window* w = W(hwnd);
    if (!w)
        return 0;
    if (flags & RDW_INVALIDATE)
        w->needsPaint = true;
    if (flags & RDW_ERASE)
        w->needsErase = true;
    // An invalidated frame is painted first, as Windows does.
    if ((flags & RDW_FRAME) && (flags & RDW_INVALIDATE) && (flags & (RDW_UPDATENOW | RDW_ERASENOW)) &&
        (w->style & WS_VISIBLE))
        Deliver(w, WM_NCPAINT, 1, 0);
    if ((flags & RDW_UPDATENOW) && w->needsPaint && w->alive && (w->style & WS_VISIBLE))
        Deliver(w, WM_PAINT, 0, 0, false);
    return 1;
}

}  // namespace os
