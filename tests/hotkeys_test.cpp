// F10 and F11: their registration at window creation, the routing of
// WM_HOTKEY through the hidden label, and the handlers they run.
#include <string>
#include <vector>

#include "app/clicker_controller.h"
#include "app/hotkey_service.h"
#include "app/label.h"
#include "app/window_created.h"
#include "app_fixture.h"
#include "sequence.h"

namespace {

struct HotkeyTest : AppTest {
    static int32_t Period() { return ReadProperty(kMainWindow, kClickTimer, kPropPeriod, kWholeValue).number; }
    static std::vector<std::string> Boxes() { return fake::CallsNamed({"MessageBoxA"}); }
    static void Hotkey(os::UINT key, os::UINT modifiers = 0)
    {
        fake::PressHotkey(modifiers, key);
        Pump();
    }
};

}  // namespace

TEST_F(HotkeyTest, BothKeysFree)
{
    Load();
    EXPECT_EQ(StartHotkeyId, 33001);
    EXPECT_EQ(StopHotkeyId, 33002);
    std::vector<std::string> calls;
    for (const std::string& c : fake::CallsNamed({"RegisterHotKey", "SetWindowLongA"}))
        if (c.find("#1,-4)") != std::string::npos || c.rfind("RegisterHotKey", 0) == 0)
            calls.push_back(c);
    EXPECT_SEQUENCE(calls, {"SetWindowLongA(#1,-4)", "RegisterHotKey(#1,33001,0,0x79)",
                            "RegisterHotKey(#1,33002,0,0x7a)"});
    // Registered while the window is still hidden, with the window's procedure wrapped.
    EXPECT_EQ(fake::Info(Main()).proc, HotkeyWindowProc);
}

TEST_F(HotkeyTest, RefusedF10LeavesF11Working)
{
    fake::HoldHotkey(0, os::VK_F10);
    Load();
    EXPECT_EQ(StartHotkeyId, 0);
    EXPECT_EQ(StopHotkeyId, 33002);
    Hotkey(os::VK_F10);
    EXPECT_TRUE(Boxes().empty());
    OnStartClicked();  // as by the button
    EXPECT_EQ(Period(), 1000);
    Hotkey(os::VK_F11);
    EXPECT_EQ(Period(), 0);
}

// A second copy of the program finds both keys taken: ids 0, nothing shown.
TEST_F(HotkeyTest, SecondCopyGetsNoHotkeys)
{
    fake::HoldHotkey(0, os::VK_F10);
    fake::HoldHotkey(0, os::VK_F11);
    Load();
    EXPECT_EQ(StartHotkeyId, 0);
    EXPECT_EQ(StopHotkeyId, 0);
    EXPECT_TRUE(Boxes().empty());
    // A stray notification with id 0 never reaches the label.
    fake::ClearCalls();
    os::SendMessageA(Main(), os::WM_HOTKEY, 0, 0);
    EXPECT_SEQUENCE(fake::CallsNamed({"SendMessageA", "CallWindowProcA"}),
                    {"SendMessageA(#1,0x312,0,0)", "CallWindowProcA(#1,0x312)"});
}

TEST_F(HotkeyTest, F10StartsAndF11Stops)
{
    Load();
    fake::ActivateOther();  // another program has the focus
    fake::ClearCalls();
    Hotkey(os::VK_F10);
    EXPECT_EQ(Period(), 1000);
    EXPECT_EQ(Boxes().size(), 1u);
    EXPECT_EQ(fake::Info(Handle(kStatusLine)).text, "正在以1秒1次的速度左键单击");
    Hotkey(os::VK_F11);
    EXPECT_EQ(Period(), 0);
    EXPECT_EQ(fake::Info(Handle(kStatusLine)).text, "歇息片刻，效果更佳！");
    // No focus moved on that road.
    EXPECT_EQ(fake::Focus(), nullptr);
}

TEST_F(HotkeyTest, CtrlF10DoesNotStart)
{
    Load();
    Hotkey(os::VK_F10, os::MOD_CONTROL);
    EXPECT_EQ(Period(), 0);
    EXPECT_TRUE(Boxes().empty());
}

// Each press runs the handler inside the open box: two presses, two boxes; a
// stop inside the box stops at once and the box stays.
TEST_F(HotkeyTest, HotkeysInsideTheOpenBox)
{
    Load();
    fake::Script([] { fake::PressHotkey(0, os::VK_F10); });
    fake::Script([] {
        EXPECT_EQ(fake::OpenBoxCount(), 2);
        fake::PressHotkey(0, os::VK_F11);
    });
    fake::Script([] {
        EXPECT_EQ(fake::OpenBoxCount(), 2);
        EXPECT_EQ(ReadProperty(kMainWindow, kClickTimer, kPropPeriod, kWholeValue).number, 0);
        fake::AnswerBox(os::IDOK);
    });
    fake::Script([] { fake::AnswerBox(os::IDOK); });
    Hotkey(os::VK_F10);
    EXPECT_EQ(fake::Boxes().size(), 2u);
    EXPECT_EQ(fake::OpenBoxCount(), 0);
    EXPECT_EQ(fake::PendingScript(), 0u);
}

