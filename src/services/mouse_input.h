// Where the cursor is, and clicks synthesized at a point.
#pragma once

#include <cstdint>

// The cursor's position in screen pixels; each reads the cursor anew.
int32_t GetCursorX();
int32_t GetCursorY();

// Moves the cursor to (x, y) and sends one click of the mode there: 0 left,
// 1 left double, 2 right, 3 right double; any other mode clicks as 0.
void SimulateClick(int32_t x, int32_t y, int32_t type = 0);
