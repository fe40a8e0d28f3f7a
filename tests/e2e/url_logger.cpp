// url_logger.exe LOG URL: a stand-in browser for the shell's "open" of a URL.
// Appends "CREATED URL" to LOG, CREATED being when the shell created this
// process (FILETIME ticks): several loggers may start at once and finish in
// any order, so the test sorts by it. ASCII source.
#include <windows.h>

#include <cstdio>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    if (__argc != 3) return 2;
    // A browser would start its message loop; this ends the shell's wait
    // for this process to become idle.
    MSG msg;
    ::PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE);

    FILETIME created{}, exited{}, kernel{}, user{};
    ::GetProcessTimes(::GetCurrentProcess(), &created, &exited, &kernel, &user);
    unsigned long long ticks = (unsigned long long)created.dwHighDateTime << 32 | created.dwLowDateTime;

    HANDLE log = ::CreateFileA(__argv[1], FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                               OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (log == INVALID_HANDLE_VALUE) return 3;
    char line[2048];
    int length = std::snprintf(line, sizeof line, "%llu %s\n", ticks, __argv[2]);
    DWORD written = 0;
    bool ok = length > 0 && length < int(sizeof line) && ::WriteFile(log, line, DWORD(length), &written, nullptr);
    ::CloseHandle(log);
    return ok ? 0 : 4;
}
