// The fake's process: recording, injected failures, the heap, GDI objects,
// OLE, the module and its folder, the cursor and synthesized input, hotkeys,
// hooks and the shell.
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "fake/fake_state.h"

namespace fake {

namespace {
// Never destroyed: the heap blocks a test leaves to the next Reset stay
// reachable at exit, where LeakSanitizer looks. Made before main, so S()
// needs no guard on its every call.
State* const gState = new State;
}  // namespace

State& S() { return *gState; }

void Record(const std::string& call)
{
    if (S().recording)
        S().calls.push_back(call);
}

bool Recording() { return S().recording; }

bool ShouldFail(const char* operation)
{
    if (S().failures.empty())
        return false;
    for (auto& f : S().failures) {
        if (f.operation != operation || f.times <= 0)
            continue;
        if (f.okCalls > 0) {
            --f.okCalls;
            return false;
        }
        --f.times;
        return true;
    }
    return false;
}

std::string Hex(uint64_t value)
{
    char buf[32];
    std::snprintf(buf, sizeof buf, "0x%llx", static_cast<unsigned long long>(value));
    return buf;
}

std::string Quote(const char* text)
{
    if (!text)
        return "null";
    std::string out = "\"";
    for (const unsigned char* p = reinterpret_cast<const unsigned char*>(text); *p; ++p) {
        if (*p >= 0x20 && *p < 0x7F && *p != '"' && *p != '\\') {
            out += static_cast<char>(*p);
        } else {
            char buf[8];
            std::snprintf(buf, sizeof buf, "\\x%02X", *p);
            out += buf;
        }
    }
    return out + "\"";
}

namespace {
constexpr uintptr_t kGdiBase = 0x20000000;
constexpr uintptr_t kStockBase = 0x30000000;
constexpr uintptr_t kIconBase = 0x40000000;
constexpr uintptr_t kCursorBase = 0x41000000;
constexpr uintptr_t kDcBase = 0x50000000;
constexpr uintptr_t kHeap = 0x60000000;
constexpr uintptr_t kHookBase = 0x70000000;
constexpr uintptr_t kInstance = 0x00400000;

std::string D(long long v) { return std::to_string(v); }

// Files a created font, brush or pen under the next number: its handle.
uintptr_t NewGdiObject(GdiObject obj)
{
    obj.number = ++S().gdiNumbers;
    uintptr_t h = kGdiBase + static_cast<uintptr_t>(obj.number) * 4;
    S().gdi[h] = obj;
    return h;
}
}  // namespace

std::string GdiName(const void* handle)
{
    uintptr_t h = reinterpret_cast<uintptr_t>(handle);
    if (!h)
        return "0";
    auto it = S().gdi.find(h);
    if (it != S().gdi.end())
        return it->second.kind + "#" + D(it->second.number);
    if (h >= kStockBase && h < kStockBase + 64)
        return "stock#" + D(static_cast<long long>(h - kStockBase));
    if (h >= kIconBase && h < kCursorBase)
        return "icon#" + D(static_cast<long long>(h - kIconBase));
    if (h >= kCursorBase && h < kDcBase)
        return "cursor#" + D(static_cast<long long>(h - kCursorBase));
    if (h >= kDcBase && h < kHeap)
        return "hdc#" + D(static_cast<long long>(h - kDcBase));
    return Hex(h);
}

// ---- the public API of the fake

void Reset()
{
    State& s = S();
    for (auto& [block, size] : s.heap)
        std::free(block);
    s = State{};
    RegisterSystemClasses();
}

const std::vector<std::string>& Calls() { return S().calls; }

std::vector<std::string> CallsNamed(std::initializer_list<const char*> names)
{
    std::vector<std::string> out;
    for (const auto& c : S().calls) {
        for (const char* n : names) {
            size_t len = std::strlen(n);
            if (c.compare(0, len, n) == 0 && c.size() > len && c[len] == '(') {
                out.push_back(c);
                break;
            }
        }
    }
    return out;
}

void ClearCalls() { S().calls.clear(); }
void SetRecording(bool on) { S().recording = on; }
size_t HeapAllocCalls() { return S().heapAllocCalls; }

void FailCall(const char* operation, int okCalls, int times)
{
    S().failures.push_back(Failure{operation, okCalls, times});
}

unsigned RunProcess(int (*entry)())
{
    try {
        return static_cast<unsigned>(entry());
    } catch (const ProcessExit& exit) {
        return exit.code;
    }
}

void SetModuleFileName(const std::string& path) { S().moduleFileName = path; }
std::string CurrentDirectory() { return S().currentDirectory; }
int OleInitCount() { return S().oleInits; }
size_t LiveHeapBlocks() { return S().heap.size(); }
size_t LiveGdiObjects() { return S().gdi.size(); }
size_t LiveIcons() { return S().icons.size(); }
size_t LiveDcs() { return S().heldDcs.size(); }
size_t LiveHooks()
{
    size_t n = 0;
    for (const auto& h : S().hooks)
        n += h.alive ? 1 : 0;
    return n;
}
bool HeapMisuse() { return S().heapMisuse; }
void SetScreenSize(int width, int height)
{
    S().screenWidth = width;
    S().screenHeight = height;
}
void SetKeyDown(int virtualKey, bool down)
{
    if (down)
        S().keysDown.insert(virtualKey);
    else
        S().keysDown.erase(virtualKey);
}
void SetCursor(int x, int y) { S().cursor = os::POINT{x, y}; }
void SetCursorPath(const std::vector<os::POINT>& points) { S().cursorPath.assign(points.begin(), points.end()); }
void Elapse(uint32_t milliseconds) { S().now += milliseconds; }
void SetClipboardText(const std::string& text) { S().clipboard = text; }

std::vector<Timer> Timers()
{
    std::vector<Timer> out;
    for (const auto& t : S().timers)
        out.push_back(Timer{t.window->Handle(), t.id, t.period, t.nextDue});
    return out;
}

std::vector<Hotkey> Hotkeys() { return S().hotkeys; }

void HoldHotkey(os::UINT modifiers, os::UINT virtualKey)
{
    S().heldElsewhere.emplace_back(modifiers, virtualKey);
}

void PressHotkey(os::UINT modifiers, os::UINT virtualKey)
{
    for (const auto& h : S().hotkeys)
        if (h.modifiers == modifiers && h.virtualKey == virtualKey)
            Post(h.hwnd, os::WM_HOTKEY, static_cast<os::WPARAM>(h.id),
                 static_cast<os::LPARAM>(modifiers | (virtualKey << 16)));
}

}  // namespace fake

