// Message boxes: what reaches MessageBoxA, and the button that comes back.
#include <string>

#include <gtest/gtest.h>

#include "fake/fake_os.h"
#include "services/message_box.h"
#include "services/text_heap.h"

namespace {

class MessageBoxTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        fake::Reset();
        SetTextHeap(os::GetProcessHeap());
        fake::ClearCalls();
    }
    void TearDown() override { EXPECT_EQ(fake::LiveHeapBlocks(), 0u); }

    static void Answer(int id)
    {
        static int answer;
        answer = id;
        fake::Script([] { fake::AnswerBox(answer); });
    }
};

TEST_F(MessageBoxTest, ShowsOneOwnerlessBoxWithItsTextAndTitle)
{
    EXPECT_EQ(0, ShowMessageBox("请输入点击间隔", 16, "错误"));
    EXPECT_EQ(fake::CallsNamed({"MessageBoxA"}),
              std::vector<std::string>{"MessageBoxA(0," + fake::Quote("请输入点击间隔") + "," +
                                       fake::Quote("错误") + ",0x2010)"});
}

TEST_F(MessageBoxTest, PassesTextsAndStyle)
{
    const struct {
        const char* message;
        int32_t flags;
        const char* title;
        const char* shownText;
        const char* shownTitle;
        os::UINT style;
    } cases[] = {
        {"热键F10启动点击\r\n热键F11立即停止", 64, "提示", "热键F10启动点击\r\n热键F11立即停止", "提示", 0x2040},
        {"m", 16, nullptr, "m", "信息：", 0x2010},
        {nullptr, 0, "t", "", "t", 0x2000},
        {"m", 0x1010, "t", "m", "t", 0x1010},       // system-modal stays so, not task-modal too
        {"m", 0x2010, "t", "m", "t", 0x2010},
        {"", 4, "", "", "", 0x2004},
    };
    for (const auto& c : cases) {
        fake::Reset();
        ShowMessageBox(c.message, c.flags, c.title);
        ASSERT_EQ(fake::Boxes().size(), 1u);
        const fake::Box& box = fake::Boxes()[0];
        EXPECT_EQ(box.owner, nullptr);
        EXPECT_EQ(box.text, c.shownText);
        EXPECT_EQ(box.caption, c.shownTitle);
        EXPECT_EQ(box.type, c.style) << "flags " << c.flags;
        EXPECT_FALSE(box.open);
    }
}

TEST_F(MessageBoxTest, TheDefaultTitleIsInformation)
{
    ShowMessageBox("m", 0);
    auto calls = fake::CallsNamed({"MessageBoxA"});
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0], "MessageBoxA(0,\"m\"," + fake::Quote("信息：") + ",0x2000)");
}

TEST_F(MessageBoxTest, ReturnsThePressedButtonCountedFromZero)
{
    const struct {
        int32_t flags;
        int button;
        int32_t expected;
    } cases[] = {
        {0, os::IDOK, 0},
        {1, os::IDCANCEL, 1},
        {2, os::IDABORT, 2},
        {2, os::IDRETRY, 3},
        {2, os::IDIGNORE, 4},
        {4, os::IDYES, 5},
        {4, os::IDNO, 6},
        {3, os::IDCANCEL, 1},
        {4, 10, 0},  // a button id we do not know
    };
    for (const auto& c : cases) {
        fake::Reset();
        Answer(c.button);
        EXPECT_EQ(c.expected, ShowMessageBox("?", c.flags, "t")) << "flags " << c.flags << " button " << c.button;
        ASSERT_EQ(fake::Boxes().size(), 1u);
        EXPECT_EQ(fake::Boxes()[0].result, c.button);
    }
}

TEST_F(MessageBoxTest, ABoxThatCannotBeShownGivesZero)
{
    fake::FailCall("MessageBoxA");
    EXPECT_EQ(0, ShowMessageBox("?", 4, "t"));
    EXPECT_TRUE(fake::Boxes().empty());
    EXPECT_EQ(fake::CallsNamed({"MessageBoxA"}).size(), 1u);
}

}  // namespace
