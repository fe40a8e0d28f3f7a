// The transparent labels: how each paints, what lies beneath is redrawn
// after a move, and the credits line opening the studio's pages.
#include <regex>
#include <string>
#include <vector>

#include "app/credits.h"
#include "app/form.h"
#include "app/trans_label.h"
#include "app_fixture.h"
#include "sequence.h"

using fake::Quote;

namespace {

os::LRESULT OSCALL BrowserProc(os::HWND hwnd, os::UINT msg, os::WPARAM wParam, os::LPARAM lParam)
{
    return os::DefWindowProcA(hwnd, msg, wParam, lParam);
}

const std::string kFaceArgs = "1,0,0,2,0," + Quote("微软雅黑") + ")";

struct TransLabelTest : AppTest {
    void SetUp() override
    {
        AppTest::SetUp();
        Load();
        Pump();  // the first paints
        fake::ClearCalls();
    }

    // The drawing calls of one paint of `label`.
    static std::vector<std::string> PaintOf(os::HWND label)
    {
        fake::ClearCalls();
        os::InvalidateRect(label, nullptr, 0);
        os::UpdateWindow(label);
        // Handle numbers depend on what came before; the shape is what counts.
        std::vector<std::string> calls;
        for (const std::string& c : fake::CallsNamed({"CreateFontIndirectA", "SelectObject", "SetBkMode",
                                                      "SetTextColor", "DrawTextA", "DeleteObject"}))
            calls.push_back(std::regex_replace(c, std::regex("(hdc|font)#[0-9]+"), "$1"));
        return calls;
    }

    static std::vector<std::string> Opened() { return fake::CallsNamed({"ShellExecuteA"}); }
    static std::string Open(const char* address)
    {
        return "ShellExecuteA(0,\"open\"," + Quote(address) + ",null,null,1)";
    }
};

}  // namespace

// The credits line: bold, a white pass one pixel right and down, then its
// blue, centred both ways on one line; the font lives for the paint only.
TEST_F(TransLabelTest, CreditsLinePaint)
{
    os::HWND label = Handle(kCreditsLabel);
    std::string text = Quote("澄川软件工作室出品");
    size_t objects = fake::LiveGdiObjects();
    EXPECT_SEQUENCE(PaintOf(label), {
        "CreateFontIndirectA(-12,0,700,000," + kFaceArgs,
        "SelectObject(hdc,font)",
        "SetBkMode(hdc,1)",
        "SetTextColor(hdc,0xffffff)",
        "DrawTextA(hdc," + text + ",-1,{1,1,195,25},0x125)",
        "SetTextColor(hdc,0xff8800)",
        "DrawTextA(hdc," + text + ",-1,{0,0,194,24},0x125)",
        "SelectObject(hdc,stock#18)",  // the font the context had before
        "DeleteObject(font)",
    });
    EXPECT_EQ(fake::LiveGdiObjects(), objects);  // nothing of the paint outlives it
}

TEST_F(TransLabelTest, CaptionsPaintOnceInBlack)
{
    for (ControlId id : {kModeCaption, kIntervalCaption}) {
        std::vector<std::string> calls = PaintOf(Handle(id));
        ASSERT_EQ(calls.size(), 7u);
        EXPECT_EQ(calls[0], "CreateFontIndirectA(-12,0,400,000," + kFaceArgs);
        EXPECT_EQ(calls[3], "SetTextColor(hdc,0x0)");
        EXPECT_NE(calls[4].find(",-1,{0,0,48,24},0x124)"), std::string::npos) << calls[4];
    }
}

TEST_F(TransLabelTest, FontThatCannotBeMadeDrawsWithDefaultGuiFont)
{
    fake::FailCall("CreateFontIndirectA");
    std::vector<std::string> calls = PaintOf(Handle(kModeCaption));
    EXPECT_EQ(calls[1], "SelectObject(hdc,stock#17)");
    for (const std::string& c : calls)
        EXPECT_EQ(c.rfind("DeleteObject", 0), std::string::npos) << c;
}

