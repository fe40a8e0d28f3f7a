#include "app/hotkey_service.h"

#include "app/label.h"

namespace {

constexpr uint32_t kHotkeyIdBase = 33000;

struct HotkeyService {
    os::WNDPROC previous;  // the procedure every message goes on to
    os::HWND target;       // the one label all notifications go to
    uint32_t attempts;
    uint32_t lastId;       // 0 before the first attempt
};

HotkeyService gService;

os::UINT ModifierFlags(int32_t code)
{
    switch (code) {
    case 0: return 0;
    case 1: return os::MOD_CONTROL;
    case 2: return os::MOD_SHIFT;
    case 3: return os::MOD_CONTROL | os::MOD_SHIFT;
    case 4: return os::MOD_ALT;
    case 5: return os::MOD_CONTROL | os::MOD_ALT;
    case 6: return os::MOD_SHIFT | os::MOD_ALT;
    default: return static_cast<os::UINT>(code);
    }
}

}  // namespace

int32_t RegisterGlobalHotkey(os::HWND window, os::HWND target, int32_t modifiers, os::UINT key)
{
    gService.target = target;
    os::UINT flags = ModifierFlags(modifiers);
    if (!gService.previous)
        gService.previous = reinterpret_cast<os::WNDPROC>(
            os::SetWindowLongA(window, os::GWL_WNDPROC, reinterpret_cast<os::LONG_PTR>(HotkeyWindowProc)));
    ++gService.attempts;
    uint32_t id = kHotkeyIdBase + gService.attempts;
    gService.lastId = id;
    return os::RegisterHotKey(window, static_cast<int>(id), flags, key) ? static_cast<int32_t>(id) : 0;
}

os::LRESULT OSCALL HotkeyWindowProc(os::HWND hwnd, os::UINT msg, os::WPARAM wParam, os::LPARAM lParam)
{
    if (msg == os::WM_HOTKEY && wParam >= kFirstHotkeyId && wParam <= gService.lastId)
        os::SendMessageA(gService.target, kFeedbackMessage, wParam, 0);
    return os::CallWindowProcA(gService.previous, hwnd, msg, wParam, lParam);
}

void ResetHotkeyService() { gService = HotkeyService{}; }
