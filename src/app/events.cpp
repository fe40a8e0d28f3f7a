#include "app/events.h"

#include "app/fatal_error.h"
#include "app/form.h"
#include "app/bindings.h"

namespace {
int32_t gSuspension = 0;
const Binding* gBindings = nullptr;
size_t gBindingCount = 0;
}  // namespace

void SuspendEvents() { ++gSuspension; }
void ResumeEvents() { --gSuspension; }
int32_t EventSuspension() { return gSuspension; }

void UseBindings(const Binding* table, size_t count)
{
    gBindings = table;
    gBindingCount = count;
}

void UseFormBindings() { UseBindings(kFormBindings, kFormBindingCount); }

void ResetEvents()
{
    gSuspension = 0;
    UseFormBindings();
}

EventOutcome RaiseEvent(ControlId window, ControlId control, int32_t event, EventArgs args)
{
    if (gSuspension > 0)
        return EventOutcome{false};
    if (window != kMainWindow || (control != kMainWindowSelf && !FindControlForm(control)))
        ReportFatalError("迅指收到了一个不存在的控件的事件。");
    if (!gBindings)
        UseFormBindings();
    for (size_t i = 0; i < gBindingCount; ++i) {
        const Binding& b = gBindings[i];
        if (b.control != control || b.event != event)
            continue;
        if (b.handler)
            b.handler();
        else if (b.handler2)
            b.handler2(args.values[0], args.values[1]);
        else if (b.handler3)
            b.handler3(args.values[0], args.values[1], args.values[2]);
        return EventOutcome{true};
    }
    return EventOutcome{false};
}
