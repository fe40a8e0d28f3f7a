// The life of the process: start-up, the folder it runs in, the message loop
// and the input events it raises, shutdown, and the fatal paths.
#include <string>
#include <vector>

#include "app/fatal_error.h"
#include "app/label.h"
#include "app_fixture.h"
#include "sequence.h"

using fake::Quote;

namespace {

int RunProgramEntry() { return RunProgram(); }

std::vector<std::string> gEvents;
void RecordCreditsDown(int32_t x, int32_t y, int32_t keys)
{
    gEvents.push_back("down " + std::to_string(x) + "," + std::to_string(y) + " keys " + std::to_string(keys));
}
void RecordCreditsUp(int32_t, int32_t, int32_t) { gEvents.push_back("up"); }
void RecordCreditsDouble(int32_t, int32_t, int32_t) { gEvents.push_back("double"); }
void RecordFeedback(int32_t first, int32_t second)
{
    gEvents.push_back("feedback " + std::to_string(first) + "," + std::to_string(second));
}
void RecordClosing() { gEvents.push_back("close query"); }
void RecordDestroyed() { gEvents.push_back("destroyed"); }
void ReadUnknownControl() { ReadProperty(kMainWindow, 0x16019999, kPropContent, kWholeValue); }

const Binding kWatch[] = {
    {kCreditsLabel, kEventLeftButtonDown, nullptr, nullptr, RecordCreditsDown},
    {kCreditsLabel, kEventLeftButtonUp, nullptr, nullptr, RecordCreditsUp},
    {kCreditsLabel, kEventDoubleClicked, nullptr, nullptr, RecordCreditsDouble},
    {kHotkeyLabel, kEventFeedback, nullptr, RecordFeedback, nullptr},
    {kMainWindowSelf, kEventCloseQuery, RecordClosing, nullptr, nullptr},
    {kMainWindowSelf, kEventDestroyed, RecordDestroyed, nullptr, nullptr},
};

const Binding kFatalInCreated[] = {
    {kMainWindowSelf, kEventCreated, ReadUnknownControl, nullptr, nullptr},
};

const std::string kFatalBox = "MessageBoxA(0,";
const std::string kCaption = Quote("迅指鼠标点击器");

}  // namespace

struct StartupTest : AppTest {
    // The fatal paths end the same way: one error box without owner, shutdown
    // once, exit code -1, nothing left behind.
    void ExpectFatalEnd(unsigned code)
    {
        EXPECT_EQ(code, 0xFFFFFFFFu);
        std::vector<std::string> boxes = fake::CallsNamed({"MessageBoxA"});
        ASSERT_EQ(boxes.size(), 1u);
        EXPECT_EQ(boxes[0].rfind(kFatalBox, 0), 0u) << boxes[0];
        EXPECT_NE(boxes[0].find("," + kCaption + ",0x2010)"), std::string::npos) << boxes[0];
        EXPECT_SEQUENCE(fake::CallsNamed({"OleUninitialize", "ExitProcess"}), {"OleUninitialize()", "ExitProcess(-1)"});
        EXPECT_EQ(fake::LiveWindows(), 0u);
        EXPECT_EQ(fake::LiveHeapBlocks(), 0u);
        EXPECT_EQ(fake::LiveGdiObjects(), 0u);
        EXPECT_EQ(fake::LiveIcons(), 0u);
        EXPECT_EQ(fake::LiveHooks(), 0u);
    }
};

TEST_F(StartupTest, PreparesTheProcessBeforeLoading)
{
    fake::Script([] { fake::PressKey(os::VK_ESCAPE); });
    fake::RunProcess(RunProgramEntry);
    std::vector<std::string> calls = fake::CallsNamed(
        {"GetProcessHeap", "OleInitialize", "GetModuleFileNameA", "SetCurrentDirectoryA", "CreateWindowExA"});
    ASSERT_GE(calls.size(), 5u);
    EXPECT_EQ(calls[4].rfind("CreateWindowExA(", 0), 0u) << calls[4];
    calls.resize(4);
    EXPECT_SEQUENCE(calls, {"GetProcessHeap()", "OleInitialize(0)", "GetModuleFileNameA(0x0,260)",
                            "SetCurrentDirectoryA(\"C:\\x5CProgram Files\\x5CXunzhi\")"});
}

