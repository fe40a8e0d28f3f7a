// The clicker controller over the fake window: the periods and status lines
// a start writes, the boxes it shows, stop, the clicks of every tick, and what
// happens while a box is open.
#include <string>
#include <vector>

#include "app/clicker_controller.h"
#include "app_fixture.h"
#include "sequence.h"

using fake::Quote;

namespace {

const std::string kTitle = Quote("迅指提示：");
const std::string kInfoBox = "MessageBoxA(0," + Quote("热键F10启动点击\r\n热键F11立即停止") + "," + kTitle + ",0x2040)";
const std::string kErrorBox = "MessageBoxA(0," + Quote("请告诉迅指，你想要多快") + "," + kTitle + ",0x2010)";

struct ControllerTest : AppTest {
    void SetUp() override
    {
        AppTest::SetUp();
        Load();
        fake::ClearCalls();
    }

    static void SetInterval(const char* text) { os::SetWindowTextA(Handle(kIntervalBox), text); }
    static void SetMode(int mode) { os::SendMessageA(Handle(kModeBox), os::CB_SETCURSEL, static_cast<os::WPARAM>(mode), 0); }
    static std::string Status() { return fake::Info(Handle(kStatusLine)).text; }
    static int32_t Period() { return ReadProperty(kMainWindow, kClickTimer, kPropPeriod, kWholeValue).number; }
    static std::vector<std::string> Boxes() { return fake::CallsNamed({"MessageBoxA"}); }
    static std::vector<std::string> Clicks() { return fake::CallsNamed({"SetCursorPos", "mouse_event"}); }
    // The timer's and the interval box's state and the six controls in the flat
    // look, held while the window lives.
    static size_t TimerBlocks() { return 8; }
};

}  // namespace

// With mode 0, each interval text gives this period and this seconds text,
// and every one shows the information box.
TEST_F(ControllerTest, StartWritesPeriodAndStatus)
{
    struct Row {
        const char* interval;
        int32_t period;  // as the timer keeps it: negative ones become 0
        const char* seconds;
    } const rows[] = {
        {"1000", 1000, "1"},        {"1500", 1500, "1.5"},        {"50", 50, "0.05"},
        {"333", 333, "0.333"},      {"60000", 60000, "60"},       {"99999", 99999, "99.999"},
        {"0", 0, "0"},              {"-100", 0, "-0.1"},          {"12.5", 12, "0.0125"},
        {"2.9", 2, "0.0029"},       {"0.5", 0, "0.0005"},         {"0.05", 0, "5e-005"},
        {"abc", 0, "0"},            {" ", 0, "0"},                {"1,000", 1, "0.001"},
        {"1e3", 1000, "1"},         {"1e16", 1874919424, "1e+013"}, {"1e400", 0, "1.#INF"},
        {"４２", 42, "0.042"},       {"4294968296", 1000, "4294968.296"},  // 2^32 + 1000 wraps to 1000
        {"2147483648", 0, "2147483.648"},                               // 2^31 is negative in 32 bits
    };
    for (const Row& row : rows) {
        fake::Reset();
        ResetProcessState();
        Load();
        SetInterval(row.interval);
        fake::ClearCalls();
        OnStartClicked();
        SCOPED_TRACE(row.interval);
        EXPECT_EQ(Period(), row.period);
        EXPECT_EQ(Status(), std::string("正在以") + row.seconds + "秒1次的速度左键单击");
        EXPECT_SEQUENCE(Boxes(), {kInfoBox});
        EXPECT_EQ(fake::LiveHeapBlocks(), TimerBlocks());
    }
}

TEST_F(ControllerTest, EachModeHasItsSuffix)
{
    const char* const suffixes[] = {"秒1次的速度左键单击", "秒1次的速度左键双击", "秒1次的速度右键单击",
                                    "秒1次的速度右键双击"};
    for (int mode = 0; mode < 4; ++mode) {
        SetMode(mode);
        SetInterval("50");
        OnStartClicked();
        EXPECT_EQ(Status(), std::string("正在以0.05") + suffixes[mode]) << mode;
    }
}

