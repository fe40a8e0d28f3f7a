// The interval box: what typing lets in, the rewrite when the focus leaves,
// the spin control, and what the clicker then finds in the box.
#include <climits>
#include <string>
#include <vector>

#include "app/interval_box.h"
#include "app_fixture.h"
#include "sequence.h"

using fake::Quote;

namespace {

struct IntervalBoxTest : AppTest {
    void SetUp() override
    {
        AppTest::SetUp();
        Load();
    }
    static os::HWND Box() { return Handle(kIntervalBox); }
    static os::HWND Spin() { return SpinOf(Box()); }
    static std::string Text() { return fake::Info(Box()).text; }
    static void Focus() { os::SetFocus(Box()); }
    static void Leave() { os::SetFocus(Handle(kStopButton)); }
    static void Type(const std::string& keys)
    {
        for (char c : keys)
            fake::TypeChar(c);
        Pump();
    }
    static void Spin(int delta)
    {
        fake::ClickSpin(Spin(), delta);
    }
};

}  // namespace

TEST_F(IntervalBoxTest, TypingLetsInDigitsAndMinusOnly)
{
    struct Row {
        std::string typed;
        std::string text;
    } const rows[] = {
        {"12", "12"},
        {"a", ""},
        {".", ""},
        {" ", ""},
        {"\xD6\xD0", ""},  // a Chinese character, two bytes
        {"-3", "-3"},
        {"12\b4", "14"},   // Backspace passes
        {"123456", "12345"},  // a sixth character is refused
        {"9x.9", "99"},
    };
    for (const Row& row : rows) {
        os::SetWindowTextA(Box(), "");
        Focus();
        Type(row.typed);
        EXPECT_EQ(Text(), row.text) << Quote(row.typed.c_str());
    }
}

// Pasted text is not filtered; only the length limit holds.
TEST_F(IntervalBoxTest, PasteKeepsToTheLimitOnly)
{
    os::SetWindowTextA(Box(), "");
    Focus();
    fake::SetClipboardText("12.5abc");
    Type("\x16");
    EXPECT_EQ(Text(), "12.5a");
}

TEST_F(IntervalBoxTest, LeavingTheBoxRewritesItsText)
{
    struct Row {
        const char* before;
        const char* after;
    } const rows[] = {
        {"0", ""},       {"-", ""},       {"-0", ""},    {"00000", ""},  {"007", "7"},
        {"-5", "-5"},    {"12.5", "12"},  {"abc", ""},   {"", ""},       {" 42", "42"},
        {"+7", "7"},     {"1000", "1000"}, {"12-3", "12"},
        {"99999999999999999999", "2147483647"},    // saturates at 64 bits, then 32
        {"-99999999999999999999", "-2147483648"},
        {"2147483648", "2147483647"},
        {"9223372036854775808", "2147483647"},
    };
    for (const Row& row : rows) {
        os::SetWindowTextA(Box(), row.before);
        Focus();
        Leave();
        EXPECT_EQ(Text(), row.after) << Quote(row.before);
    }
}

// An unchanged text is left alone; a rewritten one gets the caret where the
// selection began.
TEST_F(IntervalBoxTest, RewriteKeepsTheCaretAtTheSelectionStart)
{
    Focus();
    fake::ClearCalls();
    Leave();
    EXPECT_TRUE(fake::CallsNamed({"SetWindowTextA"}).empty());

    os::SetWindowTextA(Box(), "00123");
    Focus();
    os::SendMessageA(Box(), os::EM_SETSEL, 2, 4);
    Leave();
    EXPECT_EQ(Text(), "123");
    EXPECT_EQ(fake::Info(Box()).selStart, 2);
    EXPECT_EQ(fake::Info(Box()).selEnd, 2);
}

// The status line is free text: never rewritten.
TEST_F(IntervalBoxTest, StatusLineStaysAsTyped)
{
    os::SetWindowTextA(Handle(kStatusLine), "007 abc");
    os::SetFocus(Handle(kStatusLine));
    Leave();
    EXPECT_EQ(fake::Info(Handle(kStatusLine)).text, "007 abc");
}

TEST_F(IntervalBoxTest, SpinSteps)
{
    struct Row {
        const char* before;
        int delta;
        const char* after;
    } const rows[] = {
        {"1000", 1, "1001"}, {"", -1, "10000"},  {"0", -1, "10000"},    {"10000", 1, "0"},
        {"99999", -1, "10000"}, {"5", -1, "4"},  {"-5", 1, "0"},        {"9999", 1, "10000"},
        {"1", -1, "0"},      {"abc", 1, "1"},    {"99999999999999999999", 1, "0"},
    };
    for (const Row& row : rows) {
        os::SetWindowTextA(Box(), row.before);
        Leave();  // the rewrite of the text set above does not matter: set it again
        os::SetWindowTextA(Box(), row.before);
        Spin(row.delta);
        SCOPED_TRACE(row.before);
        EXPECT_EQ(Text(), row.after);
        EXPECT_EQ(fake::Focus(), Box());
        EXPECT_EQ(fake::Info(Box()).selStart, 0);
        EXPECT_EQ(fake::Info(Box()).selEnd, static_cast<int>(Text().size()));
    }
}

