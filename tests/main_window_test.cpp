// The main window as LoadWindow builds it: creation order, child ids, styles,
// z-order, visibility, centring, fonts and colours, the events of loading,
// and property access.
#include <cstring>
#include <string>
#include <vector>

#include "app/form.h"
#include "app_fixture.h"
#include "sequence.h"

using fake::Quote;

namespace {

std::vector<std::string> gEvents;

void RecordCreated()
{
    // What holds while Created runs: every control exists, events are live,
    // the window is still hidden.
    gEvents.push_back(std::string("Created visible=") + (fake::Info(MainWindowHandle()).visible ? "1" : "0") +
                      " controls=" + std::to_string(fake::Children(MainWindowHandle()).size()) +
                      " suspended=" + std::to_string(EventSuspension()));
}
void RecordMoved() { gEvents.push_back("Moved"); }
void RecordResized() { gEvents.push_back("Resized"); }
void DestroyOnCreated() { os::DestroyWindow(MainWindowHandle()); }

const Binding kLoadWatch[] = {
    {kMainWindowSelf, kEventCreated, RecordCreated, nullptr, nullptr},
    {kMainWindowSelf, kEventMoved, RecordMoved, nullptr, nullptr},
    {kMainWindowSelf, kEventResized, RecordResized, nullptr, nullptr},
};

const Binding kDestroyingCreate[] = {
    {kMainWindowSelf, kEventCreated, DestroyOnCreated, nullptr, nullptr},
    {kMainWindowSelf, kEventMoved, RecordMoved, nullptr, nullptr},
};

int RunProgramEntry() { return RunProgram(); }

}  // namespace

class MainWindowTest : public AppTest {};

// LoadWindow creates the window, then the controls in reverse list order with
// child ids 100, 110, ... 190.
TEST_F(MainWindowTest, CreatesWindowAndControlsInOrder)
{
    Load();
    const std::string edit = ",0x44010081,";
    EXPECT_SEQUENCE(fake::CallsNamed({"CreateWindowExA"}), {
        "CreateWindowExA(0x0,\"XunzhiMainWindow\"," + Quote("迅指鼠标点击器") + ",0x2ca0000,383,301,257,165,0,0)",
        "CreateWindowExA(0x0,\"COMBOBOX\",null,0x44210043,32,24,73,160,#1,100)",
        "CreateWindowExA(0x20,\"XunzhiTransLabel\"," + Quote("点击方式") + ",0x44000000,37,0,48,24,#1,110)",
        "CreateWindowExA(0x200,\"EDIT\"," + Quote("欢迎使用，迅指鼠标点击器") + edit + "29,56,194,24,#1,120)",
        "CreateWindowExA(0x0,\"BUTTON\"," + Quote("开始点击") + ",0x44012f00,32,86,73,24,#1,130)",
        "CreateWindowExA(0x0,\"XunzhiTimer\",null,0x44000000,8,112,24,24,#1,140)",
        "CreateWindowExA(0x20,\"XunzhiTransLabel\"," + Quote("速度(ms)") + ",0x44000000,153,0,48,24,#1,150)",
        "CreateWindowExA(0x200,\"EDIT\",\"1000\"" + edit + "148,24,54,25,#1,160)",
        "CreateWindowExA(0x20000,\"msctls_updown32\",null,0x44000000,0,0,18,0,#1,164)",
        "CreateWindowExA(0x0,\"BUTTON\"," + Quote("停止点击") + ",0x44012f00,148,86,73,24,#1,170)",
        "CreateWindowExA(0x20,\"XunzhiTransLabel\"," + Quote("澄川软件工作室出品") + ",0x44000000,29,112,194,24,#1,180)",
        "CreateWindowExA(0x0,\"XunzhiLabel\",null,0x44000000,96,8,40,16,#1,190)",
    });
}

// The list order is the z-order: 标签1 on top, 组合框1 at the bottom. Each
// control goes right below its predecessor, without moving or activating.
TEST_F(MainWindowTest, ZOrderFollowsTheList)
{
    Load();
    std::vector<os::HWND> expected;
    for (size_t i = 0; i < kControlCount; ++i)
        expected.push_back(Handle(kControlForms[i].id));
    std::vector<os::HWND> children;
    for (os::HWND child : fake::Children(Main()))
        if (fake::Info(child).id != 164)  // the spin control is not on the form's list
            children.push_back(child);
    EXPECT_EQ(children, expected);
    std::vector<std::string> calls = fake::CallsNamed({"SetWindowPos"});
    ASSERT_EQ(calls.size(), kControlCount);
    EXPECT_EQ(calls[0], "SetWindowPos(#12,0,0,0,0,0,0x13)");
    EXPECT_EQ(calls[1], "SetWindowPos(#11,#12,0,0,0,0,0x13)");
    EXPECT_EQ(calls[9], "SetWindowPos(#2,#3,0,0,0,0,0x13)");
}