// WM_HOTKEY with an id outside 33001..last id, and every other message, go
// on to the window's own procedure unchanged and are not forwarded.
TEST_F(HotkeyTest, OtherMessagesPassThrough)
{
    Load();
    struct Row {
        os::WPARAM id;
        bool forwarded;
    } const rows[] = {{33000, false}, {33001, true}, {33002, true}, {33003, false}, {0, false}};
    for (const Row& row : rows) {
        fake::ClearCalls();
        fake::Script([] { fake::AnswerBox(os::IDOK); });
        os::SendMessageA(Main(), os::WM_HOTKEY, row.id, 0x790000);
        std::vector<std::string> calls;
        for (const std::string& c : fake::CallsNamed({"SendMessageA", "CallWindowProcA"}))
            if (c.find("0x312") != std::string::npos || c.find("0x8075") != std::string::npos)
                calls.push_back(c);
        std::vector<std::string> expected{"SendMessageA(#1,0x312," + std::to_string(row.id) + ",7929856)"};
        if (row.forwarded)
            expected.push_back("SendMessageA(#12,0x8075," + std::to_string(row.id) + ",0)");
        expected.push_back("CallWindowProcA(#1,0x312)");
        SCOPED_TRACE(row.id);
        EXPECT_SEQUENCE(calls, expected);
    }
}

TEST_F(HotkeyTest, FeedbackWithAnotherIdDoesNothing)
{
    Load();
    fake::ClearCalls();
    EXPECT_EQ(os::SendMessageA(Handle(kHotkeyLabel), kFeedbackMessage, 12345, 0), 0);
    EXPECT_TRUE(Boxes().empty());
    EXPECT_TRUE(fake::CallsNamed({"SetTimer", "KillTimer", "SetWindowTextA"}).empty());
}

// Ids count up per attempt, refused ones included; the modifier codes
// translate to MOD_ flags, other values pass unchanged.
TEST_F(HotkeyTest, RegistrationIdsAndModifiers)
{
    Load();
    fake::ClearCalls();
    fake::HoldHotkey(os::MOD_ALT, 'A');
    const os::UINT flags[] = {0, 2, 4, 6, 1, 3, 5, 7, 9};
    const int32_t codes[] = {0, 1, 2, 3, 4, 5, 6, 7, 9};
    for (size_t i = 0; i < 9; ++i) {
        int32_t id = RegisterGlobalHotkey(Main(), Handle(kHotkeyLabel), codes[i], 'A');
        EXPECT_EQ(id, codes[i] == 4 ? 0 : static_cast<int32_t>(33003 + i)) << codes[i];
        EXPECT_EQ(fake::CallsNamed({"RegisterHotKey"}).back(),
                  "RegisterHotKey(#1," + std::to_string(33003 + i) + "," + std::to_string(flags[i]) + ",0x41)");
    }
    // The window was subclassed once, at the first registration.
    EXPECT_TRUE(fake::CallsNamed({"SetWindowLongA"}).empty());
}

// Holding F10 repeats the hotkey: it starts once, not once per repeat. A
// second press after the key was released starts again, box upon box.
TEST_F(HotkeyTest, HeldF10StartsOnce)
{
    Load();
    fake::SetKeyDown(os::VK_F10, true);
    for (int repeat = 0; repeat < 20; ++repeat) {
        fake::Script([] { fake::PressHotkey(0, os::VK_F10); });
        fake::ScriptWait(33);  // the keyboard's repeat rate
    }
    fake::Script([] {
        EXPECT_EQ(fake::OpenBoxCount(), 1);
        fake::SetKeyDown(os::VK_F10, false);
    });
    fake::ScriptWait(100);  // the release is seen
    fake::Script([] { fake::PressHotkey(0, os::VK_F10); });
    fake::Script([] {
        EXPECT_EQ(fake::OpenBoxCount(), 2);
        fake::AnswerBox(os::IDOK);
    });
    fake::Script([] { fake::AnswerBox(os::IDOK); });
    fake::ScriptWait(100);
    Hotkey(os::VK_F10);  // the first press, with the key held
    EXPECT_EQ(fake::Boxes().size(), 2u);
    EXPECT_EQ(fake::PendingScript(), 0u);
    // The watch ends with the release: no timer of it is left running.
    for (const fake::Timer& t : fake::Timers())
        EXPECT_NE(t.hwnd, Main());
}

// F11 held down stops again and again, which changes nothing: not guarded.
TEST_F(HotkeyTest, HeldF11KeepsStopping)
{
    Load();
    OnStartClicked();
    fake::SetKeyDown(os::VK_F11, true);
    fake::ClearCalls();
    for (int repeat = 0; repeat < 3; ++repeat)
        Hotkey(os::VK_F11);
    EXPECT_EQ(fake::CallsNamed({"KillTimer"}).size(), 1u);
    EXPECT_EQ(fake::CallsNamed({"SetWindowTextA"}).size(), 3u);
    EXPECT_EQ(Period(), 0);
}
