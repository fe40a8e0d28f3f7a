// launch_timer.exe EXE TITLE [TIMEOUT_MS]: starts EXE, polls every millisecond
// for a shown top-level window of that process titled TITLE, prints the
// milliseconds from just before CreateProcess to the first sighting, then ends
// the process it started. Exit 1 on timeout or when the process ends first.
// TITLE comes from the wide command line (Wine decodes UTF-8 arguments);
// ASCII source.
#include <windows.h>
#include <shellapi.h>

#include <cstdio>
#include <cwchar>
#include <string>

namespace {

struct Search {
    const wchar_t* title;
    DWORD pid;
    HWND found;
};

BOOL CALLBACK Visit(HWND hwnd, LPARAM lParam)
{
    auto* search = reinterpret_cast<Search*>(lParam);
    DWORD pid = 0;
    ::GetWindowThreadProcessId(hwnd, &pid);
    if (pid != search->pid || !::IsWindowVisible(hwnd)) return TRUE;
    wchar_t text[256];
    ::GetWindowTextW(hwnd, text, 256);
    if (std::wcscmp(text, search->title) != 0) return TRUE;
    search->found = hwnd;
    return FALSE;
}

}  // namespace

int main()
{
    int argc = 0;
    wchar_t** argv = ::CommandLineToArgvW(::GetCommandLineW(), &argc);
    if (!argv || argc < 3) {
        std::fprintf(stderr, "usage: launch_timer EXE TITLE [TIMEOUT_MS]\n");
        return 2;
    }
    double timeoutMs = argc > 3 ? _wtof(argv[3]) : 30000.0;
    std::wstring command = L"\"" + std::wstring(argv[1]) + L"\"";
    LARGE_INTEGER frequency, start, now;
    ::QueryPerformanceFrequency(&frequency);
    STARTUPINFOW si{};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi{};
    ::QueryPerformanceCounter(&start);
    if (!::CreateProcessW(argv[1], command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) {
        std::fprintf(stderr, "CreateProcess failed: %lu\n", ::GetLastError());
        return 1;
    }
    Search search{argv[2], pi.dwProcessId, nullptr};
    double elapsed = 0;
    int rc = 1;
    for (;;) {
        ::EnumWindows(Visit, reinterpret_cast<LPARAM>(&search));
        ::QueryPerformanceCounter(&now);
        elapsed = double(now.QuadPart - start.QuadPart) * 1000.0 / double(frequency.QuadPart);
        if (search.found) {
            rc = 0;
            break;
        }
        if (elapsed > timeoutMs || ::WaitForSingleObject(pi.hProcess, 0) == WAIT_OBJECT_0) break;
        ::Sleep(1);
    }
    if (rc == 0) std::printf("%.1f\n", elapsed);
    else std::fprintf(stderr, "no window after %.0f ms\n", elapsed);
    std::fflush(stdout);
    ::TerminateProcess(pi.hProcess, 0);
    ::WaitForSingleObject(pi.hProcess, 5000);
    ::CloseHandle(pi.hThread);
    ::CloseHandle(pi.hProcess);
    return rc;
}
