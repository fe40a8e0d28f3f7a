// The flat look: which windows wear it, switching it on and off, the hook
// that takes controls made later, the colours it draws with, and the GDI
// objects and DCs it gives back.
#include <cstdio>
#include <regex>
#include <string>
#include <vector>

#include "app/interval_box.h"
#include "app/visual_style.h"
#include "app_fixture.h"
#include "sequence.h"
#include "services/message_box.h"

namespace {

os::LRESULT OSCALL PlainProc(os::HWND hwnd, os::UINT msg, os::WPARAM wParam, os::LPARAM lParam)
{
    return os::DefWindowProcA(hwnd, msg, wParam, lParam);
}

// Another module wrapping a control after the look took it.
os::WNDPROC gWrapped = nullptr;
os::LRESULT OSCALL WrapperProc(os::HWND hwnd, os::UINT msg, os::WPARAM wParam, os::LPARAM lParam)
{
    return os::CallWindowProcA(gWrapped, hwnd, msg, wParam, lParam);
}

struct Fill {
    os::RECT rect;
    os::COLORREF color;
};

int Brightness(os::COLORREF c) { return static_cast<int>((c & 0xFF) + ((c >> 8) & 0xFF) + ((c >> 16) & 0xFF)); }

struct VisualStyleTest : AppTest {
    void SetUp() override
    {
        AppTest::SetUp();
        RegisterTestClasses();
    }

    // The classes the fake does not know, as plain windows. The combo list's
    // class is registered in capitals: the look compares names without case.
    static void RegisterTestClasses()
    {
        for (const char* name : {"TestHost", "SysIPAddress32", "COMBOLBOX", "STATIC"}) {
            os::WNDCLASSA wc{};
            wc.lpfnWndProc = PlainProc;
            wc.lpszClassName = name;
            os::RegisterClassA(&wc);
        }
    }
    static void Fresh()
    {
        fake::Reset();
        ResetProcessState();
        SetTextHeap(os::GetProcessHeap());
        RegisterTestClasses();
    }
    static os::HWND Host()
    {
        return os::CreateWindowExA(0, "TestHost", "host", os::WS_POPUP | os::WS_VISIBLE, 0, 0, 300, 200, nullptr, 0,
                                   nullptr, nullptr);
    }
    static os::HWND Child(os::HWND parent, const char* className, os::DWORD style, os::DWORD exStyle = 0)
    {
        return os::CreateWindowExA(exStyle, className, "&OK", os::WS_CHILD | os::WS_VISIBLE | style, 10, 10, 75, 23,
                                   parent, 1, nullptr, nullptr);
    }
    static bool Taken(os::HWND hwnd) { return fake::Info(hwnd).proc == FlatControlProc; }

    // The recorded calls of `names` without the numbers of DCs and GDI
    // objects, which depend on everything drawn before.
    static std::vector<std::string> Drawing(std::initializer_list<const char*> names)
    {
        static const std::regex numbers("(hdc|brush|pen)#[0-9]+");
        std::vector<std::string> out;
        for (const std::string& call : fake::CallsNamed(names))
            out.push_back(std::regex_replace(call, numbers, "$1"));
        return out;
    }

    // Every FillRect with the colour of the brush made right before it.
    static std::vector<Fill> Fills()
    {
        std::vector<Fill> out;
        os::COLORREF color = 0;
        for (const std::string& call : fake::CallsNamed({"CreateSolidBrush", "FillRect"})) {
            unsigned c = 0;
            Fill f{};
            if (std::sscanf(call.c_str(), "CreateSolidBrush(0x%x)", &c) == 1)
                color = c;
            else if (std::sscanf(call.c_str(), "FillRect(%*[^,],{%d,%d,%d,%d}", &f.rect.left, &f.rect.top,
                                 &f.rect.right, &f.rect.bottom) == 4)
                out.push_back(Fill{f.rect, color});
        }
        return out;
    }

    static bool Mentions(const std::string& call, os::HWND hwnd)
    {
        std::string name = fake::Name(hwnd);
        return call.find("(" + name + ",") != std::string::npos || call.find("(" + name + ")") != std::string::npos;
    }
};

}  // namespace

// ---- the window of the program

