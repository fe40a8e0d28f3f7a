#include "app/hotkey_repeat.h"

namespace {

constexpr os::UINT_PTR kReleaseWatchTimer = 2;  // the main window's own: its timer control has a window of its own
constexpr os::UINT kReleaseWatchPeriod = 50;    // well below any human's second press

struct HeldKey {
    os::HWND owner;
    int key;  // 0 when none is held
};

HeldKey gHeld;

void OSCALL WatchRelease(os::HWND hwnd, os::UINT, os::UINT_PTR id, os::DWORD)
{
    if (gHeld.key && os::GetAsyncKeyState(gHeld.key) < 0)
        return;
    os::KillTimer(hwnd, id);
    gHeld = HeldKey{};
}

}  // namespace

bool FreshHotkeyPress(os::HWND owner, int key)
{
    // Held since the last notification: a repeat. A key that is up again was
    // released in between, even before the watch has seen it.
    if (gHeld.key == key && os::GetAsyncKeyState(key) < 0)
        return false;
    if (gHeld.key)
        os::KillTimer(gHeld.owner, kReleaseWatchTimer);
    gHeld = HeldKey{owner, key};
    os::SetTimer(owner, kReleaseWatchTimer, kReleaseWatchPeriod, WatchRelease);
    return true;
}

void ResetHotkeyRepeat() { gHeld = HeldKey{}; }
