#include "app/window_created.h"

#include "app/clicker_controller.h"
#include "app/control_ids.h"
#include "app/hotkey_repeat.h"
#include "app/hotkey_service.h"
#include "app/properties.h"
#include "app/visual_style.h"

int32_t StartHotkeyId = 0;
int32_t StopHotkeyId = 0;

namespace {
constexpr int32_t kNoModifiers = 0;
constexpr int32_t kSilver = 3;
}

void OnWindowCreated()
{
    SetVisualStyle(kSilver);
    StartHotkeyId = RegisterGlobalHotkey(GetWindowHandle(kMainWindow, kMainWindowSelf),
                                         GetWindowHandle(kMainWindow, kHotkeyLabel), kNoModifiers, os::VK_F10);
    StopHotkeyId = RegisterGlobalHotkey(GetWindowHandle(kMainWindow, kMainWindowSelf),
                                        GetWindowHandle(kMainWindow, kHotkeyLabel), kNoModifiers, os::VK_F11);
}

// The two tests are separate on purpose: equal ids (both 0) never arrive.
// F10 held down starts once; its repeats would each stack one more box.
void OnHotkeyFeedback(int32_t first, int32_t)
{
    if (first == StartHotkeyId && FreshHotkeyPress(GetWindowHandle(kMainWindow, kMainWindowSelf), os::VK_F10))
        OnStartClicked();
    if (first == StopHotkeyId)
        OnStopClicked();
}

void ResetWindowCreated()
{
    StartHotkeyId = 0;
    StopHotkeyId = 0;
    ResetHotkeyService();
    ResetHotkeyRepeat();
}