TEST_F(VisualStyleTest, CreationTakesTheWindowsControlsBeforeTheHotkeys)
{
    Load();
    for (ControlId id : {kStartButton, kStopButton, kStatusLine, kIntervalBox, kModeBox})
        EXPECT_TRUE(Taken(Handle(id))) << std::hex << id;
    EXPECT_TRUE(Taken(SpinOf(Handle(kIntervalBox))));
    for (ControlId id : {kModeCaption, kIntervalCaption, kCreditsLabel, kClickTimer, kHotkeyLabel, kMainWindowSelf})
        EXPECT_FALSE(Taken(Handle(id))) << std::hex << id;
    EXPECT_EQ(fake::LiveHooks(), 1u);
    EXPECT_SEQUENCE(fake::CallsNamed({"SetWindowsHookExA", "RegisterHotKey"}),
                    {"SetWindowsHookExA(4,1)", "RegisterHotKey(#1,33001,0,0x79)", "RegisterHotKey(#1,33002,0,0x7a)"});
    // Each taken control was redrawn at once, frame and all.
    std::vector<std::string> redrawn = fake::CallsNamed({"RedrawWindow"});
    EXPECT_EQ(redrawn.size(), 6u);
    for (ControlId id : {kStartButton, kStopButton, kStatusLine, kIntervalBox, kModeBox})
        EXPECT_EQ(std::count(redrawn.begin(), redrawn.end(), "RedrawWindow(" + fake::Name(Handle(id)) + ",0x505)"), 1)
            << std::hex << id;
}

// Switched on twice, the look is still one hook and one wrapper per control:
// switched off, every control has exactly its own procedure back.
TEST_F(VisualStyleTest, OnTwiceThenOffGivesEveryProcedureBack)
{
    Load();
    ASSERT_EQ(SetVisualStyle(0), 1);
    std::vector<os::HWND> children = fake::Children(Main());
    std::vector<os::WNDPROC> own;
    for (os::HWND child : children) {
        own.push_back(fake::Info(child).proc);
        EXPECT_FALSE(Taken(child));
    }
    EXPECT_EQ(fake::LiveHeapBlocks(), 2u);  // the timer's and the interval box's

    EXPECT_EQ(SetVisualStyle(3), 1);
    EXPECT_EQ(SetVisualStyle(3), 1);
    EXPECT_EQ(fake::LiveHooks(), 1u);
    EXPECT_EQ(fake::LiveHeapBlocks(), 8u);

    fake::ClearCalls();
    EXPECT_EQ(SetVisualStyle(0), 1);
    for (size_t i = 0; i < children.size(); ++i)
        EXPECT_EQ(fake::Info(children[i]).proc, own[i]) << fake::Name(children[i]);
    EXPECT_EQ(fake::LiveHooks(), 0u);
    EXPECT_EQ(fake::LiveHeapBlocks(), 2u);
    EXPECT_EQ(fake::CallsNamed({"UnhookWindowsHookEx"}).size(), 1u);
    EXPECT_EQ(fake::CallsNamed({"RedrawWindow"}).size(), 6u);
    EXPECT_EQ(SetVisualStyle(0), 0);  // nothing left to remove

    // The interval box still lets in digits only.
    os::SetWindowTextA(Handle(kIntervalBox), "");
    os::SetFocus(Handle(kIntervalBox));
    for (char c : std::string("4a2"))
        fake::TypeChar(c);
    Pump();
    EXPECT_EQ(fake::Info(Handle(kIntervalBox)).text, "42");
}

TEST_F(VisualStyleTest, EveryOtherPaletteSwitchesOff)
{
    for (int32_t palette : {0, 4, -1, 99, INT32_MIN, INT32_MAX}) {
        Fresh();
        Load();
        EXPECT_EQ(SetVisualStyle(palette), 1) << palette;
        EXPECT_FALSE(Taken(Handle(kStartButton))) << palette;
        EXPECT_EQ(fake::LiveHooks(), 0u) << palette;
    }
    for (int32_t palette : {1, 2, 3}) {
        EXPECT_EQ(SetVisualStyle(palette), 1);
        EXPECT_TRUE(Taken(Handle(kStartButton))) << palette;
    }
}

