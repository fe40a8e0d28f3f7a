// Events: controls report what happens to them as (window, control, event
// number); RaiseEvent looks the pair up in the window's binding table and
// calls the bound handler at once.
#pragma once

#include <cstddef>
#include <cstdint>

#include "app/control_ids.h"

// One row of a binding table: an event of a control and its handler. Exactly
// one of the three handler fields is set, by the arguments the event carries.
struct Binding {
    ControlId control;
    int32_t event;
    void (*handler)();                                  // no arguments
    void (*handler2)(int32_t, int32_t);                 // Feedback: wParam, lParam
    void (*handler3)(int32_t, int32_t, int32_t);        // mouse events: x, y, keys
};

struct EventArgs {
    int32_t values[3];
};

// What raising an event did. No handler of this program returns a value, so a
// handler that ran never holds a message back.
struct EventOutcome {
    bool handled;
};

// Raises an event of the main window or one of its controls. Nothing runs
// while raising is suspended; an event of a window or control that does not
// exist is fatal.
EventOutcome RaiseEvent(ControlId window, ControlId control, int32_t event, EventArgs args = {});

// The process-wide suspension counter: raising is off while it is above 0.
void SuspendEvents();
void ResumeEvents();
int32_t EventSuspension();

// The table RaiseEvent consults: the form's own unless another was put in
// place (tests use this to watch events).
void UseBindings(const Binding* table, size_t count);
void UseFormBindings();

// Start values: no suspension, the form's bindings.
void ResetEvents();