TEST_F(MainWindowTest, ShowsEveryControlButTheTimerAndTheHotkeyLabel)
{
    Load();
    struct Row {
        ControlId control;
        bool visible;
    } const rows[] = {
        {kHotkeyLabel, false}, {kCreditsLabel, true},    {kStopButton, true},  {kIntervalBox, true},
        {kIntervalCaption, true}, {kClickTimer, false},  {kStartButton, true}, {kStatusLine, true},
        {kModeCaption, true},  {kModeBox, true},
    };
    for (const Row& row : rows)
        EXPECT_EQ(fake::Info(Handle(row.control)).visible, row.visible) << std::hex << row.control;
    // Shown without activation, in creation order.
    // The interval box shows its spin control (#9) with itself.
    EXPECT_SEQUENCE(fake::CallsNamed({"ShowWindow"}),
                    {"ShowWindow(#2,8)", "ShowWindow(#3,8)", "ShowWindow(#4,8)", "ShowWindow(#5,8)",
                     "ShowWindow(#6,0)", "ShowWindow(#7,8)", "ShowWindow(#8,8)", "ShowWindow(#9,8)",
                     "ShowWindow(#10,8)", "ShowWindow(#11,8)", "ShowWindow(#12,0)", "ShowWindow(#1,5)"});
    EXPECT_TRUE(fake::Info(Main()).visible);
}

// Centred on the primary screen, each half rounded toward zero; the outer
// size is always 257 by 165.
TEST_F(MainWindowTest, CentresOnTheScreen)
{
    struct Row {
        int width, height, x, y;
    } const rows[] = {
        {1024, 768, 383, 301},
        {800, 600, 271, 217},
        {1920, 1080, 831, 457},
        {1025, 769, 384, 302},
        {200, 100, -28, -32},  // smaller than the window
    };
    for (const Row& row : rows) {
        fake::Reset();
        ResetProcessState();
        fake::SetScreenSize(row.width, row.height);
        Load();
        os::RECT r = fake::Info(Main()).rect;
        EXPECT_EQ(r.left, row.x) << row.width << "x" << row.height;
        EXPECT_EQ(r.top, row.y) << row.width << "x" << row.height;
        EXPECT_EQ(r.right - r.left, 257);
        EXPECT_EQ(r.bottom - r.top, 165);
    }
}

TEST_F(MainWindowTest, WindowHasFixedFrameIconAndDefaultFont)
{
    Load();
    fake::WindowInfo w = fake::Info(Main());
    EXPECT_EQ(w.style & os::WS_THICKFRAME, 0u);
    EXPECT_EQ(w.style & os::WS_MAXIMIZEBOX, 0u);
    EXPECT_EQ(w.exStyle, 0u);
    EXPECT_EQ(w.parent, nullptr);
    ASSERT_NE(w.bigIcon, nullptr);
    EXPECT_EQ(w.bigIcon, w.smallIcon);
    EXPECT_SEQUENCE(fake::CallsNamed({"LoadImageA", "RegisterClassA"}), {
        "RegisterClassA(0xb,\"XunzhiMainWindow\",cursor#32512,stock#5,0)",
        "RegisterClassA(0xb,\"XunzhiTransLabel\",cursor#32512,stock#5,0)",
        "RegisterClassA(0x0,\"XunzhiLabel\",cursor#32512,stock#5,0)",
        "RegisterClassA(0x8,\"XunzhiTimer\",cursor#32512,stock#5,0)",
        "LoadImageA(0x400000,1,1,32,32,0x0)",
    });
}