// A box opened later has its buttons taken as they are made, and given back
// as it closes.
TEST_F(VisualStyleTest, MessageBoxButtonsAreTakenWhileTheLookIsOn)
{
    struct Row {
        int32_t palette;
        bool taken;
    } const rows[] = {{3, true}, {0, false}};
    for (const Row& row : rows) {
        Fresh();
        Load();
        SetVisualStyle(row.palette);
        size_t blocks = fake::LiveHeapBlocks();
        static std::vector<std::string> seen;
        seen.clear();
        fake::Script([] {
            for (os::HWND top : fake::TopLevelWindows())
                if (fake::Info(top).className == "#32770")
                    for (os::HWND button : fake::Children(top))
                        seen.push_back(fake::Info(button).className + (Taken(button) ? " taken" : " plain"));
            fake::AnswerBox(os::IDOK);
        });
        ShowMessageBox("m", 0, "t");
        EXPECT_SEQUENCE(seen, {row.taken ? "BUTTON taken" : "BUTTON plain"});
        EXPECT_EQ(fake::LiveHeapBlocks(), blocks) << row.palette;
    }
}

// ---- which windows wear the look

TEST_F(VisualStyleTest, WhichWindowsAreTaken)
{
    struct Row {
        const char* className;
        os::DWORD style;
        const char* parentClass;  // null: right on the host
        bool taken;
    } const rows[] = {
        {"BUTTON", os::BS_PUSHBUTTON, nullptr, true},
        {"BUTTON", os::BS_DEFPUSHBUTTON, nullptr, true},
        {"BUTTON", os::BS_CHECKBOX, nullptr, true},
        {"BUTTON", os::BS_AUTOCHECKBOX, nullptr, true},
        {"BUTTON", os::BS_RADIOBUTTON, nullptr, true},
        {"BUTTON", os::BS_AUTORADIOBUTTON, nullptr, true},
        {"BUTTON", os::BS_AUTO3STATE, nullptr, true},
        {"BUTTON", os::BS_GROUPBOX, nullptr, true},
        {"BUTTON", os::BS_OWNERDRAW, nullptr, false},
        {"BUTTON", 0x8 /* BS_USERBUTTON */, nullptr, false},
        {"EDIT", os::ES_AUTOHSCROLL, nullptr, true},
        {"EDIT", os::ES_AUTOHSCROLL, "SysIPAddress32", false},
        {"EDIT", os::ES_AUTOHSCROLL, "STATIC", true},
        {"COMBOBOX", os::CBS_DROPDOWN, nullptr, true},
        {"COMBOBOX", os::CBS_DROPDOWNLIST, nullptr, true},
        {"COMBOBOX", os::CBS_SIMPLE, nullptr, false},
        {"COMBOLBOX", 0, nullptr, true},
        {"msctls_updown32", 0, nullptr, true},
        {"STATIC", 0, nullptr, false},
        {"TestHost", 0, nullptr, false},
    };
    for (bool createdLater : {false, true}) {
        for (const Row& row : rows) {
            Fresh();
            os::HWND host = Host();
            if (createdLater)
                SetVisualStyle(3);
            os::HWND parent = row.parentClass ? Child(host, row.parentClass, 0) : host;
            os::HWND control = Child(parent, row.className, row.style);
            ASSERT_NE(control, nullptr);
            if (!createdLater)
                SetVisualStyle(3);
            SCOPED_TRACE(std::string(row.className) + " " + std::to_string(row.style) + " in " +
                         (row.parentClass ? row.parentClass : "host") + (createdLater ? ", created later" : ""));
            EXPECT_EQ(Taken(control), row.taken);
            EXPECT_FALSE(Taken(host));
            EXPECT_FALSE(Taken(parent) && parent != control);
            EXPECT_EQ(fake::LiveHeapBlocks(), row.taken ? 1u : 0u);
            SetVisualStyle(0);
            EXPECT_FALSE(Taken(control));
            EXPECT_EQ(fake::LiveHeapBlocks(), 0u);
        }
    }
}

// ---- leaving the look

