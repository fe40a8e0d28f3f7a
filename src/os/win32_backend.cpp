// The real platform layer: every operation of os/win32.h forwarded to Win32.
// Our header comes first: <windows.h> defines macros (WS_CHILD, TRANSPARENT,
// LF_FACESIZE, ...) that would rewrite its constants. For the same reason no
// os:: constant is spelled below.
#include "os/win32.h"

#include <windows.h>
#include <commctrl.h>
#include <ole2.h>
#include <shellapi.h>

// Our records are laid out as Win32's, so pointers to them are passed as is.
static_assert(sizeof(os::POINT) == sizeof(::POINT));
static_assert(sizeof(os::RECT) == sizeof(::RECT));
static_assert(sizeof(os::MSG) == sizeof(::MSG));
static_assert(sizeof(os::WNDCLASSA) == sizeof(::WNDCLASSA));
static_assert(sizeof(os::LOGFONTA) == sizeof(::LOGFONTA));
static_assert(sizeof(os::PAINTSTRUCT) == sizeof(::PAINTSTRUCT));
static_assert(sizeof(os::CREATESTRUCTA) == sizeof(::CREATESTRUCTA));
static_assert(sizeof(os::CWPSTRUCT) == sizeof(::CWPSTRUCT));
static_assert(sizeof(os::NMHDR) == sizeof(::NMHDR));
static_assert(sizeof(os::NMUPDOWN) == sizeof(::NMUPDOWN));
static_assert(sizeof(os::LONG_PTR) == sizeof(::LONG_PTR));

namespace {

// Our handles, records and callbacks differ from Win32's only in name (the
// callbacks are stdcall on both sides), so each maps over by a plain cast.
::HWND Win(os::HWND v) { return reinterpret_cast<::HWND>(v); }
::HINSTANCE Win(os::HINSTANCE v) { return reinterpret_cast<::HINSTANCE>(v); }
::HICON Win(os::HICON v) { return reinterpret_cast<::HICON>(v); }
::HGDIOBJ Win(os::HGDIOBJ v) { return reinterpret_cast<::HGDIOBJ>(v); }
::HDC Win(os::HDC v) { return reinterpret_cast<::HDC>(v); }
::HHOOK Win(os::HHOOK v) { return reinterpret_cast<::HHOOK>(v); }
::POINT* Win(os::POINT* v) { return reinterpret_cast<::POINT*>(v); }
::RECT* Win(os::RECT* v) { return reinterpret_cast<::RECT*>(v); }
const ::RECT* Win(const os::RECT* v) { return reinterpret_cast<const ::RECT*>(v); }
::MSG* Win(os::MSG* v) { return reinterpret_cast<::MSG*>(v); }
const ::MSG* Win(const os::MSG* v) { return reinterpret_cast<const ::MSG*>(v); }
const ::WNDCLASSA* Win(const os::WNDCLASSA* v) { return reinterpret_cast<const ::WNDCLASSA*>(v); }
const ::LOGFONTA* Win(const os::LOGFONTA* v) { return reinterpret_cast<const ::LOGFONTA*>(v); }
::PAINTSTRUCT* Win(os::PAINTSTRUCT* v) { return reinterpret_cast<::PAINTSTRUCT*>(v); }
const ::PAINTSTRUCT* Win(const os::PAINTSTRUCT* v) { return reinterpret_cast<const ::PAINTSTRUCT*>(v); }
::WNDPROC Win(os::WNDPROC v) { return reinterpret_cast<::WNDPROC>(v); }
::WNDENUMPROC Win(os::WNDENUMPROC v) { return reinterpret_cast<::WNDENUMPROC>(v); }
::HOOKPROC Win(os::HOOKPROC v) { return reinterpret_cast<::HOOKPROC>(v); }
::TIMERPROC Win(os::TIMERPROC v) { return reinterpret_cast<::TIMERPROC>(v); }

// And back, for handles Win32 returns.
template <class Ours, class Theirs>
Ours Our(Theirs v) { return reinterpret_cast<Ours>(v); }

}  // namespace