// Each font is made from the stored face, height and weight with the fixed
// character set, precisions, quality and pitch.
TEST_F(MainWindowTest, ControlsGetTheirStoredFonts)
{
    Load();
    const std::string bold = "CreateFontIndirectA(-12,0,700,000,1,0,0,2,0," + Quote("微软雅黑") + ")";
    const std::string regular = "CreateFontIndirectA(-12,0,400,000,1,0,0,2,0," + Quote("微软雅黑") + ")";
    // Mode box, status line, start button, interval box, stop button: the
    // labels make theirs per paint, later.
    EXPECT_SEQUENCE(fake::CallsNamed({"CreateFontIndirectA"}), {bold, regular, bold, bold, bold});
    for (ControlId id : {kModeBox, kStatusLine, kStartButton, kIntervalBox, kStopButton})
        EXPECT_NE(fake::Info(Handle(id)).font, nullptr) << std::hex << id;
}

TEST_F(MainWindowTest, FontThatCannotBeMadeFallsBackToDefaultGuiFont)
{
    fake::FailCall("CreateFontIndirectA", 1);  // the status line's
    Load();
    EXPECT_EQ(fake::Info(Handle(kStatusLine)).font, os::GetStockObject(os::DEFAULT_GUI_FONT));
    EXPECT_NE(fake::Info(Handle(kModeBox)).font, os::GetStockObject(os::DEFAULT_GUI_FONT));
}

TEST_F(MainWindowTest, EditBoxesAndModeBoxAsStored)
{
    Load();
    fake::WindowInfo interval = fake::Info(Handle(kIntervalBox));
    EXPECT_EQ(interval.text, "1000");
    EXPECT_EQ(interval.limit, 5);
    EXPECT_EQ(interval.selStart, 0);
    EXPECT_EQ(interval.selEnd, 0);
    fake::WindowInfo status = fake::Info(Handle(kStatusLine));
    EXPECT_EQ(status.text, "欢迎使用，迅指鼠标点击器");
    EXPECT_EQ(status.limit, 0x7FFFFFFE);  // no limit

    fake::WindowInfo mode = fake::Info(Handle(kModeBox));
    EXPECT_EQ(mode.items, (std::vector<std::string>{"左键单击", "左键双击", "右键单击", "右键双击"}));
    EXPECT_EQ(mode.curSel, 0);
    EXPECT_EQ(mode.itemHeight, 17);  // the fake's 16, plus 1
}

// Coloured controls answer WM_CTLCOLOREDIT with their text colour and a white
// background; the window paints its own background in the button face colour.
TEST_F(MainWindowTest, ControlColours)
{
    Load();
    struct Row {
        ControlId control;
        const char* textColor;
    } const rows[] = {{kIntervalBox, "0xff8800"}, {kStatusLine, "0x80e000"}, {kModeBox, "0xff8800"}};
    for (const Row& row : rows) {
        fake::ClearCalls();
        os::LRESULT brush = os::SendMessageA(Main(), os::WM_CTLCOLOREDIT, 0x50000077,
                                             reinterpret_cast<os::LPARAM>(Handle(row.control)));
        EXPECT_NE(brush, 0);
        EXPECT_SEQUENCE(fake::CallsNamed({"SetTextColor", "SetBkColor"}),
                        {std::string("SetTextColor(hdc#119,") + row.textColor + ")", "SetBkColor(hdc#119,0xffffff)"});
    }
    // A button is not coloured: the default answer.
    fake::ClearCalls();
    os::SendMessageA(Main(), os::WM_CTLCOLOREDIT, 0, reinterpret_cast<os::LPARAM>(Handle(kStartButton)));
    EXPECT_TRUE(fake::CallsNamed({"SetTextColor"}).empty());
}

// Created runs after every control exists with events live but the window
// still hidden; then Moved and Resized.
TEST_F(MainWindowTest, RaisesCreatedMovedResizedBeforeShowing)
{
    gEvents.clear();
    UseBindings(kLoadWatch, 3);
    Load();
    EXPECT_SEQUENCE(gEvents, {"Created visible=0 controls=11 suspended=0", "Moved", "Resized"});  // ten and the spin control
    EXPECT_EQ(EventSuspension(), 0);
}

// A creation handler that destroys the window ends the load: no Moved, no
// show, and the message loop returns at once.
TEST_F(MainWindowTest, WindowDestroyedByCreatedEndsTheLoad)
{
    gEvents.clear();
    UseBindings(kDestroyingCreate, 2);
    Load();
    EXPECT_TRUE(gEvents.empty());
    EXPECT_EQ(MainWindowHandle(), nullptr);
    for (const std::string& call : fake::CallsNamed({"ShowWindow"}))
        EXPECT_NE(call, "ShowWindow(#1,5)");
    RunMessageLoop();
    EXPECT_FALSE(fake::RanDry());
}