TEST_F(VisualStyleTest, DestroyedControlLeavesTheSet)
{
    os::HWND host = Host();
    os::HWND button = Child(host, "BUTTON", os::BS_PUSHBUTTON);
    os::HWND edit = Child(host, "EDIT", 0, os::WS_EX_CLIENTEDGE);
    os::WNDPROC own = fake::Info(button).proc;
    SetVisualStyle(3);
    EXPECT_EQ(fake::LiveHeapBlocks(), 2u);
    os::DestroyWindow(button);
    EXPECT_EQ(fake::LiveHeapBlocks(), 1u);
    EXPECT_EQ(fake::Info(button).proc, own);  // given back on its way out

    fake::ClearCalls();
    EXPECT_EQ(SetVisualStyle(0), 1);
    for (const std::string& call : fake::Calls())
        EXPECT_FALSE(Mentions(call, button)) << call;
    EXPECT_FALSE(Taken(edit));
    EXPECT_EQ(fake::LiveHeapBlocks(), 0u);

    // Controls going with their window, the look still on.
    SetVisualStyle(2);
    EXPECT_EQ(fake::LiveHeapBlocks(), 1u);
    os::DestroyWindow(host);
    EXPECT_EQ(fake::LiveHeapBlocks(), 0u);
    EXPECT_FALSE(fake::HeapMisuse());
    EXPECT_EQ(SetVisualStyle(0), 1);
}

// A control someone wrapped after us keeps that wrapper when the look goes
// off; ours stays in its chain passing everything on, and is reused when the
// look comes back.
TEST_F(VisualStyleTest, WrapperAddedLaterSurvivesSwitchingOff)
{
    os::HWND host = Host();
    os::HWND edit = Child(host, "EDIT", 0, os::WS_EX_CLIENTEDGE);
    SetVisualStyle(1);
    gWrapped = reinterpret_cast<os::WNDPROC>(
        os::SetWindowLongA(edit, os::GWL_WNDPROC, reinterpret_cast<os::LONG_PTR>(WrapperProc)));
    ASSERT_EQ(gWrapped, FlatControlProc);

    SetVisualStyle(0);
    EXPECT_EQ(fake::Info(edit).proc, WrapperProc);
    fake::ClearCalls();
    os::SendMessageA(edit, os::WM_NCPAINT, 1, 0);
    EXPECT_TRUE(fake::CallsNamed({"GetWindowDC", "FrameRect"}).empty());

    fake::ClearCalls();
    SetVisualStyle(1);
    EXPECT_TRUE(fake::CallsNamed({"SetWindowLongA", "HeapAlloc"}).empty());
    fake::ClearCalls();
    os::SendMessageA(edit, os::WM_NCPAINT, 1, 0);
    EXPECT_EQ(fake::CallsNamed({"FrameRect"}).size(), 2u);

    SetVisualStyle(0);
    os::DestroyWindow(edit);
    EXPECT_EQ(fake::LiveHeapBlocks(), 0u);
}

// A failed allocation while the hook takes a control is fatal once: the
// error box's own buttons are left plain.
TEST_F(VisualStyleTest, FailedAllocationWhileTakingShowsOneErrorBox)
{
    fake::FailCall("HeapAlloc", 0, 2);
    unsigned code = fake::RunProcess([] {
        SetVisualStyle(3);
        Child(Host(), "BUTTON", os::BS_PUSHBUTTON);
        return 0;
    });
    EXPECT_EQ(code, 0xFFFFFFFFu);
    EXPECT_EQ(fake::CallsNamed({"MessageBoxA"}).size(), 1u);
    EXPECT_EQ(fake::LiveHooks(), 0u);
    EXPECT_EQ(fake::LiveHeapBlocks(), 0u);
}

// ---- drawing