// An empty interval shows only the error box; a running clicker keeps its
// period and the status line its text.
TEST_F(ControllerTest, EmptyIntervalShowsTheErrorBoxOnly)
{
    SetInterval("250");
    OnStartClicked();
    std::string status = Status();
    fake::ClearCalls();
    SetInterval("");
    OnStartClicked();
    EXPECT_SEQUENCE(Boxes(), {kErrorBox});
    EXPECT_EQ(Period(), 250);
    EXPECT_EQ(Status(), status);
    EXPECT_TRUE(fake::CallsNamed({"KillTimer", "SetTimer"}).empty());
    EXPECT_EQ(fake::LiveHeapBlocks(), TimerBlocks());
}

TEST_F(ControllerTest, NothingSelectedStartsNothing)
{
    SetMode(-1);
    OnStartClicked();
    EXPECT_TRUE(Boxes().empty());
    EXPECT_EQ(Period(), 0);
    EXPECT_EQ(Status(), "欢迎使用，迅指鼠标点击器");
}

TEST_F(ControllerTest, StopStopsAndRests)
{
    SetInterval("100");
    OnStartClicked();
    OnStopClicked();
    EXPECT_EQ(Period(), 0);
    EXPECT_EQ(Status(), "歇息片刻，效果更佳！");
}

// With the interval box empty the ticks stop and the status line keeps what
// it said.
TEST_F(ControllerTest, StopWithEmptyIntervalKeepsTheStatus)
{
    OnStartClicked();
    SetInterval("");
    OnStopClicked();
    EXPECT_EQ(Period(), 0);
    EXPECT_EQ(Status(), "正在以1秒1次的速度左键单击");
}

TEST_F(ControllerTest, StopWhileStoppedOnlyRests)
{
    OnStopClicked();
    EXPECT_EQ(Period(), 0);
    EXPECT_TRUE(fake::CallsNamed({"KillTimer", "SetTimer"}).empty());
    EXPECT_EQ(Status(), "歇息片刻，效果更佳！");
}

// The same start twice keeps the rhythm; a different one restarts it.
TEST_F(ControllerTest, RepeatedStarts)
{
    SetInterval("100");
    OnStartClicked();
    OnStartClicked();
    EXPECT_SEQUENCE(fake::CallsNamed({"SetTimer", "KillTimer"}), {"SetTimer(#6,1000,100,0)"});
    EXPECT_EQ(Boxes().size(), 2u);
    SetInterval("200");
    OnStartClicked();
    EXPECT_SEQUENCE(fake::CallsNamed({"SetTimer", "KillTimer"}),
                    {"SetTimer(#6,1000,100,0)", "KillTimer(#6,1000)", "SetTimer(#6,1000,200,0)"});
}

// Every tick clicks once at the cursor in the selected mode, read anew each
// tick: a change of mode shows at the next tick, the status line keeps the old.
TEST_F(ControllerTest, TicksClickAtTheCursorInTheSelectedMode)
{
    SetInterval("100");
    fake::Script([] { fake::AnswerBox(os::IDOK); });
    OnStartClicked();
    fake::ClearCalls();
    fake::SetCursor(300, 200);
    fake::ScriptWait(150);
    fake::Script([] { SetMode(3); });
    fake::ScriptWait(100);
    Pump();
    EXPECT_SEQUENCE(Clicks(), {
        "SetCursorPos(300,200)", "mouse_event(0x2,300,200,0,0)", "mouse_event(0x4,300,200,0,0)",
        "SetCursorPos(300,200)", "mouse_event(0x8,300,200,0,0)", "mouse_event(0x10,300,200,0,0)",
        "mouse_event(0x8,300,200,0,0)", "mouse_event(0x10,300,200,0,0)",
    });
    EXPECT_EQ(Status(), "正在以0.1秒1次的速度左键单击");
}

