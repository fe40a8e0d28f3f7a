// inspector.exe: looks at another process's windows from inside the same Wine
// session and prints what it finds, one "who key value" fact a line, so that a
// checked-in expectation can be diffed against it.
//
//   inspector.exe find   TITLE   exit 0 when a visible top-level window has TITLE
//   inspector.exe window TITLE   describe that window and all its descendants
//   inspector.exe focus  TITLE   id and class of the control with the keyboard focus
//   inspector.exe count  TITLE   how many shown top-level windows have TITLE (exit 0)
//   inspector.exe list   TITLE   "hwnd 0x... pid N" for each of them
//   inspector.exe text   TITLE ID            the text of a control ("main": the window)
//   inspector.exe settext TITLE ID TEXT      WM_SETTEXT
//   inspector.exe select TITLE ID INDEX      CB_SETCURSEL
//   inspector.exe sel    TITLE ID            an edit box's selection, "start end"
//   inspector.exe screen TITLE ID X Y        screen place of a point in a control's client area
//   inspector.exe command TITLE ID           posts WM_COMMAND ID (1: IDOK closes a message box)
//   inspector.exe closeall TITLE             posts IDOK to every such window, prints how many
//   inspector.exe close  TITLE               posts WM_CLOSE
//   inspector.exe clip   TEXT                puts TEXT on the clipboard
//
// TITLE may also be "hwnd:0x1234", one window by its handle (from list), for
// when two windows share a title.
//
// TITLE is taken from the wide command line (Wine decodes the Unix UTF-8
// arguments), texts are printed as UTF-8. This source is ASCII only, so the
// build's execution character set does not matter here.
#include <windows.h>
#include <shellapi.h>

#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <string>
#include <vector>

