// The fake's switches for measuring: the call log can be turned off without
// changing what is simulated, and heap allocations are counted.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fake/fake_os.h"

TEST(FakeRecording, OffRecordsNothingButStillSimulates)
{
    fake::Reset();
    fake::SetRecording(false);
    os::SetCursorPos(40, 50);
    os::POINT point{0, 0};
    EXPECT_EQ(os::GetCursorPos(&point), 1);
    os::mouse_event(os::MOUSEEVENTF_LEFTDOWN, 40, 50, 0, 0);
    os::HeapFree(os::GetProcessHeap(), 0, os::HeapAlloc(os::GetProcessHeap(), 0, 8));
    EXPECT_TRUE(fake::Calls().empty());
    EXPECT_EQ(point.x, 40);
    EXPECT_EQ(point.y, 50);
    fake::SetRecording(true);
    os::SetCursorPos(1, 2);
    EXPECT_EQ(fake::Calls(), std::vector<std::string>{"SetCursorPos(1,2)"});
}

TEST(FakeRecording, ResetTurnsRecordingBackOn)
{
    fake::Reset();
    fake::SetRecording(false);
    fake::Reset();
    os::POINT point{0, 0};
    os::GetCursorPos(&point);
    EXPECT_EQ(fake::CallsNamed({"GetCursorPos"}).size(), 1u);
}

TEST(FakeRecording, HeapAllocationsAreCountedFailedOnesToo)
{
    fake::Reset();
    os::HANDLE heap = os::GetProcessHeap();
    void* a = os::HeapAlloc(heap, 0, 16);
    os::HeapFree(heap, 0, a);
    fake::FailCall("HeapAlloc");
    EXPECT_EQ(os::HeapAlloc(heap, 0, 16), nullptr);
    EXPECT_EQ(fake::HeapAllocCalls(), 2u);
    EXPECT_EQ(fake::LiveHeapBlocks(), 0u);
    fake::Reset();
    EXPECT_EQ(fake::HeapAllocCalls(), 0u);
}
