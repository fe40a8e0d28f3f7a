// tick_cost MODE TICKS: loads the main window over the fake, starts clicking
// in MODE (0..3) and calls OnTimerTick TICKS times with the fake's call log
// off. Run it under callgrind with --toggle-collect on OnTimerTick to count
// the instructions of the ticks alone; it prints how many heap blocks the
// ticks allocated.
#include <cstdio>
#include <cstdlib>

#include "app/clicker_controller.h"
#include "app/control_ids.h"
#include "app/main_window.h"
#include "app/properties.h"
#include "app/startup.h"
#include "fake/fake_os.h"
#include "services/text_heap.h"

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: tick_cost MODE TICKS\n");
        return 2;
    }
    int mode = std::atoi(argv[1]);
    long ticks = std::atol(argv[2]);
    fake::Reset();
    ResetProcessState();
    SetTextHeap(os::GetProcessHeap());
    LoadWindow(kMainWindow);
    os::SetWindowTextA(GetWindowHandle(kMainWindow, kIntervalBox), "10");
    os::SendMessageA(GetWindowHandle(kMainWindow, kModeBox), os::CB_SETCURSEL, static_cast<os::WPARAM>(mode), 0);

    fake::SetRecording(false);
    size_t allocs = fake::HeapAllocCalls();
    size_t blocks = fake::LiveHeapBlocks();
    for (long i = 0; i < ticks; ++i)
        OnTimerTick();
    allocs = fake::HeapAllocCalls() - allocs;
    fake::SetRecording(true);

    // A tick that clicked nothing would measure nothing: check one.
    fake::ClearCalls();
    OnTimerTick();
    size_t clicks = fake::CallsNamed({"SetCursorPos"}).size();
    std::printf("mode %d ticks %ld heap_allocs %zu live_blocks_delta %ld clicks_per_tick %zu\n", mode, ticks,
                allocs, static_cast<long>(fake::LiveHeapBlocks()) - static_cast<long>(blocks), clicks);
    return clicks == 1 ? 0 : 1;
}