// Formats and passes of the kind, beyond the three labels of the form.
TEST_F(TransLabelTest, FormatsAndEffects)
{
    struct Row {
        int effect, horizontal, vertical;
        bool wrap;
        std::vector<std::string> passes;  // colour, rectangle and format of each DrawTextA
    } const rows[] = {
        {0, 0, 0, false, {"0x123456 {0,0,50,20} 0x120"}},
        {0, 2, 2, false, {"0x123456 {0,0,50,20} 0x12a"}},
        {0, 9, 9, false, {"0x123456 {0,0,50,20} 0x120"}},
        {0, 1, 2, true, {"0x123456 {0,0,50,20} 0x115"}},  // wrapping ignores the vertical alignment
        {0, 1, 0, true, {"0x123456 {0,0,50,20} 0x115"}},
        {1, 0, 1, false, {"0xffffff {1,1,51,21} 0x124", "0x123456 {0,0,50,20} 0x124"}},
        {2, 0, 1, false, {"0xffffff {0,0,50,20} 0x124", "0x123456 {1,1,51,21} 0x124"}},
        {3, 0, 1, false, {"0x0 {2,2,52,22} 0x124", "0x123456 {0,0,50,20} 0x124"}},
        {7, 0, 1, false, {"0x123456 {0,0,50,20} 0x124"}},
    };
    for (const Row& row : rows) {
        ControlForm form = kControlForms[1];
        form.text = "A&B";
        form.width = 50;
        form.height = 20;
        form.textColor = 0x123456;
        form.effect = row.effect;
        form.horizontalAlign = row.horizontal;
        form.verticalAlign = row.vertical;
        form.wordWrap = row.wrap;
        os::HWND label = CreateTransLabel(Main(), form, 999, nullptr);
        os::ShowWindow(label, os::SW_SHOWNA);
        std::vector<std::string> seen;
        std::string colour;
        for (const std::string& c : PaintOf(label)) {
            if (c.rfind("SetTextColor", 0) == 0)
                colour = c.substr(c.find(',') + 1, c.size() - c.find(',') - 2);
            if (c.rfind("DrawTextA", 0) == 0) {
                // The ampersand is drawn as itself: DT_NOPREFIX is in every format.
                EXPECT_NE(c.find("\"A&B\""), std::string::npos);
                size_t brace = c.find('{');
                size_t close = c.find('}');
                seen.push_back(colour + " " + c.substr(brace, close - brace + 1) + " " +
                               c.substr(close + 2, c.size() - close - 3));
            }
        }
        SCOPED_TRACE(row.effect);
        EXPECT_SEQUENCE(seen, row.passes);
        os::DestroyWindow(label);
    }
}

TEST_F(TransLabelTest, EmptyTextDrawsNothing)
{
    os::HWND label = Handle(kModeCaption);
    os::SetWindowTextA(label, "");
    EXPECT_TRUE(PaintOf(label).empty());
}

// After a move the window beneath is painted again where the label was, then
// every visible window it overlaps, bottom up, then the label itself.
TEST_F(TransLabelTest, MoveRedrawsWhatLiesBeneath)
{
    os::HWND label = Handle(kModeCaption);
    fake::ClearCalls();
    os::MoveWindow(label, 30, 10, 48, 24, 1);
    EXPECT_SEQUENCE(fake::CallsNamed({"InvalidateRect", "UpdateWindow", "RedrawWindow"}), {
        "InvalidateRect(#1,1)",
        "UpdateWindow(#1)",
        "RedrawWindow(#2,0x705)",  // the mode box, lowest of the overlapped
        "RedrawWindow(#3,0x705)",  // the label itself
        "InvalidateRect(#3,0)",
    });
}

TEST_F(TransLabelTest, OnePressOpensTheBlog)
{
    fake::ClickWindow(Handle(kCreditsLabel));
    Pump();
    EXPECT_SEQUENCE(Opened(), {Open(kStudioBlogAddress)});
    EXPECT_SEQUENCE(fake::CallsNamed({"FindWindowExA"}),
                    {"FindWindowExA(0,0,null,\"Microsoft Internet Explorer\")"});
}

TEST_F(TransLabelTest, DoubleClickOpensTheBlogThenTheHomePage)
{
    fake::DoubleClickWindow(Handle(kCreditsLabel));
    Pump();
    EXPECT_SEQUENCE(Opened(), {Open(kStudioBlogAddress), Open(kStudioHomeAddress)});
}

TEST_F(TransLabelTest, OtherMouseInputOpensNothing)
{
    os::HWND credits = Handle(kCreditsLabel);
    os::PostMessageA(credits, os::WM_LBUTTONUP, 0, 0);
    os::PostMessageA(credits, os::WM_MOUSEMOVE, 0, 0);
    fake::RightClickWindow(credits);
    for (ControlId caption : {kModeCaption, kIntervalCaption}) {
        fake::ClickWindow(Handle(caption));
        fake::DoubleClickWindow(Handle(caption));
    }
    Pump();
    EXPECT_TRUE(Opened().empty());
}

// A browser window of that name, where there is one, owns the request; a
// failing shell is not reported and the next press tries again.
TEST_F(TransLabelTest, OwnerAndShellFailure)
{
    os::WNDCLASSA wc{};
    wc.lpfnWndProc = BrowserProc;
    wc.lpszClassName = "IEFrame";
    os::RegisterClassA(&wc);
    os::HWND browser = os::CreateWindowExA(0, "IEFrame", "Microsoft Internet Explorer", 0, 0, 0, 10, 10, nullptr, 0,
                                           nullptr, nullptr);
    fake::FailCall("ShellExecuteA");
    OpenUrl(kStudioBlogAddress);
    OpenUrl(kStudioBlogAddress);
    std::string owned = "ShellExecuteA(" + fake::Name(browser) + ",\"open\"," + Quote(kStudioBlogAddress) + ",null,null,1)";
    EXPECT_SEQUENCE(Opened(), {owned, owned});
    EXPECT_EQ(fake::OpenBoxCount(), 0);
    EXPECT_TRUE(fake::Boxes().empty());
}

TEST_F(TransLabelTest, AddressesAreAbsoluteHttps)
{
    for (const char* address : {kStudioBlogAddress, kStudioHomeAddress})
        EXPECT_EQ(std::string(address).rfind("https://", 0), 0u) << address;
    EXPECT_STRNE(kStudioBlogAddress, kStudioHomeAddress);
}