// The spin control: id 164, 18 wide, right of the box at its top, range
// 0..10000; it follows the box when it moves, hides, shows and is disabled.
TEST_F(IntervalBoxTest, SpinGoesWithTheBox)
{
    fake::WindowInfo spin = fake::Info(Spin());
    EXPECT_EQ(spin.className, "msctls_updown32");
    EXPECT_EQ(spin.id, 164);
    EXPECT_EQ(spin.exStyle, os::WS_EX_STATICEDGE);
    EXPECT_EQ(spin.style & ~os::WS_VISIBLE, os::WS_CHILD | os::WS_CLIPSIBLINGS);
    EXPECT_EQ(spin.rect.left, 202);
    EXPECT_EQ(spin.rect.top, 24);
    EXPECT_EQ(spin.rect.right - spin.rect.left, 18);
    EXPECT_EQ(spin.rect.bottom - spin.rect.top, 25);
    EXPECT_TRUE(spin.visible);

    os::MoveWindow(Box(), 10, 30, 60, 22, 1);
    spin = fake::Info(Spin());
    EXPECT_EQ(spin.rect.left, 70);
    EXPECT_EQ(spin.rect.top, 30);
    EXPECT_EQ(spin.rect.bottom - spin.rect.top, 22);

    os::EnableWindow(Box(), 0);
    EXPECT_FALSE(fake::Info(Spin()).enabled);
    os::EnableWindow(Box(), 1);
    EXPECT_TRUE(fake::Info(Spin()).enabled);
    os::ShowWindow(Box(), os::SW_HIDE);
    EXPECT_FALSE(fake::Info(Spin()).visible);
    os::ShowWindow(Box(), os::SW_SHOWNA);
    EXPECT_TRUE(fake::Info(Spin()).visible);
}

TEST_F(IntervalBoxTest, SpinDoesNothingWhileTheBoxIsDisabledOrHidden)
{
    // The spin control follows the box, so reach the step directly.
    os::EnableWindow(Box(), 0);
    StepIntegerBox(Box(), 1);
    EXPECT_EQ(Text(), "1000");
    os::EnableWindow(Box(), 1);
    os::ShowWindow(Box(), os::SW_HIDE);
    StepIntegerBox(Box(), 1);
    EXPECT_EQ(Text(), "1000");
}

// "0" in the box: a click on the start button takes the focus first, which
// empties the box, so the start reports the empty interval. F10 moves no
// focus: the box keeps "0" and the start goes ahead with period 0.
TEST_F(IntervalBoxTest, WhatTheStartFindsInTheBox)
{
    const std::string errorBox = "MessageBoxA(0," + Quote("请告诉迅指，你想要多快") + "," + Quote("迅指提示：") + ",0x2010)";
    os::SetWindowTextA(Box(), "0");
    Focus();
    fake::ClearCalls();
    fake::ClickWindow(Handle(kStartButton));
    Pump();
    EXPECT_EQ(Text(), "");
    EXPECT_SEQUENCE(fake::CallsNamed({"MessageBoxA"}), {errorBox});

    os::SetWindowTextA(Box(), "0");
    Focus();
    fake::ClearCalls();
    fake::PressHotkey(0, os::VK_F10);
    Pump();
    // The start read "0"; the information box then took the focus, and the box
    // was rewritten as it lost it.
    EXPECT_EQ(ReadProperty(kMainWindow, kClickTimer, kPropPeriod, kWholeValue).number, 0);
    EXPECT_EQ(fake::Info(Handle(kStatusLine)).text, "正在以0秒1次的速度左键单击");
}

TEST_F(IntervalBoxTest, ReadLeadingInteger)
{
    struct Row {
        const char* text;
        int64_t value;
    } const rows[] = {
        {"", 0},      {nullptr, 0},     {"abc", 0},  {"\t\n 12x", 12}, {"+", 0}, {"--1", 0},
        {"-9223372036854775808", INT64_MIN}, {"-9223372036854775809", INT64_MIN},
        {"9223372036854775807", INT64_MAX},  {"9223372036854775808", INT64_MAX},
        {"0000000000000000000000000001", 1},
    };
    for (const Row& row : rows)
        EXPECT_EQ(ReadLeadingInteger(row.text), row.value) << (row.text ? row.text : "null");
}
