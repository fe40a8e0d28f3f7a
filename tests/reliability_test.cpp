// Long runs and failures over the fake: many ticks and start/stop cycles
// leave nothing behind, failing system calls leave the program working, and
// closing at awkward moments ends cleanly.
#include <string>
#include <vector>

#include "app/clicker_controller.h"
#include "app/credits.h"
#include "app_fixture.h"
#include "sequence.h"

namespace {

int RunProgramEntry() { return RunProgram(); }

struct ReliabilityTest : AppTest {
    static void SetInterval(const char* text) { os::SetWindowTextA(Handle(kIntervalBox), text); }
    static void SetMode(int mode)
    {
        os::SendMessageA(Handle(kModeBox), os::CB_SETCURSEL, static_cast<os::WPARAM>(mode), 0);
    }
    static int32_t Period() { return ReadProperty(kMainWindow, kClickTimer, kPropPeriod, kWholeValue).number; }
};

}  // namespace

// 100,000 ticks at 10 ms in every mode: one click each, and the heap holds
// exactly what it held before.
TEST_F(ReliabilityTest, HundredThousandTicks)
{
    Load();
    SetInterval("10");
    fake::Script([] { fake::AnswerBox(os::IDOK); });
    OnStartClicked();
    size_t blocks = fake::LiveHeapBlocks();
    size_t objects = fake::LiveGdiObjects();
    size_t clicks = 0;
    for (int chunk = 0; chunk < 100; ++chunk) {
        SetMode(chunk % 4);
        fake::ClearCalls();
        fake::ScriptWait(10000);  // 1,000 ticks
        Pump();
        clicks += fake::CallsNamed({"SetCursorPos"}).size();
        ASSERT_EQ(fake::LiveHeapBlocks(), blocks) << "chunk " << chunk;
    }
    EXPECT_EQ(clicks, 100000u);
    EXPECT_EQ(fake::LiveGdiObjects(), objects);
    EXPECT_FALSE(fake::HeapMisuse());
}

// 10,000 start and stop cycles with odd interval texts in every mode.
TEST_F(ReliabilityTest, TenThousandStartStopCycles)
{
    Load();
    const char* const texts[] = {"1000", "", "0", "-5", "12.5", "1e400", "abc", "99999", "１０", "1,5",
                                 "\xA3", "2147483648", "0.05", " ", "-"};
    size_t blocks = fake::LiveHeapBlocks();
    for (int i = 0; i < 10000; ++i) {
        SetMode(i % 5 - 1);  // -1 too: nothing selected
        SetInterval(texts[i % 15]);
        OnStartClicked();
        OnTimerTick();
        OnStopClicked();
        if (i % 500 == 0)
            fake::ClearCalls();
        ASSERT_EQ(fake::LiveHeapBlocks(), blocks) << "cycle " << i;
    }
    EXPECT_EQ(Period(), 0);
    EXPECT_EQ(fake::OpenBoxCount(), 0);
    EXPECT_FALSE(fake::HeapMisuse());
}

// System calls on the input, timer, hotkey and shell paths that fail are not
// reported; the program goes on.
TEST_F(ReliabilityTest, FailingSystemCallsAreNotFatal)
{
    struct Row {
        const char* operation;
        void (*act)();
    } const rows[] = {
        {"SetTimer", [] { OnStartClicked(); }},
        {"SetCursorPos", [] { OnTimerTick(); }},
        {"GetCursorPos", [] { OnTimerTick(); }},
        {"ShellExecuteA", [] { OpenUrl(kStudioBlogAddress); }},
        {"MessageBoxA", [] { OnStartClicked(); }},
        {"CreateFontIndirectA", [] {
             os::HWND label = GetWindowHandle(kMainWindow, kCreditsLabel);
             os::InvalidateRect(label, nullptr, 0);
             os::UpdateWindow(label);
         }},
    };
    for (const Row& row : rows) {
        fake::Reset();
        ResetProcessState();
        Load();
        fake::FailCall(row.operation, 0, 1000);
        row.act();
        SCOPED_TRACE(row.operation);
        EXPECT_NE(MainWindowHandle(), nullptr);
        EXPECT_TRUE(fake::CallsNamed({"ExitProcess"}).empty());
        EXPECT_EQ(fake::LiveHeapBlocks(), 8u);  // what the window holds (2, and 6 controls in the flat look), nothing more
    }
}

