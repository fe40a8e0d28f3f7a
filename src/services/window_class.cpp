#include "services/window_class.h"

void RegisterPlainClass(os::HINSTANCE instance, const char* name, os::UINT style, os::WNDPROC proc)
{
    os::WNDCLASSA wc{};
    wc.style = style;
    wc.lpfnWndProc = proc;
    wc.hInstance = instance;
    wc.hCursor = os::LoadCursorA(nullptr, os::IDC_ARROW);
    wc.hbrBackground = static_cast<os::HBRUSH>(os::GetStockObject(os::NULL_BRUSH));
    wc.lpszClassName = name;
    os::RegisterClassA(&wc);
}
