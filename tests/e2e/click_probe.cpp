// click_probe.exe LOG [X Y W H]: a plain top-level window (by default over
// 600,100..1000,500 of the desktop) that appends every mouse button message it
// gets to LOG, one line each, flushed at once:
//
//   SECONDS MESSAGE X Y
//
// SECONDS from QueryPerformanceCounter (six decimals), MESSAGE one of
// LDOWN LUP LDBL RDOWN RUP RDBL, X Y in client pixels. Its class has
// CS_DBLCLKS, so a second press soon after a first comes as LDBL / RDBL.
// A "ready" line is written once the window is shown. ASCII source.
#include <windows.h>

#include <cstdio>
#include <cstdlib>

namespace {

HANDLE gLog = INVALID_HANDLE_VALUE;
LARGE_INTEGER gFrequency;

void LogLine(const char* text, LPARAM lParam)
{
    LARGE_INTEGER now;
    ::QueryPerformanceCounter(&now);
    char line[128];
    int length = std::snprintf(line, sizeof line, "%.6f %s %d %d\n",
                               double(now.QuadPart) / double(gFrequency.QuadPart), text,
                               int(short(LOWORD(lParam))), int(short(HIWORD(lParam))));
    DWORD written = 0;
    // Unbuffered: the test reads the file while the probe runs.
    ::WriteFile(gLog, line, DWORD(length), &written, nullptr);
}

const char* ButtonName(UINT message)
{
    switch (message) {
    case WM_LBUTTONDOWN: return "LDOWN";
    case WM_LBUTTONUP: return "LUP";
    case WM_LBUTTONDBLCLK: return "LDBL";
    case WM_RBUTTONDOWN: return "RDOWN";
    case WM_RBUTTONUP: return "RUP";
    case WM_RBUTTONDBLCLK: return "RDBL";
    default: return nullptr;
    }
}

LRESULT CALLBACK ProbeProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (const char* name = ButtonName(message)) {
        LogLine(name, lParam);
        return 0;
    }
    if (message == WM_DESTROY) {
        ::PostQuitMessage(0);
        return 0;
    }
    return ::DefWindowProcW(hwnd, message, wParam, lParam);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int)
{
    if (__argc < 2) return 2;
    int place[4] = {600, 100, 400, 400};
    for (int i = 0; i < 4 && i + 2 < __argc; ++i) place[i] = std::atoi(__argv[i + 2]);
    ::QueryPerformanceFrequency(&gFrequency);
    gLog = ::CreateFileA(__argv[1], FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                         OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (gLog == INVALID_HANDLE_VALUE) return 3;

    WNDCLASSW wc{};
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = ProbeProc;
    wc.hInstance = instance;
    wc.hCursor = ::LoadCursorA(nullptr, IDC_ARROW);
    wc.hbrBackground = HBRUSH(::GetStockObject(GRAY_BRUSH));
    wc.lpszClassName = L"XunzhiClickProbe";
    if (!::RegisterClassW(&wc)) return 4;
    HWND hwnd = ::CreateWindowExW(0, wc.lpszClassName, L"click probe", WS_POPUP | WS_VISIBLE, place[0],
                                  place[1], place[2], place[3], nullptr, nullptr, instance, nullptr);
    if (!hwnd) return 5;
    ::UpdateWindow(hwnd);
    LogLine("ready", 0);

    MSG msg;
    while (::GetMessageW(&msg, nullptr, 0, 0) > 0) {
        ::TranslateMessage(&msg);
        ::DispatchMessageW(&msg);
    }
    ::CloseHandle(gLog);
    return 0;
}