TEST_F(ReliabilityTest, RefusedHotkeysLeaveTheButtons)
{
    fake::FailCall("RegisterHotKey", 0, 2);
    Load();
    fake::PressHotkey(0, os::VK_F10);
    Pump();
    EXPECT_EQ(Period(), 0);
    fake::ClickWindow(Handle(kStartButton));
    Pump();
    EXPECT_EQ(Period(), 1000);
}

// A text that cannot be allocated ends the process through the fatal box,
// once, with -1: here the status line of a start.
TEST_F(ReliabilityTest, FailedTextAllocationIsFatal)
{
    fake::Script([] {
        fake::FailCall("HeapAlloc");
        fake::ClickWindow(GetWindowHandle(kMainWindow, kStartButton));
    });
    EXPECT_EQ(fake::RunProcess(RunProgramEntry), 0xFFFFFFFFu);
    EXPECT_EQ(fake::CallsNamed({"MessageBoxA"}).size(), 1u);
    EXPECT_SEQUENCE(fake::CallsNamed({"OleUninitialize", "ExitProcess"}), {"OleUninitialize()", "ExitProcess(-1)"});
    EXPECT_EQ(fake::LiveWindows(), 0u);
    EXPECT_EQ(fake::LiveHeapBlocks(), 0u);
}

TEST_F(ReliabilityTest, ClosingWhileTicking)
{
    fake::Script([] {
        os::SetWindowTextA(GetWindowHandle(kMainWindow, kIntervalBox), "10");
        OnStartClicked();
    });
    fake::Script([] { fake::AnswerBox(os::IDOK); });
    fake::ScriptWait(500);
    fake::Script([] { fake::PressKey(os::VK_ESCAPE); });
    fake::ScriptWait(500);
    EXPECT_EQ(fake::RunProcess(RunProgramEntry), 0u);
    EXPECT_FALSE(fake::RanDry());
    size_t clicks = fake::CallsNamed({"SetCursorPos"}).size();
    EXPECT_GE(clicks, 49u);
    EXPECT_LE(clicks, 51u);
    EXPECT_TRUE(fake::Timers().empty());
    EXPECT_EQ(fake::LiveHeapBlocks(), 0u);
    EXPECT_EQ(fake::LiveGdiObjects(), 0u);
}

// While the box is open the window cannot be closed by the user; once it is
// closed, the window closes as usual, ticks end with it.
TEST_F(ReliabilityTest, ClosingAfterTheBoxIsClosed)
{
    fake::Script([] { fake::ClickWindow(GetWindowHandle(kMainWindow, kStartButton)); });
    fake::Script([] {
        EXPECT_EQ(fake::OpenBoxCount(), 1);
        fake::ClickWindow(GetWindowHandle(kMainWindow, kMainWindowSelf));  // dropped: the window is disabled
        fake::PressKey(os::VK_ESCAPE);  // goes to the box, not to the window
    });
    fake::ScriptWait(2500);
    fake::Script([] {
        EXPECT_NE(MainWindowHandle(), nullptr);
        fake::AnswerBox(os::IDOK);
    });
    fake::Script([] { fake::PressKey(os::VK_ESCAPE); });
    EXPECT_EQ(fake::RunProcess(RunProgramEntry), 0u);
    EXPECT_EQ(fake::CallsNamed({"SetCursorPos"}).size(), 2u);
    EXPECT_EQ(fake::LiveWindows(), 0u);
    EXPECT_EQ(fake::LiveHeapBlocks(), 0u);
}
