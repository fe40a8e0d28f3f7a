#include "services/periodic_timer.h"

#include "app/events.h"
#include "services/text_heap.h"
#include "services/window_class.h"

namespace {

constexpr char kTimerClass[] = "XunzhiTimer";

struct PeriodicTimer {
    ControlId window;
    ControlId control;
    int32_t period;
    bool running;
    bool adopted;  // its window took it over, and frees it when it goes
    os::HWND hwnd;
};

PeriodicTimer* TimerOf(os::HWND hwnd)
{
    return reinterpret_cast<PeriodicTimer*>(os::GetWindowLongA(hwnd, os::GWL_USERDATA));
}

void Start(PeriodicTimer* timer)
{
    os::SetTimer(timer->hwnd, kTimerId, static_cast<os::UINT>(timer->period), nullptr);
    timer->running = true;
}

os::LRESULT OSCALL TimerProc(os::HWND hwnd, os::UINT msg, os::WPARAM wParam, os::LPARAM lParam)
{
    switch (msg) {
    case os::WM_NCCREATE: {
        auto* timer = static_cast<PeriodicTimer*>(reinterpret_cast<os::CREATESTRUCTA*>(lParam)->lpCreateParams);
        timer->hwnd = hwnd;
        timer->adopted = true;
        os::SetWindowLongA(hwnd, os::GWL_USERDATA, reinterpret_cast<os::LONG_PTR>(timer));
        return os::DefWindowProcA(hwnd, msg, wParam, lParam);
    }
    case os::WM_CREATE:
        if (PeriodicTimer* timer = TimerOf(hwnd); timer && timer->period > 0)
            Start(timer);
        return 0;
    case os::WM_TIMER:
        // The window owns no other timer, so the identifier is not looked at.
        if (PeriodicTimer* timer = TimerOf(hwnd))
            RaiseEvent(timer->window, timer->control, kEventTick);
        return 0;
    case os::WM_DESTROY:
        if (PeriodicTimer* timer = TimerOf(hwnd); timer && timer->running) {
            os::KillTimer(hwnd, kTimerId);
            timer->running = false;
        }
        return 0;
    case os::WM_NCDESTROY:
        if (PeriodicTimer* timer = TimerOf(hwnd)) {
            os::SetWindowLongA(hwnd, os::GWL_USERDATA, 0);
            FreeBlock(timer);
        }
        return 0;
    default:
        return os::DefWindowProcA(hwnd, msg, wParam, lParam);
    }
}

}  // namespace

void RegisterPeriodicTimerClass(os::HINSTANCE instance)
{
    RegisterPlainClass(instance, kTimerClass, os::CS_DBLCLKS, TimerProc);
}

os::HWND CreatePeriodicTimer(os::HWND owner, ControlId window, ControlId control, int x, int y, int width, int height,
                             int childId, int32_t period, os::HINSTANCE instance)
{
    auto* timer = static_cast<PeriodicTimer*>(AllocBlock(sizeof(PeriodicTimer)));
    *timer = PeriodicTimer{window, control, period < 0 ? 0 : period, false, false, nullptr};
    os::HWND hwnd = os::CreateWindowExA(0, kTimerClass, nullptr, os::WS_CHILD | os::WS_CLIPSIBLINGS, x, y, width,
                                        height, owner, static_cast<os::UINT_PTR>(childId), instance, timer);
    if (!hwnd && !timer->adopted)
        FreeBlock(timer);
    return hwnd;
}

void SetPeriod(os::HWND timerWindow, int32_t value)
{
    PeriodicTimer* timer = TimerOf(timerWindow);
    if (!timer)
        return;
    if (value < 0)
        value = 0;
    if (value == timer->period)
        return;  // a running timer keeps its phase
    timer->period = value;
    if (timer->running)
        os::KillTimer(timer->hwnd, kTimerId);
    if (timer->period > 0)
        Start(timer);
    else
        timer->running = false;
}

int32_t GetPeriod(os::HWND timerWindow)
{
    PeriodicTimer* timer = TimerOf(timerWindow);
    return timer ? timer->period : 0;
}