TEST_F(MainWindowTest, FocusStartsOnTheModeBox)
{
    Load();
    EXPECT_EQ(fake::ActiveWindow(), Main());
    EXPECT_EQ(fake::Focus(), Handle(kModeBox));
}

// Property reads and writes as the application makes them.
TEST_F(MainWindowTest, PropertiesRightAfterLoading)
{
    Load();
    PropertyValue interval = ReadProperty(kMainWindow, kIntervalBox, kPropContent, kWholeValue);
    ASSERT_NE(interval.text, nullptr);
    EXPECT_STREQ(interval.text, "1000");
    FreeText(interval.text);
    EXPECT_EQ(ReadProperty(kMainWindow, kModeBox, kPropSelection, kWholeValue).number, 0);
    EXPECT_EQ(ReadProperty(kMainWindow, kClickTimer, kPropPeriod, kWholeValue).number, 0);
    EXPECT_EQ(fake::LiveHeapBlocks(), 8u);  // the timer's and the interval box's own state, six controls in the flat look
}

TEST_F(MainWindowTest, EmptyTextReadsAsAbsentWithoutAllocating)
{
    Load();
    os::SetWindowTextA(Handle(kIntervalBox), "");
    size_t before = fake::LiveHeapBlocks();
    fake::ClearCalls();
    PropertyValue v = ReadProperty(kMainWindow, kIntervalBox, kPropContent, kWholeValue);
    EXPECT_EQ(v.text, nullptr);
    EXPECT_TRUE(fake::CallsNamed({"HeapAlloc"}).empty());
    EXPECT_EQ(fake::LiveHeapBlocks(), before);
}

TEST_F(MainWindowTest, WritesAreCopiesAndAbsentWritesEmpty)
{
    Load();
    char* text = CopyText("正在以1秒1次的速度左键单击");
    WriteProperty(kMainWindow, kStatusLine, kPropContent, kWholeValue, TextValue(text), 0);
    FreeText(text);  // the control keeps its own copy
    EXPECT_EQ(fake::Info(Handle(kStatusLine)).text, "正在以1秒1次的速度左键单击");
    WriteProperty(kMainWindow, kStatusLine, kPropContent, kWholeValue, TextValue(nullptr), 0);
    EXPECT_EQ(fake::Info(Handle(kStatusLine)).text, "");
    EXPECT_EQ(ReadProperty(kMainWindow, kStatusLine, kPropContent, kWholeValue).text, nullptr);
}

TEST_F(MainWindowTest, HandlesOfTheWindowAndTheHiddenLabel)
{
    Load();
    EXPECT_EQ(GetWindowHandle(kMainWindow, kMainWindowSelf), Main());
    os::HWND label = GetWindowHandle(kMainWindow, kHotkeyLabel);
    ASSERT_NE(label, nullptr);
    EXPECT_TRUE(fake::Alive(label));
    EXPECT_FALSE(fake::Info(label).visible);
    // The interval box's handle is the edit box itself.
    EXPECT_EQ(fake::Info(GetWindowHandle(kMainWindow, kIntervalBox)).className, "EDIT");
}

// Closing: the window and every control are destroyed and the process ends
// with 0, holding nothing.
TEST_F(MainWindowTest, WholeSessionEndsCleanly)
{
    fake::Script([] { fake::PressKey(os::VK_ESCAPE); });
    EXPECT_EQ(fake::RunProcess(RunProgramEntry), 0u);
    EXPECT_FALSE(fake::RanDry());
    EXPECT_EQ(fake::LiveWindows(), 0u);
    EXPECT_EQ(fake::LiveHeapBlocks(), 0u);
    EXPECT_EQ(fake::LiveGdiObjects(), 0u);
    EXPECT_EQ(fake::LiveIcons(), 0u);
    EXPECT_EQ(fake::LiveHooks(), 0u);
    EXPECT_EQ(fake::LiveDcs(), 0u);
    EXPECT_EQ(fake::OleInitCount(), 0);
    EXPECT_FALSE(fake::HeapMisuse());
    EXPECT_SEQUENCE(fake::CallsNamed({"PostQuitMessage", "OleUninitialize", "ExitProcess"}),
                    {"PostQuitMessage(0)", "OleUninitialize()"});
}
