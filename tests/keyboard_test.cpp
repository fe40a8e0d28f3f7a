// The window's keyboard handling and focus: the tab order both ways with
// wrap-around, Esc and Alt+F4, and the focus coming back on activation.
#include <vector>

#include "app_fixture.h"

namespace {

struct KeyboardTest : AppTest {
    void SetUp() override
    {
        AppTest::SetUp();
        Load();
    }

    // Presses a key with the given modifiers held, through the program's loop.
    void Press(int key, std::vector<int> held = {})
    {
        for (int k : held)
            fake::SetKeyDown(k, true);
        fake::PressKey(key);
        Pump();
        for (int k : held)
            fake::SetKeyDown(k, false);
    }

    ControlId Focused()
    {
        for (ControlId id : {kModeBox, kStatusLine, kStartButton, kIntervalBox, kStopButton, kModeCaption,
                             kIntervalCaption, kCreditsLabel, kClickTimer, kHotkeyLabel})
            if (fake::Focus() == Handle(id))
                return id;
        return 0;
    }
};

}  // namespace

TEST_F(KeyboardTest, TabVisitsTheTabStopsAndWraps)
{
    const ControlId order[] = {kStatusLine, kStartButton, kIntervalBox, kStopButton, kModeBox, kStatusLine};
    for (ControlId expected : order) {
        Press(os::VK_TAB);
        EXPECT_EQ(Focused(), expected);
    }
}

TEST_F(KeyboardTest, ShiftTabRunsTheOtherWay)
{
    const ControlId order[] = {kStopButton, kIntervalBox, kStartButton, kStatusLine, kModeBox, kStopButton};
    for (ControlId expected : order) {
        Press(os::VK_TAB, {os::VK_SHIFT});
        EXPECT_EQ(Focused(), expected);
    }
}

TEST_F(KeyboardTest, TabSkipsHiddenAndDisabledControls)
{
    os::ShowWindow(Handle(kStartButton), os::SW_HIDE);
    os::EnableWindow(Handle(kIntervalBox), 0);
    Press(os::VK_TAB);
    EXPECT_EQ(Focused(), kStatusLine);
    Press(os::VK_TAB);
    EXPECT_EQ(Focused(), kStopButton);
}

// Tab is the window's: the control never sees the key.
TEST_F(KeyboardTest, TabGoesNoFurther)
{
    fake::ClearCalls();
    Press(os::VK_TAB);
    for (const std::string& call : fake::CallsNamed({"DispatchMessageA"}))
        EXPECT_NE(call, "DispatchMessageA(#2,0x100)");
}

TEST_F(KeyboardTest, EscClosesTheWindow)
{
    Press(os::VK_ESCAPE);
    EXPECT_EQ(MainWindowHandle(), nullptr);
    EXPECT_EQ(fake::LiveWindows(), 0u);
    EXPECT_FALSE(fake::RanDry());  // the loop ended by the quit message
}

TEST_F(KeyboardTest, EscWithModifiersDoesNotClose)
{
    for (int modifier : {os::VK_CONTROL, os::VK_SHIFT}) {
        Press(os::VK_ESCAPE, {modifier});
        EXPECT_NE(MainWindowHandle(), nullptr) << modifier;
    }
    Press(os::VK_ESCAPE, {os::VK_MENU});
    EXPECT_NE(MainWindowHandle(), nullptr);
}

TEST_F(KeyboardTest, AltF4AndTheCloseCommandClose)
{
    Press(os::VK_F4, {os::VK_MENU});
    EXPECT_EQ(MainWindowHandle(), nullptr);

    fake::Reset();
    ResetProcessState();
    Load();
    os::PostMessageA(Main(), os::WM_SYSCOMMAND, os::SC_CLOSE, 0);
    Pump();
    EXPECT_EQ(MainWindowHandle(), nullptr);
}

// Enter clicks nothing: no button of the form is a default button.
TEST_F(KeyboardTest, EnterReachesTheFocusedControl)
{
    Press(os::VK_TAB);
    Press(os::VK_TAB);  // the start button
    fake::ClearCalls();
    Press(os::VK_RETURN);
    EXPECT_EQ(Focused(), kStartButton);
    std::vector<std::string> dispatched = fake::CallsNamed({"DispatchMessageA"});
    EXPECT_EQ(dispatched.front(), "DispatchMessageA(#5,0x100)");
}

TEST_F(KeyboardTest, FocusComesBackAfterAnotherProgramWasActive)
{
    Press(os::VK_TAB);
    Press(os::VK_TAB);
    Press(os::VK_TAB);
    ASSERT_EQ(Focused(), kIntervalBox);
    fake::ActivateOther();
    EXPECT_EQ(fake::Focus(), nullptr);
    fake::ActivateWindow(Main());
    EXPECT_EQ(Focused(), kIntervalBox);
}

TEST_F(KeyboardTest, FocusGoesToTheFirstTabStopWhenTheSavedControlIsGone)
{
    Press(os::VK_TAB);
    ASSERT_EQ(Focused(), kStatusLine);
    fake::ActivateOther();
    os::DestroyWindow(Handle(kStatusLine));
    fake::ActivateWindow(Main());
    EXPECT_EQ(Focused(), kModeBox);
}

// While a box of the program is open the window is disabled: the box takes
// the focus, and it comes back to the control when the box closes.
TEST_F(KeyboardTest, FocusComesBackAfterAMessageBox)
{
    Press(os::VK_TAB);
    Press(os::VK_TAB);
    ASSERT_EQ(Focused(), kStartButton);
    fake::Script([] { fake::AnswerBox(os::IDOK); });
    os::MessageBoxA(nullptr, "x", "y", os::MB_TASKMODAL);
    EXPECT_EQ(Focused(), kStartButton);
}