TEST_F(ControllerTest, TickWithNothingSelectedClicksNothing)
{
    SetMode(-1);
    OnTimerTick();
    EXPECT_TRUE(Clicks().empty());
    EXPECT_TRUE(fake::CallsNamed({"GetCursorPos"}).empty());
}

// A tick reads the selection once per mode and allocates nothing.
TEST_F(ControllerTest, TickCost)
{
    SetMode(2);
    fake::ClearCalls();
    OnTimerTick();
    EXPECT_EQ(fake::CallsNamed({"SendMessageA"}).size(), 4u);
    EXPECT_TRUE(fake::CallsNamed({"HeapAlloc"}).empty());
}

// The information box runs its own loop: clicking starts while it is open,
// a stop inside it stops at once and the box stays open.
TEST_F(ControllerTest, TicksAndStopWhileTheInformationBoxIsOpen)
{
    SetInterval("100");
    fake::ScriptWait(350);
    fake::Script([] {
        EXPECT_EQ(fake::OpenBoxCount(), 1);
        OnStopClicked();
    });
    fake::ScriptWait(500);
    fake::Script([] {
        EXPECT_EQ(fake::OpenBoxCount(), 1);
        fake::AnswerBox(os::IDOK);
    });
    OnStartClicked();
    EXPECT_EQ(fake::CallsNamed({"SetCursorPos"}).size(), 3u);  // at 100, 200 and 300 ms
    EXPECT_EQ(Period(), 0);
    EXPECT_EQ(Status(), "歇息片刻，效果更佳！");
    EXPECT_EQ(fake::LiveHeapBlocks(), TimerBlocks());
}

// A second start inside the open box stacks a second box; when both close,
// the first start finishes its remaining mode steps, which find nothing to do.
TEST_F(ControllerTest, SecondStartInsideTheBoxStacksABox)
{
    fake::Script([] {
        SetMode(1);
        OnStartClicked();
    });
    fake::Script([] {
        EXPECT_EQ(fake::OpenBoxCount(), 2);
        fake::AnswerBox(os::IDOK);
    });
    fake::Script([] { fake::AnswerBox(os::IDOK); });
    fake::Script([] { fake::AnswerBox(os::IDOK); });
    OnStartClicked();
    // The first start's own step for mode 1 runs after its box closed, finds
    // mode 1 selected now, and shows a third box.
    EXPECT_SEQUENCE(Boxes(), {kInfoBox, kInfoBox, kInfoBox});
    EXPECT_EQ(Status(), "正在以1秒1次的速度左键双击");
    EXPECT_EQ(fake::OpenBoxCount(), 0);
    EXPECT_EQ(fake::PendingScript(), 0u);
}

// Through the real paths: a click on the start button, with the box answered
// by the user, then a click on stop; the process ends holding nothing.
TEST_F(ControllerTest, WholeSessionThroughTheButtons)
{
    fake::Reset();
    fake::SetCursor(40, 50);
    fake::Script([] { fake::ClickWindow(GetWindowHandle(kMainWindow, kStartButton)); });
    fake::ScriptWait(2500);
    fake::Script([] { fake::AnswerBox(os::IDOK); });
    fake::Script([] { fake::ClickWindow(GetWindowHandle(kMainWindow, kStopButton)); });
    fake::ScriptWait(3000);
    fake::Script([] { fake::PressKey(os::VK_ESCAPE); });
    EXPECT_EQ(fake::RunProcess([] { return RunProgram(); }), 0u);
    EXPECT_FALSE(fake::RanDry());
    EXPECT_EQ(fake::CallsNamed({"SetCursorPos"}).size(), 2u);  // at 1 s and 2 s, while the box was open
    EXPECT_EQ(fake::LiveHeapBlocks(), 0u);
    EXPECT_EQ(fake::LiveGdiObjects(), 0u);
}
