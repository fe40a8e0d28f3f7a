// A fresh process over the fake for every test, and short ways to reach the
// window's controls.
#pragma once

#include <gtest/gtest.h>

#include "app/control_ids.h"
#include "app/events.h"
#include "app/main_window.h"
#include "app/properties.h"
#include "app/startup.h"
#include "fake/fake_os.h"
#include "services/text_heap.h"

class AppTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        fake::Reset();
        ResetProcessState();
        SetTextHeap(os::GetProcessHeap());
        fake::ClearCalls();
    }

    void TearDown() override { UseFormBindings(); }

    // Loads the window as start-up does, without running the loop.
    void Load() { LoadWindow(kMainWindow); }

    static os::HWND Handle(ControlId control) { return GetWindowHandle(kMainWindow, control); }
    static os::HWND Main() { return MainWindowHandle(); }

    // Runs queued input and the script through the program's own loop.
    static void Pump() { RunMessageLoop(); }
};
