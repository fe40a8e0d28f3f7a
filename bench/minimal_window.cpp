// minimal_window.exe: one empty top-level window titled "minimal window" and a
// message loop; the yardstick the clicker's start-up is measured against.
// ASCII source.
#include <windows.h>

namespace {

LRESULT CALLBACK Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_DESTROY) {
        ::PostQuitMessage(0);
        return 0;
    }
    return ::DefWindowProcA(hwnd, message, wParam, lParam);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int show)
{
    WNDCLASSA wc{};
    wc.lpfnWndProc = Proc;
    wc.hInstance = instance;
    wc.hCursor = ::LoadCursorA(nullptr, IDC_ARROW);
    wc.hbrBackground = HBRUSH(COLOR_BTNFACE + 1);
    wc.lpszClassName = "MinimalWindow";
    if (!::RegisterClassA(&wc)) return 1;
    HWND hwnd = ::CreateWindowExA(0, wc.lpszClassName, "minimal window", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                                  CW_USEDEFAULT, 300, 200, nullptr, nullptr, instance, nullptr);
    if (!hwnd) return 2;
    ::ShowWindow(hwnd, show);
    ::UpdateWindow(hwnd);
    MSG msg;
    while (::GetMessageA(&msg, nullptr, 0, 0) > 0) {
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
    return 0;
}