namespace os {

// ---- Windows and classes

WORD RegisterClassA(const WNDCLASSA* wc) { return ::RegisterClassA(Win(wc)); }

HWND CreateWindowExA(DWORD exStyle, const char* className, const char* windowName, DWORD style,
                     int x, int y, int width, int height, HWND parent, UINT_PTR menuOrId,
                     HINSTANCE instance, void* param)
{
    return Our<HWND>(::CreateWindowExA(exStyle, className, windowName, style, x, y, width, height,
                                       Win(parent), reinterpret_cast<::HMENU>(menuOrId),
                                       Win(instance), param));
}

BOOL DestroyWindow(HWND hwnd) { return ::DestroyWindow(Win(hwnd)); }
BOOL IsWindow(HWND hwnd) { return ::IsWindow(Win(hwnd)); }
BOOL ShowWindow(HWND hwnd, int cmdShow) { return ::ShowWindow(Win(hwnd), cmdShow); }
BOOL IsWindowVisible(HWND hwnd) { return ::IsWindowVisible(Win(hwnd)); }
BOOL IsWindowEnabled(HWND hwnd) { return ::IsWindowEnabled(Win(hwnd)); }
BOOL EnableWindow(HWND hwnd, BOOL enable) { return ::EnableWindow(Win(hwnd), enable); }

BOOL SetWindowPos(HWND hwnd, HWND insertAfter, int x, int y, int cx, int cy, UINT flags)
{
    return ::SetWindowPos(Win(hwnd), Win(insertAfter), x, y, cx, cy, flags);
}

BOOL MoveWindow(HWND hwnd, int x, int y, int width, int height, BOOL repaint)
{
    return ::MoveWindow(Win(hwnd), x, y, width, height, repaint);
}

BOOL GetWindowRect(HWND hwnd, RECT* rect) { return ::GetWindowRect(Win(hwnd), Win(rect)); }
BOOL GetClientRect(HWND hwnd, RECT* rect) { return ::GetClientRect(Win(hwnd), Win(rect)); }
BOOL ClientToScreen(HWND hwnd, POINT* point) { return ::ClientToScreen(Win(hwnd), Win(point)); }
BOOL ScreenToClient(HWND hwnd, POINT* point) { return ::ScreenToClient(Win(hwnd), Win(point)); }
int GetSystemMetrics(int index) { return ::GetSystemMetrics(index); }
HWND SetFocus(HWND hwnd) { return Our<HWND>(::SetFocus(Win(hwnd))); }
HWND GetFocus() { return Our<HWND>(::GetFocus()); }
HWND GetParent(HWND hwnd) { return Our<HWND>(::GetParent(Win(hwnd))); }
HWND GetWindow(HWND hwnd, UINT cmd) { return Our<HWND>(::GetWindow(Win(hwnd), cmd)); }
HWND GetTopWindow(HWND hwnd) { return Our<HWND>(::GetTopWindow(Win(hwnd))); }
int GetDlgCtrlID(HWND hwnd) { return ::GetDlgCtrlID(Win(hwnd)); }
int GetClassNameA(HWND hwnd, char* buffer, int size) { return ::GetClassNameA(Win(hwnd), buffer, size); }
LONG_PTR GetWindowLongA(HWND hwnd, int index) { return ::GetWindowLongA(Win(hwnd), index); }

LONG_PTR SetWindowLongA(HWND hwnd, int index, LONG_PTR value)
{
    return ::SetWindowLongA(Win(hwnd), index, value);
}

LRESULT CallWindowProcA(WNDPROC proc, HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    return ::CallWindowProcA(Win(proc), Win(hwnd), msg, wParam, lParam);
}

LRESULT DefWindowProcA(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    return ::DefWindowProcA(Win(hwnd), msg, wParam, lParam);
}

int GetWindowTextA(HWND hwnd, char* buffer, int size) { return ::GetWindowTextA(Win(hwnd), buffer, size); }
int GetWindowTextLengthA(HWND hwnd) { return ::GetWindowTextLengthA(Win(hwnd)); }
BOOL SetWindowTextA(HWND hwnd, const char* text) { return ::SetWindowTextA(Win(hwnd), text); }

HWND FindWindowExA(HWND parent, HWND childAfter, const char* className, const char* windowName)
{
    return Our<HWND>(::FindWindowExA(Win(parent), Win(childAfter), className, windowName));
}

BOOL EnumThreadWindows(DWORD threadId, WNDENUMPROC proc, LPARAM lParam)
{
    return ::EnumThreadWindows(threadId, Win(proc), lParam);
}

BOOL EnumChildWindows(HWND parent, WNDENUMPROC proc, LPARAM lParam)
{
    return ::EnumChildWindows(Win(parent), Win(proc), lParam);
}

DWORD GetCurrentThreadId() { return ::GetCurrentThreadId(); }
HCURSOR LoadCursorA(HINSTANCE instance, const char* name) { return Our<HCURSOR>(::LoadCursorA(Win(instance), name)); }

HANDLE LoadImageA(HINSTANCE instance, const char* name, UINT type, int cx, int cy, UINT flags)
{
    return ::LoadImageA(Win(instance), name, type, cx, cy, flags);
}

BOOL DestroyIcon(HICON icon) { return ::DestroyIcon(Win(icon)); }
void InitCommonControls() { ::InitCommonControls(); }

// ---- Messages

LRESULT SendMessageA(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    return ::SendMessageA(Win(hwnd), msg, wParam, lParam);
}

BOOL PostMessageA(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    return ::PostMessageA(Win(hwnd), msg, wParam, lParam);
}

BOOL PeekMessageA(MSG* msg, HWND hwnd, UINT filterMin, UINT filterMax, UINT removeMsg)
{
    return ::PeekMessageA(Win(msg), Win(hwnd), filterMin, filterMax, removeMsg);
}

BOOL GetMessageA(MSG* msg, HWND hwnd, UINT filterMin, UINT filterMax)
{
    return ::GetMessageA(Win(msg), Win(hwnd), filterMin, filterMax);
}

BOOL TranslateMessage(const MSG* msg) { return ::TranslateMessage(Win(msg)); }
LRESULT DispatchMessageA(const MSG* msg) { return ::DispatchMessageA(Win(msg)); }
void PostQuitMessage(int exitCode) { ::PostQuitMessage(exitCode); }
SHORT GetKeyState(int virtualKey) { return ::GetKeyState(virtualKey); }
SHORT GetAsyncKeyState(int virtualKey) { return ::GetAsyncKeyState(virtualKey); }

int MessageBoxA(HWND owner, const char* text, const char* caption, UINT type)
{
    return ::MessageBoxA(Win(owner), text, caption, type);
}

// ---- Painting

HDC BeginPaint(HWND hwnd, PAINTSTRUCT* ps) { return Our<HDC>(::BeginPaint(Win(hwnd), Win(ps))); }
BOOL EndPaint(HWND hwnd, const PAINTSTRUCT* ps) { return ::EndPaint(Win(hwnd), Win(ps)); }
BOOL InvalidateRect(HWND hwnd, const RECT* rect, BOOL erase) { return ::InvalidateRect(Win(hwnd), Win(rect), erase); }
BOOL UpdateWindow(HWND hwnd) { return ::UpdateWindow(Win(hwnd)); }

BOOL RedrawWindow(HWND hwnd, const RECT* rect, void* region, UINT flags)
{
    return ::RedrawWindow(Win(hwnd), Win(rect), static_cast<::HRGN>(region), flags);
}

int FillRect(HDC hdc, const RECT* rect, HBRUSH brush)
{
    return ::FillRect(Win(hdc), Win(rect), static_cast<::HBRUSH>(Win(brush)));
}

DWORD GetSysColor(int index) { return ::GetSysColor(index); }
HFONT CreateFontIndirectA(const LOGFONTA* font) { return Our<HFONT>(::CreateFontIndirectA(Win(font))); }
HGDIOBJ GetStockObject(int index) { return Our<HGDIOBJ>(::GetStockObject(index)); }
HGDIOBJ SelectObject(HDC hdc, HGDIOBJ object) { return Our<HGDIOBJ>(::SelectObject(Win(hdc), Win(object))); }
BOOL DeleteObject(HGDIOBJ object) { return ::DeleteObject(Win(object)); }
HBRUSH CreateSolidBrush(COLORREF color) { return Our<HBRUSH>(::CreateSolidBrush(color)); }
int SetBkMode(HDC hdc, int mode) { return ::SetBkMode(Win(hdc), mode); }
COLORREF SetTextColor(HDC hdc, COLORREF color) { return ::SetTextColor(Win(hdc), color); }
COLORREF SetBkColor(HDC hdc, COLORREF color) { return ::SetBkColor(Win(hdc), color); }

int DrawTextA(HDC hdc, const char* text, int count, RECT* rect, UINT format)
{
    return ::DrawTextA(Win(hdc), text, count, Win(rect), format);
}

BOOL OffsetRect(RECT* rect, int dx, int dy) { return ::OffsetRect(Win(rect), dx, dy); }
BOOL IntersectRect(RECT* dest, const RECT* a, const RECT* b) { return ::IntersectRect(Win(dest), Win(a), Win(b)); }
BOOL IsRectEmpty(const RECT* rect) { return ::IsRectEmpty(Win(rect)); }

int FrameRect(HDC hdc, const RECT* rect, HBRUSH brush)
{
    return ::FrameRect(Win(hdc), Win(rect), static_cast<::HBRUSH>(Win(brush)));
}

HDC GetDC(HWND hwnd) { return Our<HDC>(::GetDC(Win(hwnd))); }
HDC GetWindowDC(HWND hwnd) { return Our<HDC>(::GetWindowDC(Win(hwnd))); }
int ReleaseDC(HWND hwnd, HDC hdc) { return ::ReleaseDC(Win(hwnd), Win(hdc)); }
HPEN CreatePen(int style, int width, COLORREF color) { return Our<HPEN>(::CreatePen(style, width, color)); }
BOOL Ellipse(HDC hdc, int left, int top, int right, int bottom) { return ::Ellipse(Win(hdc), left, top, right, bottom); }

// ---- Timers, hotkeys, hooks, input

UINT_PTR SetTimer(HWND hwnd, UINT_PTR id, UINT elapse, TIMERPROC proc)
{
    return ::SetTimer(Win(hwnd), id, elapse, Win(proc));
}

BOOL KillTimer(HWND hwnd, UINT_PTR id) { return ::KillTimer(Win(hwnd), id); }

BOOL RegisterHotKey(HWND hwnd, int id, UINT modifiers, UINT virtualKey)
{
    return ::RegisterHotKey(Win(hwnd), id, modifiers, virtualKey);
}

HHOOK SetWindowsHookExA(int idHook, HOOKPROC proc, HINSTANCE module, DWORD threadId)
{
    return Our<HHOOK>(::SetWindowsHookExA(idHook, Win(proc), Win(module), threadId));
}

BOOL UnhookWindowsHookEx(HHOOK hook) { return ::UnhookWindowsHookEx(Win(hook)); }

LRESULT CallNextHookEx(HHOOK hook, int code, WPARAM wParam, LPARAM lParam)
{
    return ::CallNextHookEx(Win(hook), code, wParam, lParam);
}

static_assert(sizeof(os::TRACKMOUSEEVENT) == sizeof(::TRACKMOUSEEVENT));
BOOL TrackMouseEvent(TRACKMOUSEEVENT* track) { return ::TrackMouseEvent(reinterpret_cast<::TRACKMOUSEEVENT*>(track)); }

BOOL GetCursorPos(POINT* point) { return ::GetCursorPos(Win(point)); }
BOOL SetCursorPos(int x, int y) { return ::SetCursorPos(x, y); }

void mouse_event(DWORD flags, DWORD dx, DWORD dy, DWORD data, UINT_PTR extraInfo)
{
    ::mouse_event(flags, dx, dy, data, extraInfo);
}

// ---- Shell and process

HINSTANCE ShellExecuteA(HWND owner, const char* verb, const char* file, const char* parameters,
                        const char* directory, int showCmd)
{
    return Our<HINSTANCE>(::ShellExecuteA(Win(owner), verb, file, parameters, directory, showCmd));
}

HANDLE GetProcessHeap() { return ::GetProcessHeap(); }
void* HeapAlloc(HANDLE heap, DWORD flags, size_t bytes) { return ::HeapAlloc(heap, flags, bytes); }
BOOL HeapFree(HANDLE heap, DWORD flags, void* block) { return ::HeapFree(heap, flags, block); }
long OleInitialize(void* reserved) { return ::OleInitialize(reserved); }
void OleUninitialize() { ::OleUninitialize(); }
HINSTANCE GetModuleHandleA(const char* moduleName) { return Our<HINSTANCE>(::GetModuleHandleA(moduleName)); }

DWORD GetModuleFileNameA(HINSTANCE module, char* buffer, DWORD size)
{
    return ::GetModuleFileNameA(Win(module), buffer, size);
}

BOOL SetCurrentDirectoryA(const char* path) { return ::SetCurrentDirectoryA(path); }
void ExitProcess(UINT exitCode) { ::ExitProcess(exitCode); }

}  // namespace os
