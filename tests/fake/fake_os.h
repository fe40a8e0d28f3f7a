// The recording fake of the platform layer: a small simulated Win32 for one
// GUI thread. It records every call the program makes, in order, as text such
// as `ShowWindow(#3,8)`, and simulates what the program relies on: windows,
// messages, focus, the standard controls, timers on a virtual clock, hotkeys,
// message boxes answered by a scripted user, GDI objects and the heap.
//
// Handles print as `#n` (windows, by creation order from 1), `font#n`,
// `brush#n`, `icon#n`, `hdc#n`; null prints as `0`. Texts print quoted, with
// bytes outside printable ASCII as \xNN.
#pragma once

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

#include "os/win32.h"

namespace fake {

// A fresh process: no windows, classes, timers, hotkeys, heap blocks, GDI
// objects or recorded calls; a 1024x768 screen; no key held down.
void Reset();

// ---- recorded calls
const std::vector<std::string>& Calls();
// The recorded calls whose operation is one of `names`, in order.
std::vector<std::string> CallsNamed(std::initializer_list<const char*> names);
void ClearCalls();
// Off, calls are simulated but not recorded: for measuring the program rather
// than the log. Reset turns it back on.
void SetRecording(bool on);
// Formatting as the record does, for building expected calls.
std::string Name(os::HWND hwnd);
std::string Quote(const char* text);

// ---- failures: after `okCalls` more successful calls of `operation`, the next
// `times` calls of it fail (return their Win32 failure value).
void FailCall(const char* operation, int okCalls = 0, int times = 1);

// ---- the process
// Thrown by os::ExitProcess; RunProcess catches it.
struct ProcessExit {
    unsigned code;
};
// Runs `entry` as the program's entry and returns the process's exit code:
// the value it returns, or the code given to ExitProcess.
unsigned RunProcess(int (*entry)());
void SetModuleFileName(const std::string& path);
std::string CurrentDirectory();
int OleInitCount();    // OleInitialize calls not yet balanced by OleUninitialize

// ---- resources still held
size_t LiveHeapBlocks();
size_t LiveGdiObjects();  // fonts, brushes and pens created and not deleted
size_t LiveDcs();         // from GetDC and GetWindowDC, not released
size_t LiveHooks();       // installed and not removed
size_t LiveIcons();
size_t LiveWindows();
bool HeapMisuse();  // a block freed twice, or a pointer freed that never was allocated
size_t HeapAllocCalls();  // since Reset, failed ones included

// ---- screen, keyboard, cursor, clipboard
void SetScreenSize(int width, int height);
void SetKeyDown(int virtualKey, bool down);
void SetCursor(int x, int y);
// The next GetCursorPos calls return these points in turn (the user moving
// the mouse between them); afterwards the last one stays.
void SetCursorPath(const std::vector<os::POINT>& points);
void SetClipboardText(const std::string& text);

// ---- the scripted user. Actions run one at a time, whenever the innermost
// running message loop has nothing left to deliver. Each action usually posts
// input; the loop then delivers it.
void Script(std::function<void()> action);
void ScriptWait(uint32_t milliseconds);  // lets the virtual clock run
size_t PendingScript();
// True when a main loop waited with no message, no due timer and no script:
// the fake then ends that loop with WM_QUIT, so a test cannot hang.
bool RanDry();
uint32_t Now();  // the virtual clock, in milliseconds
// Time passes at once, as while a handler is busy: nothing is delivered meanwhile.
void Elapse(uint32_t milliseconds);

// User input, to be called from script actions (or directly, then delivered by
// the next loop). Input to a window that is disabled, or whose top-level window
// is disabled, is dropped, as Windows does.
void PressKey(int virtualKey);  // key down and up at the focus window; VK_MENU held makes it a system key
void TypeChar(char c);          // WM_CHAR at the focus window
void ClickWindow(os::HWND hwnd);        // left press and release at the window's centre
void DoubleClickWindow(os::HWND hwnd);  // down, up, double click, up
void RightClickWindow(os::HWND hwnd);
void PressHotkey(os::UINT modifiers, os::UINT virtualKey);  // WM_HOTKEY if registered here
void HoldHotkey(os::UINT modifiers, os::UINT virtualKey);   // another program owns this key
void SelectItem(os::HWND combo, int index);  // as the user picks from the list
void ClickSpin(os::HWND spin, int delta);    // an arrow of a spin control: +1 up, -1 down
void ActivateOther();  // another program takes the activation (the main window is deactivated)
void ActivateWindow(os::HWND hwnd);  // the user brings a top-level window back

// ---- message boxes
struct Box {
    os::HWND owner;
    std::string text;
    std::string caption;
    os::UINT type;
    int result;   // the button it was closed with, 0 while open
    bool open;
};
const std::vector<Box>& Boxes();
int OpenBoxCount();
// Closes the innermost open box with the button `id` (IDOK, IDYES...).
// A box still open when a loop runs dry is closed with its first button.
void AnswerBox(int id);

// ---- timers and hotkeys
struct Timer {
    os::HWND hwnd;
    os::UINT_PTR id;
    os::UINT period;
    uint32_t nextDue;
};
std::vector<Timer> Timers();
struct Hotkey {
    os::HWND hwnd;
    int id;
    os::UINT modifiers;
    os::UINT virtualKey;
};
std::vector<Hotkey> Hotkeys();

// ---- windows, as they stand
struct WindowInfo {
    std::string className;
    std::string text;
    os::DWORD style;
    os::DWORD exStyle;
    os::RECT rect;  // in the parent's client coordinates; screen coordinates for top-level windows
    os::HWND parent;
    int id;
    bool visible;   // its own WS_VISIBLE bit
    bool enabled;
    os::WNDPROC proc;
    os::HFONT font;
    os::HICON bigIcon;
    os::HICON smallIcon;
    int limit;      // EDIT: EM_LIMITTEXT
    int selStart;   // EDIT: selection
    int selEnd;
    std::vector<std::string> items;  // COMBOBOX
    int curSel;     // COMBOBOX: the selection; spin control: its position
    int itemHeight;
    int fieldHeight;
};
WindowInfo Info(os::HWND hwnd);
bool Alive(os::HWND hwnd);
std::vector<os::HWND> Children(os::HWND parent);  // in z-order, top first
std::vector<os::HWND> TopLevelWindows();          // every live top-level window, creation order
os::HWND ActiveWindow();
os::HWND Focus();

}  // namespace fake
