// Inside the fake: the state of the simulated process, shared by its files.
#pragma once

#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "fake/fake_os.h"

namespace fake {

struct ClassInfo {
    std::string name;
    os::UINT style = 0;
    os::WNDPROC proc = nullptr;
    os::HCURSOR cursor = nullptr;
    os::HBRUSH background = nullptr;
    bool system = false;
};

struct Window {
    int number = 0;  // the n of #n
    bool alive = true;
    const ClassInfo* klass = nullptr;
    std::string text;
    os::DWORD style = 0;
    os::DWORD exStyle = 0;
    os::RECT rect{};
    Window* parent = nullptr;
    std::vector<Window*> children;  // z-order, top first
    int id = 0;
    os::WNDPROC proc = nullptr;
    os::LONG_PTR userData = 0;
    bool needsPaint = false;
    bool needsErase = false;
    bool minimized = false;
    // state of the standard controls
    os::HFONT font = nullptr;
    os::HICON bigIcon = nullptr;
    os::HICON smallIcon = nullptr;
    int limit = 30000;
    int selStart = 0;
    int selEnd = 0;
    std::vector<std::string> items;
    int curSel = -1;
    int itemHeight = 16;
    int fieldHeight = 18;
    bool pressed = false;
    int check = 0;  // BUTTON: BM_SETCHECK
    int rangeLow = 0;
    int rangeHigh = 100;
    os::HWND Handle() const;
};

struct Posted {
    os::MSG msg;
};

struct ScriptStep {
    std::function<void()> action;
    uint32_t wait = 0;  // a pure wait when action is empty
};

struct TimerState {
    Window* window;
    os::UINT_PTR id;
    os::UINT period;
    uint32_t nextDue;
    os::TIMERPROC proc;
};

struct BoxState {
    size_t index;  // into boxes
    Window* window;
    bool done = false;
    int result = 0;
    int firstButton = os::IDOK;
};

struct HookState {
    int kind;
    os::HOOKPROC proc;
    bool alive;
};

struct Failure {
    std::string operation;
    int okCalls;
    int times;
};

struct GdiObject {
    std::string kind;  // "font", "brush", "pen"
    int number;
    os::LOGFONTA font{};
    os::COLORREF color = 0;
};

struct State {
    std::vector<std::string> calls;
    bool recording = true;
    size_t heapAllocCalls = 0;
    std::vector<Failure> failures;
    std::vector<std::unique_ptr<ClassInfo>> classes;
    std::vector<std::unique_ptr<Window>> windows;  // index = number - 1
    Window desktop;  // parent of every top-level window, for their z-order
    std::deque<os::MSG> queue;
    bool quitPosted = false;
    int quitCode = 0;
    std::deque<ScriptStep> script;
    uint32_t now = 0;
    uint32_t waitUntil = 0;
    bool ranDry = false;
    std::vector<TimerState> timers;
    std::vector<Hotkey> hotkeys;
    std::vector<std::pair<os::UINT, os::UINT>> heldElsewhere;
    std::vector<Box> boxes;
    std::vector<BoxState*> openBoxes;  // innermost last
    std::vector<HookState> hooks;
    std::map<void*, size_t> heap;
    bool heapMisuse = false;
    std::map<uintptr_t, GdiObject> gdi;
    int gdiNumbers = 0;
    std::set<uintptr_t> icons;
    int iconNumbers = 0;
    int dcNumbers = 0;
    std::set<uintptr_t> heldDcs;  // from GetDC and GetWindowDC, not yet released
    Window* focus = nullptr;
    Window* active = nullptr;
    int screenWidth = 1024;
    int screenHeight = 768;
    std::set<int> keysDown;
    os::POINT cursor{512, 384};
    std::deque<os::POINT> cursorPath;
    std::string clipboard;
    std::string moduleFileName = "C:\\Program Files\\Xunzhi\\xunzhi.exe";
    std::string currentDirectory = "C:\\users\\tester";
    int oleInits = 0;
};

State& S();

// Recording. The calls of a timer tick test Recording() first, so that a
// tick with recording off costs no formatting either.
void Record(const std::string& call);
bool Recording();
bool ShouldFail(const char* operation);
std::string Hex(uint64_t value);
std::string GdiName(const void* handle);

// Windows.
Window* W(os::HWND hwnd);  // null for handles that are not live windows
Window* TopLevel(Window* w);
bool EnabledForInput(Window* w);
const ClassInfo* FindClass(const std::string& name);
void RegisterSystemClasses();
// Calls the window's procedure; a sent message passes the WH_CALLWNDPROC hooks first.
os::LRESULT Deliver(Window* w, os::UINT msg, os::WPARAM wParam, os::LPARAM lParam, bool sent = true);
os::LRESULT DefProc(os::HWND hwnd, os::UINT msg, os::WPARAM wParam, os::LPARAM lParam);
os::LRESULT DispatchInternal(const os::MSG& msg);
void ClientOrigin(const Window* w, os::LONG* x, os::LONG* y);  // in screen coordinates
void ClientSize(const Window* w, os::LONG* cx, os::LONG* cy);
void Post(os::HWND hwnd, os::UINT msg, os::WPARAM wParam, os::LPARAM lParam);
void Notify(Window* control, os::UINT code);  // WM_COMMAND to the parent
void MoveFocus(Window* to);
void Activate(Window* w);
void Destroy(Window* w);
void InvalidateTree(Window* w);  // the window and its descendants need paint and erase
os::HWND Create(os::DWORD exStyle, const std::string& className, const char* text, os::DWORD style,
                int x, int y, int cx, int cy, Window* parent, int id, void* param);

// Message loops: takes the next message for a loop; false on WM_QUIT or when
// the script ran dry (then *dry is set).
bool NextMessage(os::MSG* msg, bool* dry);

// The procedures of the standard controls.
os::LRESULT OSCALL EditProc(os::HWND, os::UINT, os::WPARAM, os::LPARAM);
os::LRESULT OSCALL ComboProc(os::HWND, os::UINT, os::WPARAM, os::LPARAM);
os::LRESULT OSCALL ButtonProc(os::HWND, os::UINT, os::WPARAM, os::LPARAM);
os::LRESULT OSCALL UpDownProc(os::HWND, os::UINT, os::WPARAM, os::LPARAM);
os::LRESULT OSCALL DialogProc(os::HWND, os::UINT, os::WPARAM, os::LPARAM);

}  // namespace fake