// The folder of the executable becomes the current directory; paths that
// name no folder leave it alone.
TEST_F(StartupTest, RunsInTheExecutablesFolder)
{
    struct Row {
        const char* module;
        const char* directory;
    } const rows[] = {
        {"D:\\tools\\xunzhi\\xunzhi.exe", "D:\\tools\\xunzhi"},
        {"C:\\xunzhi.exe", "C:\\"},                                 // a drive's root keeps its backslash
        {"\\\\server\\share\\xunzhi.exe", "\\\\server\\share"},
        {"xunzhi.exe", "C:\\users\\tester"},                        // no folder: unchanged
    };
    for (const Row& row : rows) {
        fake::Reset();
        fake::SetModuleFileName(row.module);
        fake::Script([] { fake::PressKey(os::VK_ESCAPE); });
        EXPECT_EQ(fake::RunProcess(RunProgramEntry), 0u);
        EXPECT_EQ(fake::CurrentDirectory(), row.directory) << row.module;
    }
}

TEST_F(StartupTest, UnknownOrTooLongModulePathLeavesTheDirectory)
{
    fake::FailCall("GetModuleFileNameA");
    fake::Script([] { fake::PressKey(os::VK_ESCAPE); });
    EXPECT_EQ(fake::RunProcess(RunProgramEntry), 0u);
    EXPECT_TRUE(fake::CallsNamed({"SetCurrentDirectoryA"}).empty());

    fake::Reset();
    fake::SetModuleFileName("C:\\" + std::string(300, 'a') + "\\xunzhi.exe");
    fake::Script([] { fake::PressKey(os::VK_ESCAPE); });
    EXPECT_EQ(fake::RunProcess(RunProgramEntry), 0u);
    EXPECT_TRUE(fake::CallsNamed({"SetCurrentDirectoryA"}).empty());
}

// The loop waits in GetMessageA alone: one call per message, no polling.
TEST_F(StartupTest, IdleLoopOnlyWaits)
{
    fake::ScriptWait(60000);
    fake::Script([] { fake::PressKey(os::VK_ESCAPE); });
    fake::RunProcess(RunProgramEntry);
    EXPECT_TRUE(fake::CallsNamed({"PeekMessageA"}).empty());
    size_t gets = fake::CallsNamed({"GetMessageA"}).size();
    size_t dispatched = fake::CallsNamed({"DispatchMessageA"}).size();
    EXPECT_EQ(gets, dispatched + 2);  // the Esc key-down is consumed, the last get is the quit
}

TEST_F(StartupTest, CloseRaisesCloseQueryThenDestroyed)
{
    gEvents.clear();
    UseBindings(kWatch, 6);
    Load();
    os::PostMessageA(Main(), os::WM_CLOSE, 0, 0);
    Pump();
    EXPECT_SEQUENCE(gEvents, {"close query", "destroyed"});
    EXPECT_FALSE(fake::RanDry());
}

TEST_F(StartupTest, EndingTheSessionAgreesAndKeepsTheWindow)
{
    gEvents.clear();
    UseBindings(kWatch, 6);
    Load();
    EXPECT_EQ(os::SendMessageA(Main(), os::WM_QUERYENDSESSION, 0, 0), 1);
    EXPECT_SEQUENCE(gEvents, {"close query"});
}

// Input events are raised from the loop before dispatch, with the position
// in the control and the modifier keys.
TEST_F(StartupTest, MouseInputRaisesTheControlsEvents)
{
    gEvents.clear();
    UseBindings(kWatch, 6);
    Load();
    fake::SetKeyDown(os::VK_CONTROL, true);
    fake::SetKeyDown(os::VK_SHIFT, true);
    fake::ClickWindow(Handle(kCreditsLabel));
    Pump();
    fake::SetKeyDown(os::VK_CONTROL, false);
    fake::SetKeyDown(os::VK_SHIFT, false);
    fake::DoubleClickWindow(Handle(kCreditsLabel));
    Pump();
    EXPECT_SEQUENCE(gEvents, {"down 97,12 keys 3", "up", "down 97,12 keys 0", "up", "double", "up"});
}

// The hidden label raises Feedback for every FeedbackMessage, with wParam and
// lParam, and the message returns 0.
TEST_F(StartupTest, HotkeyLabelRaisesFeedback)
{
    gEvents.clear();
    UseBindings(kWatch, 6);
    Load();
    EXPECT_EQ(os::SendMessageA(Handle(kHotkeyLabel), kFeedbackMessage, 33001, 0), 0);
    EXPECT_EQ(os::SendMessageA(Handle(kHotkeyLabel), kFeedbackMessage, 7, 9), 0);
    EXPECT_SEQUENCE(gEvents, {"feedback 33001,0", "feedback 7,9"});
}