// An edit box's frame over its border: the palette's colour, the button face
// less 0x20 when disabled; inside it a ring of the window colour, or of the
// button face when disabled or read-only. A one-pixel border gets the frame
// only, a box without border nothing.
TEST_F(VisualStyleTest, EditFrameColours)
{
    struct Row {
        int32_t palette;
        os::DWORD exStyle;
        bool disabled;
        bool readOnly;
        const char* frame;
        const char* ring;  // null: no ring
    } const rows[] = {
        {1, os::WS_EX_CLIENTEDGE, false, false, "0xbd9e7b", "0xffffff"},
        {2, os::WS_EX_CLIENTEDGE, false, false, "0x7fb9a4", "0xffffff"},
        {3, os::WS_EX_CLIENTEDGE, false, false, "0xd7c5c6", "0xffffff"},
        {3, os::WS_EX_CLIENTEDGE, true, false, "0xd0d0d0", "0xf0f0f0"},
        {1, os::WS_EX_CLIENTEDGE, false, true, "0xbd9e7b", "0xf0f0f0"},
        {2, os::WS_EX_CLIENTEDGE, true, true, "0xd0d0d0", "0xf0f0f0"},
        {2, os::WS_EX_STATICEDGE, false, false, "0x7fb9a4", nullptr},
        {2, 0, false, false, nullptr, nullptr},
    };
    for (const Row& row : rows) {
        Fresh();
        os::HWND edit = Child(Host(), "EDIT", row.readOnly ? os::ES_READONLY : 0, row.exStyle);
        SetVisualStyle(row.palette);
        if (row.disabled)
            os::EnableWindow(edit, 0);
        fake::ClearCalls();
        size_t gdi = fake::LiveGdiObjects();
        os::SendMessageA(edit, os::WM_NCPAINT, 1, 0);
        const std::string e = fake::Name(edit);
        std::vector<std::string> expected{"CallWindowProcA(" + e + ",0x85)"};
        if (row.frame) {
            expected.insert(expected.end(), {"GetWindowDC(" + e + ")", std::string("CreateSolidBrush(") + row.frame + ")",
                                             "FrameRect(hdc,{0,0,75,23},brush)", "DeleteObject(brush)"});
            if (row.ring)
                expected.insert(expected.end(), {std::string("CreateSolidBrush(") + row.ring + ")",
                                                 "FrameRect(hdc,{1,1,74,22},brush)", "DeleteObject(brush)"});
            expected.push_back("ReleaseDC(" + e + ",hdc)");
        }
        SCOPED_TRACE(std::to_string(row.palette) + " ex " + std::to_string(row.exStyle) +
                     (row.disabled ? " disabled" : "") + (row.readOnly ? " read-only" : ""));
        EXPECT_SEQUENCE(Drawing({"CallWindowProcA", "GetWindowDC", "CreateSolidBrush", "FrameRect", "DeleteObject",
                                 "ReleaseDC"}),
                        expected);
        EXPECT_EQ(fake::LiveGdiObjects(), gdi);
        EXPECT_EQ(fake::LiveDcs(), 0u);
    }
}

// Enabling, disabling and the read-only switch redraw the frame at once.
TEST_F(VisualStyleTest, FrameFollowsEnablingAndReadOnly)
{
    os::HWND edit = Child(Host(), "EDIT", 0, os::WS_EX_CLIENTEDGE);
    SetVisualStyle(1);
    struct Row {
        const char* what;
        void (*change)(os::HWND);
        const char* frame;
    } const rows[] = {
        {"disable", [](os::HWND h) { os::EnableWindow(h, 0); }, "0xd0d0d0"},
        {"enable", [](os::HWND h) { os::EnableWindow(h, 1); }, "0xbd9e7b"},
        {"read-only", [](os::HWND h) { os::SendMessageA(h, os::EM_SETREADONLY, 1, 0); }, "0xbd9e7b"},
    };
    for (const Row& row : rows) {
        fake::ClearCalls();
        row.change(edit);
        std::vector<std::string> brushes = fake::CallsNamed({"CreateSolidBrush"});
        ASSERT_FALSE(brushes.empty()) << row.what;
        EXPECT_EQ(brushes[0], std::string("CreateSolidBrush(") + row.frame + ")") << row.what;
    }
}

