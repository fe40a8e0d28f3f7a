// Every test starts as a fresh process: the fake forgets every window, block
// and call, and the program's own process-wide state is back at its start
// values. Without this a test could walk state a previous test's process
// left behind (the fake frees that test's heap blocks at reset).
#include <gtest/gtest.h>

#include "app/startup.h"
#include "fake/fake_os.h"
#include "services/text_heap.h"

namespace {

class FreshProcess : public ::testing::EmptyTestEventListener {
    void OnTestStart(const ::testing::TestInfo&) override
    {
        fake::Reset();
        ResetProcessState();
        SetTextHeap(nullptr);
    }
};

const bool kInstalled = [] {
    ::testing::UnitTest::GetInstance()->listeners().Append(new FreshProcess);
    return true;
}();

}  // namespace
