#include "app/bindings.h"

#include "app/clicker_controller.h"
#include "app/credits.h"
#include "app/window_created.h"

// Which handler each bound event of the form calls. Any other event finds no
// row here and has no effect.
const Binding kFormBindings[] = {
    {kMainWindowSelf, kEventCreated, OnWindowCreated, nullptr, nullptr},
    {kStartButton, kEventClicked, OnStartClicked, nullptr, nullptr},
    {kStopButton, kEventClicked, OnStopClicked, nullptr, nullptr},
    {kClickTimer, kEventTick, OnTimerTick, nullptr, nullptr},
    {kHotkeyLabel, kEventFeedback, nullptr, OnHotkeyFeedback, nullptr},
    {kCreditsLabel, kEventLeftButtonDown, nullptr, nullptr, OnCreditsLeftButtonDown},
    {kCreditsLabel, kEventDoubleClicked, nullptr, nullptr, OnCreditsDoubleClicked},
};

const size_t kFormBindingCount = sizeof kFormBindings / sizeof kFormBindings[0];