// ---- the platform operations

using namespace fake;

namespace os {

HANDLE GetProcessHeap()
{
    Record("GetProcessHeap()");
    return reinterpret_cast<HANDLE>(kHeap);
}

void* HeapAlloc(HANDLE heap, DWORD flags, size_t bytes)
{
    Record("HeapAlloc(" + Hex(reinterpret_cast<uintptr_t>(heap)) + "," + Hex(flags) + "," + D(static_cast<long long>(bytes)) + ")");
    ++S().heapAllocCalls;
    if (ShouldFail("HeapAlloc"))
        return nullptr;
    void* block = (flags & HEAP_ZERO_MEMORY) ? std::calloc(bytes ? bytes : 1, 1) : std::malloc(bytes ? bytes : 1);
    S().heap[block] = bytes;
    return block;
}

BOOL HeapFree(HANDLE heap, DWORD, void* block)
{
    Record("HeapFree(" + Hex(reinterpret_cast<uintptr_t>(heap)) + ")");
    if (!block)
        return 1;
    auto it = S().heap.find(block);
    if (it == S().heap.end()) {
        S().heapMisuse = true;
        return 0;
    }
    S().heap.erase(it);
    std::free(block);
    return 1;
}

long OleInitialize(void* reserved)
{
    Record(std::string("OleInitialize(") + (reserved ? "?" : "0") + ")");
    ++S().oleInits;
    return 0;
}

void OleUninitialize()
{
    Record("OleUninitialize()");
    --S().oleInits;
}

HINSTANCE GetModuleHandleA(const char* moduleName)
{
    Record("GetModuleHandleA(" + Quote(moduleName) + ")");
    return reinterpret_cast<HINSTANCE>(kInstance);
}

DWORD GetModuleFileNameA(HINSTANCE module, char* buffer, DWORD size)
{
    Record("GetModuleFileNameA(" + Hex(reinterpret_cast<uintptr_t>(module)) + "," + D(size) + ")");
    if (ShouldFail("GetModuleFileNameA") || size == 0)
        return 0;
    const std::string& path = S().moduleFileName;
    DWORD n = static_cast<DWORD>(path.size());
    if (n >= size) {  // truncated, as Windows does
        std::memcpy(buffer, path.data(), size - 1);
        buffer[size - 1] = 0;
        return size;
    }
    std::memcpy(buffer, path.c_str(), n + 1);
    return n;
}

BOOL SetCurrentDirectoryA(const char* path)
{
    Record("SetCurrentDirectoryA(" + Quote(path) + ")");
    if (ShouldFail("SetCurrentDirectoryA") || !path)
        return 0;
    S().currentDirectory = path;
    return 1;
}

void ExitProcess(UINT exitCode)
{
    Record("ExitProcess(" + D(static_cast<int32_t>(exitCode)) + ")");
    throw ProcessExit{exitCode};
}

// ---- GDI objects

HFONT CreateFontIndirectA(const LOGFONTA* font)
{
    std::string face(font->lfFaceName, strnlen(font->lfFaceName, LF_FACESIZE));
    Record("CreateFontIndirectA(" + D(font->lfHeight) + "," + D(font->lfWidth) + "," + D(font->lfWeight) + "," +
           D(font->lfItalic) + D(font->lfUnderline) + D(font->lfStrikeOut) + "," + D(font->lfCharSet) + "," +
           D(font->lfOutPrecision) + "," + D(font->lfClipPrecision) + "," + D(font->lfQuality) + "," +
           D(font->lfPitchAndFamily) + "," + Quote(face.c_str()) + ")");
    if (ShouldFail("CreateFontIndirectA"))
        return nullptr;
    GdiObject obj{"font", 0};
    obj.font = *font;
    return reinterpret_cast<HFONT>(NewGdiObject(obj));
}

HBRUSH CreateSolidBrush(COLORREF color)
{
    Record("CreateSolidBrush(" + Hex(color) + ")");
    if (ShouldFail("CreateSolidBrush"))
        return nullptr;
    GdiObject obj{"brush", 0};
    obj.color = color;
    return reinterpret_cast<HBRUSH>(NewGdiObject(obj));
}

HGDIOBJ GetStockObject(int index)
{
    Record("GetStockObject(" + D(index) + ")");
    return reinterpret_cast<HGDIOBJ>(kStockBase + static_cast<uintptr_t>(index));
}

BOOL DeleteObject(HGDIOBJ object)
{
    Record("DeleteObject(" + GdiName(object) + ")");
    return S().gdi.erase(reinterpret_cast<uintptr_t>(object)) ? 1 : 0;
}

HGDIOBJ SelectObject(HDC hdc, HGDIOBJ object)
{
    Record("SelectObject(" + GdiName(hdc) + "," + GdiName(object) + ")");
    return reinterpret_cast<HGDIOBJ>(kStockBase + static_cast<uintptr_t>(os::DEFAULT_GUI_FONT + 1));
}

int SetBkMode(HDC hdc, int mode)
{
    Record("SetBkMode(" + GdiName(hdc) + "," + D(mode) + ")");
    return OPAQUE;
}

COLORREF SetTextColor(HDC hdc, COLORREF color)
{
    Record("SetTextColor(" + GdiName(hdc) + "," + Hex(color) + ")");
    return 0;
}

COLORREF SetBkColor(HDC hdc, COLORREF color)
{
    Record("SetBkColor(" + GdiName(hdc) + "," + Hex(color) + ")");
    return 0xFFFFFF;
}

DWORD GetSysColor(int index)
{
    Record("GetSysColor(" + D(index) + ")");
    switch (index) {
    case COLOR_BTNFACE: return 0x00F0F0F0;
    case COLOR_WINDOW: return 0x00FFFFFF;
    case COLOR_GRAYTEXT: return 0x006D6D6D;
    default: return 0;
    }
}

int DrawTextA(HDC hdc, const char* text, int count, RECT* rect, UINT format)
{
    Record("DrawTextA(" + GdiName(hdc) + "," + Quote(text) + "," + D(count) + ",{" + D(rect->left) + "," +
           D(rect->top) + "," + D(rect->right) + "," + D(rect->bottom) + "}," + Hex(format) + ")");
    return 16;
}

int FillRect(HDC hdc, const RECT* rect, HBRUSH brush)
{
    Record("FillRect(" + GdiName(hdc) + ",{" + D(rect->left) + "," + D(rect->top) + "," + D(rect->right) + "," +
           D(rect->bottom) + "}," + GdiName(brush) + ")");
    return 1;
}

int FrameRect(HDC hdc, const RECT* rect, HBRUSH brush)
{
    Record("FrameRect(" + GdiName(hdc) + ",{" + D(rect->left) + "," + D(rect->top) + "," + D(rect->right) + "," +
           D(rect->bottom) + "}," + GdiName(brush) + ")");
    return 1;
}

HPEN CreatePen(int style, int width, COLORREF color)
{
    Record("CreatePen(" + D(style) + "," + D(width) + "," + Hex(color) + ")");
    if (ShouldFail("CreatePen"))
        return nullptr;
    GdiObject obj{"pen", 0};
    obj.color = color;
    return reinterpret_cast<HPEN>(NewGdiObject(obj));
}

BOOL Ellipse(HDC hdc, int left, int top, int right, int bottom)
{
    Record("Ellipse(" + GdiName(hdc) + "," + D(left) + "," + D(top) + "," + D(right) + "," + D(bottom) + ")");
    return 1;
}

static HDC HoldDc(const char* operation, HWND hwnd)
{
    Record(std::string(operation) + "(" + Name(hwnd) + ")");
    if (!W(hwnd) || ShouldFail(operation))
        return nullptr;
    uintptr_t h = kDcBase + static_cast<uintptr_t>(++S().dcNumbers);
    S().heldDcs.insert(h);
    return reinterpret_cast<HDC>(h);
}

HDC GetDC(HWND hwnd) { return HoldDc("GetDC", hwnd); }
HDC GetWindowDC(HWND hwnd) { return HoldDc("GetWindowDC", hwnd); }

int ReleaseDC(HWND hwnd, HDC hdc)
{
    Record("ReleaseDC(" + Name(hwnd) + "," + GdiName(hdc) + ")");
    return S().heldDcs.erase(reinterpret_cast<uintptr_t>(hdc)) ? 1 : 0;
}

BOOL OffsetRect(RECT* rect, int dx, int dy)
{
    rect->left += dx;
    rect->right += dx;
    rect->top += dy;
    rect->bottom += dy;
    return 1;
}

BOOL IsRectEmpty(const RECT* rect) { return rect->right <= rect->left || rect->bottom <= rect->top; }

BOOL IntersectRect(RECT* dest, const RECT* a, const RECT* b)
{
    RECT r{a->left > b->left ? a->left : b->left, a->top > b->top ? a->top : b->top,
           a->right < b->right ? a->right : b->right, a->bottom < b->bottom ? a->bottom : b->bottom};
    if (IsRectEmpty(&r))
        r = RECT{0, 0, 0, 0};
    *dest = r;
    return !IsRectEmpty(&r);
}

// ---- icons and cursors

HCURSOR LoadCursorA(HINSTANCE instance, const char* name)
{
    uintptr_t id = reinterpret_cast<uintptr_t>(name);
    Record("LoadCursorA(" + Hex(reinterpret_cast<uintptr_t>(instance)) + "," + D(static_cast<long long>(id)) + ")");
    return reinterpret_cast<HCURSOR>(kCursorBase + (id & 0xFFFF));
}

HANDLE LoadImageA(HINSTANCE instance, const char* name, UINT type, int cx, int cy, UINT flags)
{
    uintptr_t id = reinterpret_cast<uintptr_t>(name);
    Record("LoadImageA(" + Hex(reinterpret_cast<uintptr_t>(instance)) + "," + D(static_cast<long long>(id)) + "," +
           D(type) + "," + D(cx) + "," + D(cy) + "," + Hex(flags) + ")");
    if (ShouldFail("LoadImageA"))
        return nullptr;
    uintptr_t h = kIconBase + static_cast<uintptr_t>(++S().iconNumbers);
    S().icons.insert(h);
    return reinterpret_cast<HANDLE>(h);
}

BOOL DestroyIcon(HICON icon)
{
    Record("DestroyIcon(" + GdiName(icon) + ")");
    return S().icons.erase(reinterpret_cast<uintptr_t>(icon)) ? 1 : 0;
}

void InitCommonControls() { Record("InitCommonControls()"); }

// ---- cursor and synthesized input

BOOL GetCursorPos(POINT* point)
{
    if (Recording())
        Record("GetCursorPos()");
    if (ShouldFail("GetCursorPos"))
        return 0;
    if (!S().cursorPath.empty()) {
        S().cursor = S().cursorPath.front();
        S().cursorPath.pop_front();
    }
    *point = S().cursor;
    return 1;
}

BOOL SetCursorPos(int x, int y)
{
    if (Recording())
        Record("SetCursorPos(" + D(x) + "," + D(y) + ")");
    if (ShouldFail("SetCursorPos"))
        return 0;
    S().cursor = POINT{x, y};
    return 1;
}

void mouse_event(DWORD flags, DWORD dx, DWORD dy, DWORD data, UINT_PTR extraInfo)
{
    if (Recording())
        Record("mouse_event(" + Hex(flags) + "," + D(static_cast<int32_t>(dx)) + "," + D(static_cast<int32_t>(dy)) +
               "," + D(data) + "," + D(static_cast<long long>(extraInfo)) + ")");
}

SHORT GetKeyState(int virtualKey)
{
    return S().keysDown.count(virtualKey) ? static_cast<SHORT>(0x8000) : 0;
}

SHORT GetAsyncKeyState(int virtualKey)
{
    Record("GetAsyncKeyState(" + Hex(static_cast<uint64_t>(virtualKey)) + ")");
    return S().keysDown.count(virtualKey) ? static_cast<SHORT>(0x8000) : 0;
}

// ---- hotkeys, hooks, shell

BOOL RegisterHotKey(HWND hwnd, int id, UINT modifiers, UINT virtualKey)
{
    Record("RegisterHotKey(" + Name(hwnd) + "," + D(id) + "," + D(modifiers) + "," + Hex(virtualKey) + ")");
    if (ShouldFail("RegisterHotKey"))
        return 0;
    for (const auto& held : S().heldElsewhere)
        if (held.first == modifiers && held.second == virtualKey)
            return 0;
    for (const auto& h : S().hotkeys)
        if ((h.modifiers == modifiers && h.virtualKey == virtualKey) || (h.hwnd == hwnd && h.id == id))
            return 0;
    S().hotkeys.push_back(Hotkey{hwnd, id, modifiers, virtualKey});
    return 1;
}

HHOOK SetWindowsHookExA(int idHook, HOOKPROC proc, HINSTANCE, DWORD threadId)
{
    Record("SetWindowsHookExA(" + D(idHook) + "," + D(threadId) + ")");
    if (ShouldFail("SetWindowsHookExA"))
        return nullptr;
    S().hooks.push_back(HookState{idHook, proc, true});
    return reinterpret_cast<HHOOK>(kHookBase + S().hooks.size());
}

BOOL UnhookWindowsHookEx(HHOOK hook)
{
    Record("UnhookWindowsHookEx(" + Hex(reinterpret_cast<uintptr_t>(hook)) + ")");
    uintptr_t n = reinterpret_cast<uintptr_t>(hook) - kHookBase;
    if (n == 0 || n > S().hooks.size() || !S().hooks[n - 1].alive)
        return 0;
    S().hooks[n - 1].alive = false;
    return 1;
}

LRESULT CallNextHookEx(HHOOK, int, WPARAM, LPARAM) { return 0; }

BOOL TrackMouseEvent(TRACKMOUSEEVENT* track)
{
    Record("TrackMouseEvent(" + Name(track->hwndTrack) + "," + Hex(track->dwFlags) + ")");
    return track->cbSize == sizeof(TRACKMOUSEEVENT) && W(track->hwndTrack) ? 1 : 0;
}

DWORD GetCurrentThreadId() { return 1; }

HINSTANCE ShellExecuteA(HWND owner, const char* verb, const char* file, const char* parameters,
                        const char* directory, int showCmd)
{
    Record("ShellExecuteA(" + Name(owner) + "," + Quote(verb) + "," + Quote(file) + "," + Quote(parameters) + "," +
           Quote(directory) + "," + D(showCmd) + ")");
    if (ShouldFail("ShellExecuteA"))
        return reinterpret_cast<HINSTANCE>(2);  // file not found
    return reinterpret_cast<HINSTANCE>(42);
}

}  // namespace os
