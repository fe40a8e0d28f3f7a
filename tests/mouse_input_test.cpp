// The calls a click makes, by mode, and how the cursor is read.
#include <string>
#include <vector>

#include "fake/fake_os.h"
#include "sequence.h"
#include "services/mouse_input.h"

namespace {

const char kLeftDown[] = "mouse_event(0x2,40,-7,0,0)";
const char kLeftUp[] = "mouse_event(0x4,40,-7,0,0)";
const char kRightDown[] = "mouse_event(0x8,40,-7,0,0)";
const char kRightUp[] = "mouse_event(0x10,40,-7,0,0)";

struct MouseInputTest : ::testing::Test {
    void SetUp() override { fake::Reset(); }
};

}  // namespace

// One SetCursorPos, then the presses and releases back to back, each with
// exactly one flag; modes outside 0..3 click as 0. Negative coordinates pass
// unchanged.
TEST_F(MouseInputTest, ClickCallsByMode)
{
    const std::vector<std::string> single{"SetCursorPos(40,-7)", kLeftDown, kLeftUp};
    struct Row {
        int32_t type;
        std::vector<std::string> calls;
    } const rows[] = {
        {0, single},
        {1, {"SetCursorPos(40,-7)", kLeftDown, kLeftUp, kLeftDown, kLeftUp}},
        {2, {"SetCursorPos(40,-7)", kRightDown, kRightUp}},
        {3, {"SetCursorPos(40,-7)", kRightDown, kRightUp, kRightDown, kRightUp}},
        {4, single},
        {-1, single},
        {100, single},
    };
    for (const Row& row : rows) {
        fake::ClearCalls();
        SimulateClick(40, -7, row.type);
        SCOPED_TRACE(row.type);
        EXPECT_SEQUENCE(fake::Calls(), row.calls);
    }
    fake::ClearCalls();
    SimulateClick(40, -7);
    EXPECT_SEQUENCE(fake::Calls(), single);
}

TEST_F(MouseInputTest, ClicksEvenWhenTheCursorCannotBeSet)
{
    fake::FailCall("SetCursorPos");
    SimulateClick(40, -7, 2);
    EXPECT_SEQUENCE(fake::Calls(), {"SetCursorPos(40,-7)", kRightDown, kRightUp});
}

// Each coordinate is its own sample: a cursor moving between the two reads
// gives x from the first place and y from the second.
TEST_F(MouseInputTest, EachCoordinateReadsTheCursorAnew)
{
    fake::SetCursorPath({{10, 20}, {30, 40}});
    EXPECT_EQ(GetCursorX(), 10);
    EXPECT_EQ(GetCursorY(), 40);
    EXPECT_SEQUENCE(fake::Calls(), {"GetCursorPos()", "GetCursorPos()"});
}

TEST_F(MouseInputTest, CursorThatCannotBeReadGivesZero)
{
    fake::SetCursor(300, 200);
    fake::FailCall("GetCursorPos", 0, 2);
    EXPECT_EQ(GetCursorX(), 0);
    EXPECT_EQ(GetCursorY(), 0);
}

TEST_F(MouseInputTest, ClickAllocatesNothing)
{
    for (int32_t type = 0; type < 4; ++type)
        SimulateClick(1, 2, type);
    EXPECT_TRUE(fake::CallsNamed({"HeapAlloc"}).empty());
}
