// The timer control: what a write of Period does to the window timer, when
// ticks arrive on the virtual clock, and its end with the window.
#include <string>
#include <vector>

#include "app/form.h"
#include "app_fixture.h"
#include "sequence.h"
#include "services/periodic_timer.h"

namespace {

std::vector<uint32_t> gTicks;
void RecordTick() { gTicks.push_back(fake::Now()); }
void SlowFirstTick()
{
    gTicks.push_back(fake::Now());
    if (gTicks.size() == 1)
        fake::Elapse(3500);  // busy for three and a half periods
}

const Binding kTickWatch[] = {{kClickTimer, kEventTick, RecordTick, nullptr, nullptr}};
const Binding kSlowTick[] = {{kClickTimer, kEventTick, SlowFirstTick, nullptr, nullptr}};

struct PeriodicTimerTest : AppTest {
    void SetUp() override
    {
        AppTest::SetUp();
        gTicks.clear();
        UseBindings(kTickWatch, 1);
        Load();
        fake::ClearCalls();
    }
    static void Write(int32_t period)
    {
        WriteProperty(kMainWindow, kClickTimer, kPropPeriod, kWholeValue, NumberValue(period), 0);
    }
    static int32_t Period() { return ReadProperty(kMainWindow, kClickTimer, kPropPeriod, kWholeValue).number; }
    static std::vector<std::string> TimerCalls() { return fake::CallsNamed({"SetTimer", "KillTimer"}); }
    static void Run(uint32_t ms)
    {
        fake::ScriptWait(ms);
        Pump();
    }
};

}  // namespace

// The timer window is the hidden child with id 140; the timer starts stopped.
TEST_F(PeriodicTimerTest, StartsStoppedOnItsOwnHiddenWindow)
{
    fake::WindowInfo w = fake::Info(Handle(kClickTimer));
    EXPECT_EQ(w.className, "XunzhiTimer");
    EXPECT_EQ(w.id, 140);
    EXPECT_EQ(w.style, os::WS_CHILD | os::WS_CLIPSIBLINGS);
    EXPECT_EQ(Period(), 0);
    EXPECT_TRUE(fake::Timers().empty());
    Run(5000);
    EXPECT_TRUE(gTicks.empty());
}

TEST_F(PeriodicTimerTest, PeriodWrites)
{
    struct Row {
        const char* what;
        int32_t before;  // -1: stopped, as loaded
        int32_t write;
        int32_t period;
        std::vector<std::string> calls;
    } const rows[] = {
        {"start", -1, 1000, 1000, {"SetTimer(#6,1000,1000,0)"}},
        {"same value", 1000, 1000, 1000, {}},
        {"new value", 1000, 500, 500, {"KillTimer(#6,1000)", "SetTimer(#6,1000,500,0)"}},
        {"negative stops", 1000, -5, 0, {"KillTimer(#6,1000)"}},
        {"zero stops", 1000, 0, 0, {"KillTimer(#6,1000)"}},
        {"zero while stopped", -1, 0, 0, {}},
        {"negative while stopped", -1, -1, 0, {}},
        {"one millisecond", -1, 1, 1, {"SetTimer(#6,1000,1,0)"}},
        {"largest", -1, 2147483647, 2147483647, {"SetTimer(#6,1000,2147483647,0)"}},
    };
    for (const Row& row : rows) {
        fake::Reset();
        ResetProcessState();
        Load();
        if (row.before >= 0)
            Write(row.before);
        fake::ClearCalls();
        Write(row.write);
        SCOPED_TRACE(row.what);
        EXPECT_EQ(Period(), row.period);
        EXPECT_SEQUENCE(TimerCalls(), row.calls);
    }
}

TEST_F(PeriodicTimerTest, TicksEveryPeriod)
{
    Write(1000);
    Run(3500);
    EXPECT_EQ(gTicks, (std::vector<uint32_t>{1000, 2000, 3000}));
}

// Writing the period the timer already has keeps its phase.
TEST_F(PeriodicTimerTest, SamePeriodKeepsThePhase)
{
    Write(1000);
    Run(1700);
    Write(1000);
    Run(1000);
    EXPECT_EQ(gTicks, (std::vector<uint32_t>{1000, 2000}));
}

// A new period restarts the countdown from the write.
TEST_F(PeriodicTimerTest, NewPeriodRestartsFromTheWrite)
{
    Write(1000);
    Run(1700);
    Write(500);
    Run(1100);
    EXPECT_EQ(gTicks, (std::vector<uint32_t>{1000, 2200, 2700}));
}

TEST_F(PeriodicTimerTest, StopEndsTheTicks)
{
    Write(100);
    Run(250);
    Write(0);
    Run(1000);
    EXPECT_EQ(gTicks, (std::vector<uint32_t>{100, 200}));
}

// Expirations that fall due while the thread is busy make one tick; missed
// ones are not made up.
TEST_F(PeriodicTimerTest, BusyThreadMergesExpirations)
{
    UseBindings(kSlowTick, 1);
    Write(1000);
    Run(6000);
    EXPECT_EQ(gTicks, (std::vector<uint32_t>{1000, 4500, 5500}));
}

// A timer that cannot be armed ticks never; the next different write tries
// again.
TEST_F(PeriodicTimerTest, FailedSetTimerIsTriedAgainByTheNextWrite)
{
    fake::FailCall("SetTimer");
    Write(100);
    Run(500);
    EXPECT_TRUE(gTicks.empty());
    Write(200);
    Run(500);
    EXPECT_EQ(gTicks.size(), 2u);
    EXPECT_SEQUENCE(TimerCalls(), {"SetTimer(#6,1000,100,0)", "KillTimer(#6,1000)", "SetTimer(#6,1000,200,0)"});
}

// Closing the window while ticking kills the timer: no tick follows, and the
// timer's state is freed.
TEST_F(PeriodicTimerTest, ClosingTheWindowKillsTheTimer)
{
    Write(100);
    fake::ScriptWait(250);
    fake::Script([] { fake::PressKey(os::VK_ESCAPE); });
    fake::ScriptWait(1000);
    Pump();
    EXPECT_EQ(gTicks, (std::vector<uint32_t>{100, 200}));
    EXPECT_EQ(TimerCalls().back(), "KillTimer(#6,1000)");
    EXPECT_TRUE(fake::Timers().empty());
    EXPECT_EQ(fake::LiveHeapBlocks(), 0u);
}

// A timer created with a period starts when its window is created.
TEST_F(PeriodicTimerTest, StoredPeriodStartsAtCreation)
{
    os::HWND timer = CreatePeriodicTimer(Main(), kMainWindow, kClickTimer, 0, 0, 24, 24, 900, 250, nullptr);
    ASSERT_NE(timer, nullptr);
    EXPECT_SEQUENCE(TimerCalls(), {"SetTimer(" + fake::Name(timer) + ",1000,250,0)"});
    EXPECT_EQ(GetPeriod(timer), 250);
    os::DestroyWindow(timer);
}

TEST_F(PeriodicTimerTest, TimerWindowThatCannotBeCreatedLeavesNothing)
{
    size_t blocks = fake::LiveHeapBlocks();
    fake::FailCall("CreateWindowExA");
    EXPECT_EQ(CreatePeriodicTimer(Main(), kMainWindow, kClickTimer, 0, 0, 24, 24, 900, 250, nullptr), nullptr);
    EXPECT_EQ(fake::LiveHeapBlocks(), blocks);
}