// A push button: a border, a gradient over every inner row, the caption
// centred. Hot is lighter, pressed turns the gradient over and moves the
// caption, disabled is flat with grey text.
TEST_F(VisualStyleTest, PushButtonFaceFollowsItsState)
{
    os::HWND host = Host();
    os::HWND button = Child(host, "BUTTON", os::BS_PUSHBUTTON);
    os::HWND other = Child(host, "BUTTON", os::BS_PUSHBUTTON);
    SetVisualStyle(3);
    os::SetFocus(other);

    auto paint = [&] {
        fake::ClearCalls();
        os::SendMessageA(button, os::WM_PAINT, 0, 0);
        return Fills();
    };
    auto checkRows = [](const std::vector<Fill>& fills) {
        ASSERT_FALSE(fills.empty());
        EXPECT_EQ(fills.front().rect.top, 1);
        EXPECT_EQ(fills.back().rect.bottom, 22);
        for (size_t i = 0; i < fills.size(); ++i) {
            EXPECT_EQ(fills[i].rect.left, 1);
            EXPECT_EQ(fills[i].rect.right, 74);
            if (i > 0) {
                EXPECT_EQ(fills[i].rect.top, fills[i - 1].rect.bottom);
            }
        }
    };

    std::vector<Fill> normal = paint();
    checkRows(normal);
    EXPECT_GT(Brightness(normal.front().color), Brightness(normal.back().color));
    EXPECT_SEQUENCE(Drawing({"FrameRect", "DrawTextA", "BeginPaint", "EndPaint"}),
                    {"BeginPaint(" + fake::Name(button) + ")", "FrameRect(hdc,{0,0,75,23},brush)",
                     "DrawTextA(hdc,\"&OK\",-1,{2,2,73,21},0x25)", "EndPaint(" + fake::Name(button) + ")"});

    os::SendMessageA(button, os::WM_MOUSEMOVE, 0, 0x00050005);
    os::SendMessageA(button, os::WM_MOUSEMOVE, 0, 0x00060006);
    std::vector<Fill> hot = paint();
    checkRows(hot);
    EXPECT_GT(Brightness(hot.front().color), Brightness(normal.front().color));
    EXPECT_GT(Brightness(hot.back().color), Brightness(normal.back().color));

    os::SendMessageA(button, os::WM_MOUSELEAVE, 0, 0);
    EXPECT_EQ(paint().front().color, normal.front().color);

    os::SendMessageA(button, os::WM_LBUTTONDOWN, 1, 0x00050005);
    std::vector<Fill> pressed = paint();
    checkRows(pressed);
    EXPECT_LT(Brightness(pressed.front().color), Brightness(pressed.back().color));
    EXPECT_SEQUENCE(Drawing({"DrawTextA"}), {"DrawTextA(hdc,\"&OK\",-1,{3,3,74,22},0x25)"});
    os::SendMessageA(button, os::WM_LBUTTONUP, 0, 0x00050005);

    os::EnableWindow(button, 0);
    std::vector<Fill> disabled = paint();
    checkRows(disabled);
    for (const Fill& f : disabled)
        EXPECT_EQ(f.color, 0xF0F0F0u);
    EXPECT_SEQUENCE(Drawing({"CreateSolidBrush", "SetTextColor"}),
                    {"CreateSolidBrush(0xd0d0d0)", "CreateSolidBrush(0xf0f0f0)", "SetTextColor(hdc,0x6d6d6d)"});
}

// The pointer entering asks once for the leave notice and redraws; leaving
// redraws again.
TEST_F(VisualStyleTest, HotTrackingAsksForTheLeaveNoticeOnce)
{
    os::HWND button = Child(Host(), "BUTTON", os::BS_PUSHBUTTON);
    SetVisualStyle(2);
    fake::ClearCalls();
    os::SendMessageA(button, os::WM_MOUSEMOVE, 0, 0x00050005);
    os::SendMessageA(button, os::WM_MOUSEMOVE, 0, 0x00060006);
    os::SendMessageA(button, os::WM_MOUSELEAVE, 0, 0);
    os::SendMessageA(button, os::WM_MOUSELEAVE, 0, 0);
    const std::string b = fake::Name(button);
    EXPECT_SEQUENCE(Drawing({"TrackMouseEvent", "GetDC", "ReleaseDC"}),
                    {"TrackMouseEvent(" + b + ",0x2)", "GetDC(" + b + ")", "ReleaseDC(" + b + ",hdc)",
                     "GetDC(" + b + ")", "ReleaseDC(" + b + ",hdc)"});
}

