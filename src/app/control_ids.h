// The names of the main window and its controls, as every property access and
// every event addresses them.
#pragma once

#include <cstdint>

using ControlId = uint32_t;

constexpr ControlId kMainWindow = 0x52010001;      // the window, as a window
constexpr ControlId kMainWindowSelf = 0x06010000;  // the window, as a control of itself
constexpr ControlId kModeBox = 0x16010002;         // 组合框1
constexpr ControlId kModeCaption = 0x16010005;     // 透明标签1
constexpr ControlId kStatusLine = 0x16010016;      // 编辑框2
constexpr ControlId kStartButton = 0x16010017;     // 按钮1
constexpr ControlId kClickTimer = 0x16010019;      // 时钟1
constexpr ControlId kIntervalCaption = 0x16010022; // 透明标签5
constexpr ControlId kIntervalBox = 0x16010024;     // 编辑框3
constexpr ControlId kStopButton = 0x16010063;      // 按钮2
constexpr ControlId kCreditsLabel = 0x1601008e;    // 透明标签2
constexpr ControlId kHotkeyLabel = 0x160100a0;     // 标签1

// Property numbers: 0 to 7 are common to every kind, a kind's own follow.
constexpr int32_t kPropContent = 8;      // 编辑框: the text
constexpr int32_t kPropSelection = 19;   // 组合框: index of the selected item, -1 for none
constexpr int32_t kPropPeriod = 8;       // 时钟: milliseconds, 0 when stopped
constexpr int32_t kWholeValue = -1;      // the `part` that means the whole value

// Event numbers. A kind's own events count from 0; input events, which the
// window raises for any control, are negative.
constexpr int32_t kEventCreated = 0;     // the window's
constexpr int32_t kEventCloseQuery = 1;
constexpr int32_t kEventDestroyed = 2;
constexpr int32_t kEventMoved = 3;
constexpr int32_t kEventResized = 4;
constexpr int32_t kEventClicked = 0;     // a button's
constexpr int32_t kEventTick = 0;        // a timer's
constexpr int32_t kEventFeedback = 0;    // a label's
constexpr int32_t kEventLeftButtonDown = -1;
constexpr int32_t kEventLeftButtonUp = -2;
constexpr int32_t kEventDoubleClicked = -3;
constexpr int32_t kEventRightButtonDown = -4;
constexpr int32_t kEventRightButtonUp = -5;
constexpr int32_t kEventPointerMoved = -6;
constexpr int32_t kEventFocusGained = -7;
constexpr int32_t kEventFocusLost = -8;
constexpr int32_t kEventKeyDown = -9;
constexpr int32_t kEventKeyUp = -10;
constexpr int32_t kEventCharacter = -11;
constexpr int32_t kEventWheel = -12;
