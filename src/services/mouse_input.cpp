#include "services/mouse_input.h"

#include "os/win32.h"

// When GetCursorPos fails the point stays (0, 0), and the click goes there.
int32_t GetCursorX()
{
    os::POINT point{0, 0};
    os::GetCursorPos(&point);
    return point.x;
}

int32_t GetCursorY()
{
    os::POINT point{0, 0};
    os::GetCursorPos(&point);
    return point.y;
}

namespace {

void Send(os::DWORD flag, int32_t x, int32_t y)
{
    // No move flag: dx and dy move nothing, the event acts at the cursor.
    os::mouse_event(flag, static_cast<os::DWORD>(x), static_cast<os::DWORD>(y), 0, 0);
}

}  // namespace

void SimulateClick(int32_t x, int32_t y, int32_t type)
{
    os::SetCursorPos(x, y);
    bool right = type == 2 || type == 3;
    bool twice = type == 1 || type == 3;
    os::DWORD down = right ? os::MOUSEEVENTF_RIGHTDOWN : os::MOUSEEVENTF_LEFTDOWN;
    os::DWORD up = right ? os::MOUSEEVENTF_RIGHTUP : os::MOUSEEVENTF_LEFTUP;
    // Back to back, no pause: the second press counts as a double click.
    for (int i = 0; i < (twice ? 2 : 1); ++i) {
        Send(down, x, y);
        Send(up, x, y);
    }
}
