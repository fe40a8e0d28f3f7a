// The 时钟 kind: an invisible control that raises Tick every Period
// milliseconds while Period is above 0. Each timer owns a hidden child window
// that owns the window timer, so two timers never share an identifier.
#pragma once

#include <cstdint>

#include "app/control_ids.h"
#include "os/win32.h"

constexpr os::UINT_PTR kTimerId = 1000;

void RegisterPeriodicTimerClass(os::HINSTANCE instance);

// Creates the timer and its window as a child of `owner`; Tick is raised as
// (window, control, 0). Null when the window cannot be created.
os::HWND CreatePeriodicTimer(os::HWND owner, ControlId window, ControlId control, int x, int y, int width, int height,
                             int childId, int32_t period, os::HINSTANCE instance);

// A write of Period: negative values count as 0; the same value changes
// nothing; another value restarts the countdown, 0 stops it.
void SetPeriod(os::HWND timerWindow, int32_t value);
int32_t GetPeriod(os::HWND timerWindow);
