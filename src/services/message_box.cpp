#include "services/message_box.h"

#include "os/win32.h"

int32_t ShowMessageBox(const char* message, int32_t flags, const char* title)
{
    os::UINT style = static_cast<os::UINT>(flags);
    // A box without owner would let the user go on using our window behind it.
    if (!(style & os::MB_SYSTEMMODAL))
        style |= os::MB_TASKMODAL;
    int pressed = os::MessageBoxA(nullptr, message ? message : "", title ? title : "信息：", style);
    // IDOK..IDNO are 1..7; 0 (no box) and anything unknown read as OK.
    if (pressed >= os::IDOK && pressed <= os::IDNO)
        return pressed - os::IDOK;
    return 0;
}
