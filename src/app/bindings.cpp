#include "app/bindings.h"

#include "app/clicker_controller.h"

// Which handler each bound event of the form calls. Any other event finds no
// row here and has no effect.
const Binding kFormBindings[] = {
    {kStartButton, kEventClicked, OnStartClicked, nullptr, nullptr},
    {kStopButton, kEventClicked, OnStopClicked, nullptr, nullptr},
    {kClickTimer, kEventTick, OnTimerTick, nullptr, nullptr},
};

const size_t kFormBindingCount = sizeof kFormBindings / sizeof kFormBindings[0];