TEST_F(StartupTest, EventsOfTheFormWithoutAHandlerDoNothing)
{
    Load();
    EXPECT_FALSE(RaiseEvent(kMainWindow, kMainWindowSelf, kEventCloseQuery).handled);
    EXPECT_FALSE(RaiseEvent(kMainWindow, kCreditsLabel, kEventRightButtonDown).handled);
    EXPECT_FALSE(RaiseEvent(kMainWindow, kModeBox, kEventKeyDown).handled);
    EXPECT_TRUE(RaiseEvent(kMainWindow, kStopButton, kEventClicked).handled);
}

TEST_F(StartupTest, SuspendedEventsRaiseNothing)
{
    gEvents.clear();
    UseBindings(kWatch, 6);
    Load();
    SuspendEvents();
    EXPECT_FALSE(RaiseEvent(kMainWindow, kHotkeyLabel, kEventFeedback).handled);
    ResumeEvents();
    EXPECT_TRUE(RaiseEvent(kMainWindow, kHotkeyLabel, kEventFeedback).handled);
    EXPECT_SEQUENCE(gEvents, {"feedback 0,0"});
}

// ---- fatal paths

TEST_F(StartupTest, MainWindowThatCannotBeCreatedIsFatal)
{
    fake::FailCall("CreateWindowExA");
    ExpectFatalEnd(fake::RunProcess(RunProgramEntry));
    EXPECT_TRUE(fake::CallsNamed({"GetMessageA"}).empty());
}

TEST_F(StartupTest, ControlThatCannotBeCreatedIsFatal)
{
    fake::FailCall("CreateWindowExA", 5);  // the timer, the fifth control
    ExpectFatalEnd(fake::RunProcess(RunProgramEntry));
    EXPECT_TRUE(fake::CallsNamed({"GetMessageA"}).empty());
}

TEST_F(StartupTest, FailedAllocationIsFatal)
{
    fake::FailCall("HeapAlloc");  // the timer's state, the first block
    ExpectFatalEnd(fake::RunProcess(RunProgramEntry));
}

TEST_F(StartupTest, FatalErrorInsideAHandlerEndsTheProcess)
{
    UseBindings(kFatalInCreated, 1);
    ExpectFatalEnd(fake::RunProcess([] {
        ResetEvents();
        UseBindings(kFatalInCreated, 1);
        SetTextHeap(os::GetProcessHeap());
        os::OleInitialize(nullptr);
        LoadWindow(kMainWindow);
        return 0;
    }));
}

// Property access or handle lookups that cannot be served end the process.
TEST_F(StartupTest, AccessToWhatDoesNotExistIsFatal)
{
    struct Row {
        const char* what;
        int (*access)();
    } const rows[] = {
        {"read before loading", [] { ReadProperty(kMainWindow, kIntervalBox, kPropContent, kWholeValue); return 0; }},
        {"handle before loading", [] { GetWindowHandle(kMainWindow, kHotkeyLabel); return 0; }},
        {"unknown window", [] { LoadWindow(kMainWindow); GetWindowHandle(0x52010002, kHotkeyLabel); return 0; }},
        {"unknown control", [] { LoadWindow(kMainWindow); GetWindowHandle(kMainWindow, 0x16010001); return 0; }},
        {"event of unknown control", [] { LoadWindow(kMainWindow); RaiseEvent(kMainWindow, 0x16010001, 0); return 0; }},
        {"loading another window", [] { LoadWindow(0x52010002); return 0; }},
    };
    for (const Row& row : rows) {
        fake::Reset();
        ResetProcessState();
        os::OleInitialize(nullptr);
        unsigned code = fake::RunProcess(row.access);
        SCOPED_TRACE(row.what);
        ExpectFatalEnd(code);
    }
}

// The fatal box runs its own loop; events stay off while it is open.
TEST_F(StartupTest, NoHandlerRunsWhileTheFatalBoxIsOpen)
{
    gEvents.clear();
    UseBindings(kWatch, 6);
    Load();
    os::OleInitialize(nullptr);
    fake::Script([] {
        os::SendMessageA(GetWindowHandle(kMainWindow, kHotkeyLabel), kFeedbackMessage, 33001, 0);
        fake::AnswerBox(os::IDOK);
    });
    fake::RunProcess([]() -> int { ReportFatalError("test"); });
    EXPECT_TRUE(gEvents.empty());
}