// Whatever a control draws in the look, every pen and brush is deleted and
// every DC released; and something is drawn for each.
TEST_F(VisualStyleTest, DrawingGivesBackEveryObjectAndDc)
{
    struct Row {
        const char* className;
        os::DWORD style;
        os::DWORD exStyle;
        os::WPARAM check;
    } const rows[] = {
        {"BUTTON", os::BS_PUSHBUTTON, 0, 0},
        {"BUTTON", os::BS_DEFPUSHBUTTON, 0, 0},
        {"BUTTON", os::BS_AUTOCHECKBOX, 0, os::BST_CHECKED},
        {"BUTTON", os::BS_AUTO3STATE, 0, os::BST_INDETERMINATE},
        {"BUTTON", os::BS_RADIOBUTTON, 0, os::BST_CHECKED},
        {"BUTTON", os::BS_GROUPBOX, 0, 0},
        {"COMBOBOX", os::CBS_DROPDOWNLIST, 0, 0},
        {"msctls_updown32", 0, os::WS_EX_STATICEDGE, 0},
        {"msctls_updown32", os::UDS_HORZ, 0, 0},
        {"EDIT", 0, os::WS_EX_CLIENTEDGE, 0},
        {"COMBOLBOX", os::WS_BORDER, 0, 0},
    };
    for (const Row& row : rows) {
        Fresh();
        os::HWND control = Child(Host(), row.className, row.style, row.exStyle);
        SetVisualStyle(1);
        if (row.check)
            os::SendMessageA(control, os::BM_SETCHECK, row.check, 0);
        size_t gdi = fake::LiveGdiObjects();
        fake::ClearCalls();
        for (os::UINT msg : {os::WM_PAINT, os::WM_NCPAINT, os::WM_MOUSEMOVE, os::WM_LBUTTONDOWN, os::WM_PAINT,
                             os::WM_LBUTTONUP, os::WM_MOUSELEAVE})
            os::SendMessageA(control, msg, msg == os::WM_NCPAINT ? 1 : 0, 0x00040004);
        os::EnableWindow(control, 0);
        os::SendMessageA(control, os::WM_PAINT, 0, 0);
        SCOPED_TRACE(std::string(row.className) + " " + std::to_string(row.style));
        EXPECT_FALSE(fake::CallsNamed({"FillRect", "FrameRect", "Ellipse"}).empty());
        EXPECT_EQ(fake::LiveGdiObjects(), gdi);
        EXPECT_EQ(fake::LiveDcs(), 0u);
        EXPECT_EQ(fake::CallsNamed({"BeginPaint"}).size(), fake::CallsNamed({"EndPaint"}).size());
        EXPECT_EQ(fake::CallsNamed({"CreateSolidBrush", "CreatePen"}).size(), fake::CallsNamed({"DeleteObject"}).size());
    }
}

// The spin control's arrow under the press is drawn pressed, the other not.
TEST_F(VisualStyleTest, SpinDrawsThePressedArrowPressed)
{
    os::HWND spin = os::CreateWindowExA(0, "msctls_updown32", nullptr, os::WS_CHILD | os::WS_VISIBLE, 0, 0, 18, 24,
                                        Host(), 1, nullptr, nullptr);
    SetVisualStyle(3);
    struct Row {
        os::LPARAM at;  // where the press is, y in the high word
        bool upperPressed;
    } const rows[] = {{0x00030004, true}, {0x00140004, false}};
    for (const Row& row : rows) {
        os::SendMessageA(spin, os::WM_LBUTTONDOWN, 1, row.at);
        fake::ClearCalls();
        os::SendMessageA(spin, os::WM_PAINT, 0, 0);
        std::vector<Fill> fills = Fills();
        os::SendMessageA(spin, os::WM_LBUTTONUP, 0, row.at);
        // The first fill of each half is its gradient's top row; arrows are
        // one-pixel lines.
        const Fill* upper = nullptr;
        const Fill* lower = nullptr;
        for (const Fill& f : fills) {
            if (f.rect.right - f.rect.left < 16)
                continue;
            if (!upper && f.rect.top == 1)
                upper = &f;
            if (!lower && f.rect.top == 13)
                lower = &f;
        }
        ASSERT_TRUE(upper && lower);
        SCOPED_TRACE(row.at);
        EXPECT_EQ(Brightness(upper->color) < Brightness(lower->color), row.upperPressed);
    }
}