namespace {

// Another process may hang; never wait on it for longer than this.
constexpr UINT kSendTimeoutMs = 2000;

std::string Utf8(const std::wstring& text)
{
    if (text.empty()) return {};
    int size = ::WideCharToMultiByte(CP_UTF8, 0, text.data(), int(text.size()), nullptr, 0, nullptr, nullptr);
    std::string out(size_t(size), '\0');
    ::WideCharToMultiByte(CP_UTF8, 0, text.data(), int(text.size()), out.data(), size, nullptr, nullptr);
    return out;
}

// Control characters would break the one-fact-a-line format.
std::string Escaped(const std::wstring& text)
{
    std::string out;
    for (char c : Utf8(text)) {
        if (c == '\\') out += "\\\\";
        else if (c == '\n') out += "\\n";
        else if (c == '\r') out += "\\r";
        else if (c == '\t') out += "\\t";
        else out += c;
    }
    return out;
}

void Print(const std::string& line)
{
    std::string text = line + "\n";
    DWORD written = 0;
    ::WriteFile(::GetStdHandle(STD_OUTPUT_HANDLE), text.data(), DWORD(text.size()), &written, nullptr);
}

// An empty value leaves no trailing blank that an editor would strip.
void Fact(const std::string& who, const char* key, const std::string& value)
{
    Print(who + " " + key + (value.empty() ? "" : " " + value));
}

std::string Format(const char* format, ...)
{
    char buffer[256];
    va_list args;
    va_start(args, format);
    std::vsnprintf(buffer, sizeof buffer, format, args);
    va_end(args);
    return buffer;
}

bool Send(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    DWORD_PTR value = 0;
    if (!::SendMessageTimeoutW(hwnd, message, wParam, lParam, SMTO_ABORTIFHUNG, kSendTimeoutMs, &value))
        return false;
    *result = LRESULT(value);
    return true;
}

// WM_GETTEXT rather than GetWindowText: across processes the latter returns
// only the creation caption, not what an edit box holds now.
std::wstring WindowText(HWND hwnd)
{
    LRESULT length = 0;
    if (!Send(hwnd, WM_GETTEXTLENGTH, 0, 0, &length) || length <= 0) return {};
    std::wstring text(size_t(length) + 1, L'\0');
    LRESULT copied = 0;
    if (!Send(hwnd, WM_GETTEXT, WPARAM(text.size()), LPARAM(text.data()), &copied)) return {};
    text.resize(size_t(std::max<LRESULT>(copied, 0)));
    return text;
}

std::wstring ClassName(HWND hwnd)
{
    wchar_t name[256] = {};
    ::GetClassNameW(hwnd, name, 256);
    return name;
}

struct Bit { DWORD value; const char* name; };

std::string BitNames(DWORD bits, const std::vector<Bit>& table)
{
    std::string out;
    for (const Bit& bit : table) {
        if ((bits & bit.value) != bit.value) continue;
        bits &= ~bit.value;
        if (!out.empty()) out += ' ';
        out += bit.name;
    }
    if (bits != 0) out += Format("%s0x%08lX", out.empty() ? "" : " ", (unsigned long)bits);
    return out.empty() ? "0" : out;
}

// The generic half of a style; the low word means something else per class.
// WS_CAPTION before WS_BORDER so a caption is not shown as a border.
const std::vector<Bit> kTopLevelStyles = {
    {WS_POPUP, "WS_POPUP"}, {WS_CHILD, "WS_CHILD"}, {WS_MINIMIZE, "WS_MINIMIZE"},
    {WS_VISIBLE, "WS_VISIBLE"}, {WS_DISABLED, "WS_DISABLED"}, {WS_CLIPSIBLINGS, "WS_CLIPSIBLINGS"},
    {WS_CLIPCHILDREN, "WS_CLIPCHILDREN"}, {WS_MAXIMIZE, "WS_MAXIMIZE"}, {WS_CAPTION, "WS_CAPTION"},
    {WS_BORDER, "WS_BORDER"}, {WS_DLGFRAME, "WS_DLGFRAME"}, {WS_VSCROLL, "WS_VSCROLL"},
    {WS_HSCROLL, "WS_HSCROLL"}, {WS_SYSMENU, "WS_SYSMENU"}, {WS_THICKFRAME, "WS_THICKFRAME"},
    {WS_MINIMIZEBOX, "WS_MINIMIZEBOX"}, {WS_MAXIMIZEBOX, "WS_MAXIMIZEBOX"},
};
const std::vector<Bit> kChildStyles = {
    {WS_POPUP, "WS_POPUP"}, {WS_CHILD, "WS_CHILD"}, {WS_MINIMIZE, "WS_MINIMIZE"},
    {WS_VISIBLE, "WS_VISIBLE"}, {WS_DISABLED, "WS_DISABLED"}, {WS_CLIPSIBLINGS, "WS_CLIPSIBLINGS"},
    {WS_CLIPCHILDREN, "WS_CLIPCHILDREN"}, {WS_MAXIMIZE, "WS_MAXIMIZE"}, {WS_CAPTION, "WS_CAPTION"},
    {WS_BORDER, "WS_BORDER"}, {WS_DLGFRAME, "WS_DLGFRAME"}, {WS_VSCROLL, "WS_VSCROLL"},
    {WS_HSCROLL, "WS_HSCROLL"}, {WS_SYSMENU, "WS_SYSMENU"}, {WS_THICKFRAME, "WS_THICKFRAME"},
    {WS_GROUP, "WS_GROUP"}, {WS_TABSTOP, "WS_TABSTOP"},
};
const std::vector<Bit> kExStyles = {
    {WS_EX_DLGMODALFRAME, "WS_EX_DLGMODALFRAME"}, {WS_EX_NOPARENTNOTIFY, "WS_EX_NOPARENTNOTIFY"},
    {WS_EX_TOPMOST, "WS_EX_TOPMOST"}, {WS_EX_ACCEPTFILES, "WS_EX_ACCEPTFILES"},
    {WS_EX_TRANSPARENT, "WS_EX_TRANSPARENT"}, {WS_EX_MDICHILD, "WS_EX_MDICHILD"},
    {WS_EX_TOOLWINDOW, "WS_EX_TOOLWINDOW"}, {WS_EX_WINDOWEDGE, "WS_EX_WINDOWEDGE"},
    {WS_EX_CLIENTEDGE, "WS_EX_CLIENTEDGE"}, {WS_EX_CONTEXTHELP, "WS_EX_CONTEXTHELP"},
    {WS_EX_RIGHT, "WS_EX_RIGHT"}, {WS_EX_RTLREADING, "WS_EX_RTLREADING"},
    {WS_EX_LEFTSCROLLBAR, "WS_EX_LEFTSCROLLBAR"}, {WS_EX_CONTROLPARENT, "WS_EX_CONTROLPARENT"},
    {WS_EX_STATICEDGE, "WS_EX_STATICEDGE"}, {WS_EX_APPWINDOW, "WS_EX_APPWINDOW"},
    {WS_EX_LAYERED, "WS_EX_LAYERED"}, {WS_EX_NOINHERITLAYOUT, "WS_EX_NOINHERITLAYOUT"},
    {WS_EX_LAYOUTRTL, "WS_EX_LAYOUTRTL"}, {WS_EX_COMPOSITED, "WS_EX_COMPOSITED"},
    {WS_EX_NOACTIVATE, "WS_EX_NOACTIVATE"},
};

BOOL CALLBACK CollectShown(HWND hwnd, LPARAM context)
{
    auto* request = reinterpret_cast<std::pair<const std::wstring*, std::vector<HWND>*>*>(context);
    wchar_t title[512] = {};
    ::GetWindowTextW(hwnd, title, 512);
    if (*request->first == title && ::IsWindowVisible(hwnd)) request->second->push_back(hwnd);
    return TRUE;
}

// Only a shown window counts: the program creates its window hidden and
// fills it before showing it; a closed message box is hidden before its
// modal loop ends. In z-order, topmost first.
std::vector<HWND> ShownWindows(const std::wstring& title)
{
    std::vector<HWND> found;
    std::pair<const std::wstring*, std::vector<HWND>*> request{&title, &found};
    ::EnumWindows(CollectShown, LPARAM(&request));
    return found;
}

HWND FindShownWindow(const std::wstring& title)
{
    if (title.rfind(L"hwnd:", 0) == 0) {
        HWND hwnd = HWND(uintptr_t(std::wcstoul(title.c_str() + 5, nullptr, 0)));
        return ::IsWindow(hwnd) && ::IsWindowVisible(hwnd) ? hwnd : nullptr;
    }
    std::vector<HWND> found = ShownWindows(title);
    return found.empty() ? nullptr : found.front();
}

BOOL CALLBACK CollectChild(HWND hwnd, LPARAM context)
{
    reinterpret_cast<std::vector<HWND>*>(context)->push_back(hwnd);
    return TRUE;
}

std::string Who(HWND hwnd, HWND main)
{
    return hwnd == main ? std::string("main") : Format("%d", ::GetDlgCtrlID(hwnd));
}

void DescribeComboItems(HWND combo, const std::string& who)
{
    LRESULT count = 0, selected = 0;
    if (!Send(combo, CB_GETCOUNT, 0, 0, &count)) count = -1;
    if (!Send(combo, CB_GETCURSEL, 0, 0, &selected)) selected = -2;
    Print(Format("%s combo.count %ld", who.c_str(), long(count)));
    Print(Format("%s combo.selected %ld", who.c_str(), long(selected)));
    for (LRESULT i = 0; i < count; ++i) {
        LRESULT length = 0;
        std::wstring item;
        if (Send(combo, CB_GETLBTEXTLEN, WPARAM(i), 0, &length) && length >= 0) {
            item.assign(size_t(length) + 1, L'\0');
            LRESULT copied = 0;
            if (!Send(combo, CB_GETLBTEXT, WPARAM(i), LPARAM(item.data()), &copied)) copied = 0;
            item.resize(size_t(std::max<LRESULT>(copied, 0)));
        }
        Fact(who, "combo.item", Escaped(item));
    }
}

void DescribeChild(HWND child, HWND main)
{
    std::string who = Who(child, main);
    RECT rect{};
    ::GetWindowRect(child, &rect);
    ::MapWindowPoints(HWND_DESKTOP, main, reinterpret_cast<POINT*>(&rect), 2);
    DWORD style = DWORD(::GetWindowLongW(child, GWL_STYLE));
    DWORD exStyle = DWORD(::GetWindowLongW(child, GWL_EXSTYLE));
    std::wstring className = ClassName(child);

    Fact(who, "parent", Who(::GetAncestor(child, GA_PARENT), main));
    Fact(who, "class", Escaped(className));
    Fact(who, "text", Escaped(WindowText(child)));
    Print(Format("%s place %ld,%ld", who.c_str(), rect.left, rect.top));
    Print(Format("%s width %ld", who.c_str(), rect.right - rect.left));
    Print(Format("%s height %ld", who.c_str(), rect.bottom - rect.top));
    Print(who + " style " + BitNames(style & 0xFFFF0000u, kChildStyles));
    Print(Format("%s ctlstyle 0x%04lX", who.c_str(), (unsigned long)(style & 0xFFFFu)));
    Print(who + " exstyle " + BitNames(exStyle, kExStyles));
    Print(Format("%s enabled %d", who.c_str(), ::IsWindowEnabled(child) ? 1 : 0));
    Print(Format("%s visible %d", who.c_str(), ::IsWindowVisible(child) ? 1 : 0));
    if (_wcsicmp(className.c_str(), L"COMBOBOX") == 0) DescribeComboItems(child, who);
}

void DescribeMain(HWND main)
{
    RECT rect{}, client{};
    ::GetWindowRect(main, &rect);
    ::GetClientRect(main, &client);
    DWORD style = DWORD(::GetWindowLongW(main, GWL_STYLE));
    DWORD exStyle = DWORD(::GetWindowLongW(main, GWL_EXSTYLE));
    Fact("main", "title", Escaped(WindowText(main)));
    Print(Format("main place %ld,%ld", rect.left, rect.top));
    Print(Format("main size %ldx%ld", rect.right - rect.left, rect.bottom - rect.top));
    Print(Format("main client %ldx%ld", client.right, client.bottom));
    Print("main style " + BitNames(style, kTopLevelStyles));
    Print("main exstyle " + BitNames(exStyle, kExStyles));
    Print(Format("main enabled %d", ::IsWindowEnabled(main) ? 1 : 0));
    Print(Format("main visible %d", ::IsWindowVisible(main) ? 1 : 0));
    Print(Format("main foreground %d", ::GetForegroundWindow() == main ? 1 : 0));
}

int Describe(HWND main)
{
    DescribeMain(main);
    std::vector<HWND> children;
    ::EnumChildWindows(main, CollectChild, LPARAM(&children));
    // By id, not z-order: the comparison is about what exists and where.
    std::stable_sort(children.begin(), children.end(),
                     [](HWND a, HWND b) { return ::GetDlgCtrlID(a) < ::GetDlgCtrlID(b); });
    for (HWND child : children) DescribeChild(child, main);
    return 0;
}

int DescribeFocus(HWND main)
{
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    if (!::GetGUIThreadInfo(::GetWindowThreadProcessId(main, nullptr), &info)) {
        std::fprintf(stderr, "inspector: GetGUIThreadInfo failed (%lu)\n", ::GetLastError());
        return 3;
    }
    HWND focus = info.hwndFocus;
    if (!focus) {
        Print("focus none");
        return 0;
    }
    Print("focus " + Who(focus, main) + " " + Escaped(ClassName(focus)));
    return 0;
}

// "main" is the window itself, a number a child's control id.
HWND Control(HWND main, const std::wstring& id)
{
    if (id == L"main") return main;
    wchar_t* end = nullptr;
    long value = std::wcstol(id.c_str(), &end, 0);
    if (!end || *end != 0 || id.empty()) return nullptr;
    return ::GetDlgItem(main, int(value));
}

bool Number(const std::wstring& text, long* value)
{
    wchar_t* end = nullptr;
    *value = std::wcstol(text.c_str(), &end, 0);
    return !text.empty() && end && *end == 0;
}

int SetClipboard(const std::wstring& text)
{
    HGLOBAL memory = ::GlobalAlloc(GMEM_MOVEABLE, (text.size() + 1) * sizeof(wchar_t));
    if (!memory) return 3;
    std::copy(text.c_str(), text.c_str() + text.size() + 1, static_cast<wchar_t*>(::GlobalLock(memory)));
    ::GlobalUnlock(memory);
    if (!::OpenClipboard(nullptr)) {
        ::GlobalFree(memory);
        return 3;
    }
    ::EmptyClipboard();
    bool set = ::SetClipboardData(CF_UNICODETEXT, memory) != nullptr;
    ::CloseClipboard();
    if (!set) ::GlobalFree(memory);
    return set ? 0 : 3;
}

int Usage()
{
    std::fprintf(stderr,
                 "usage: inspector.exe find|window|focus|count|list|close|closeall TITLE\n"
                 "       inspector.exe text|sel|command TITLE ID\n"
                 "       inspector.exe settext TITLE ID TEXT | select TITLE ID INDEX\n"
                 "       inspector.exe screen TITLE ID X Y | clip TEXT\n");
    return 2;
}

int Run(const std::vector<std::wstring>& args)
{
    if (args.size() < 2) return Usage();
    const std::wstring& command = args[0];
    if (command == L"clip") return args.size() == 2 ? SetClipboard(args[1]) : Usage();

    const std::wstring& title = args[1];
    if (command == L"count" || command == L"list" || command == L"closeall") {
        if (args.size() != 2) return Usage();
        std::vector<HWND> found = ShownWindows(title);
        if (command == L"count") {
            Print(Format("%u", unsigned(found.size())));
        } else if (command == L"list") {
            for (HWND hwnd : found) {
                DWORD pid = 0;
                ::GetWindowThreadProcessId(hwnd, &pid);
                Print(Format("hwnd 0x%08lX pid %lu", (unsigned long)uintptr_t(hwnd), (unsigned long)pid));
            }
        } else {
            for (HWND hwnd : found) ::PostMessageW(hwnd, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
            Print(Format("%u", unsigned(found.size())));
        }
        return 0;
    }

    size_t want = command == L"find" || command == L"window" || command == L"focus" || command == L"close" ? 2
                  : command == L"text" || command == L"sel" || command == L"command"                   ? 3
                  : command == L"settext" || command == L"select"                                      ? 4
                  : command == L"screen"                                                               ? 5
                                                                                                       : 0;
    if (want == 0 || args.size() != want) return Usage();

    HWND main = FindShownWindow(title);
    if (!main) {
        std::fprintf(stderr, "inspector: no shown top-level window titled \"%s\"\n", Utf8(title).c_str());
        return 1;
    }
    if (command == L"find") return 0;
    if (command == L"focus") return DescribeFocus(main);
    if (command == L"window") return Describe(main);
    if (command == L"close") return ::PostMessageW(main, WM_CLOSE, 0, 0) ? 0 : 3;

    long id = 0;
    if (command == L"command") {
        if (!Number(args[2], &id)) return Usage();
        return ::PostMessageW(main, WM_COMMAND, MAKEWPARAM(WORD(id), BN_CLICKED), 0) ? 0 : 3;
    }
    HWND control = Control(main, args[2]);
    if (!control) {
        std::fprintf(stderr, "inspector: no control %s\n", Utf8(args[2]).c_str());
        return 1;
    }
    LRESULT result = 0;
    if (command == L"text") {
        Print(Escaped(WindowText(control)));
        return 0;
    }
    if (command == L"settext")
        return Send(control, WM_SETTEXT, 0, LPARAM(args[3].c_str()), &result) && result ? 0 : 3;
    if (command == L"select") {
        long index = 0;
        if (!Number(args[3], &index)) return Usage();
        return Send(control, CB_SETCURSEL, WPARAM(index), 0, &result) && result == index ? 0 : 3;
    }
    if (command == L"sel") {
        // From the result, not through pointers into another process.
        if (!Send(control, EM_GETSEL, 0, 0, &result)) return 3;
        Print(Format("%u %u", unsigned(LOWORD(result)), unsigned(HIWORD(result))));
        return 0;
    }
    long x = 0, y = 0;
    if (!Number(args[3], &x) || !Number(args[4], &y)) return Usage();
    POINT point{x, y};
    ::ClientToScreen(control, &point);
    Print(Format("%ld %ld", point.x, point.y));
    return 0;
}

}  // namespace

int main()
{
    int argc = 0;
    wchar_t** argv = ::CommandLineToArgvW(::GetCommandLineW(), &argc);
    if (!argv) return Usage();
    return Run(std::vector<std::wstring>(argv + 1, argv + argc));
}
