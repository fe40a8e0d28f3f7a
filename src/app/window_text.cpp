#include "app/window_text.h"

#include "services/text_heap.h"

char* ReadWindowText(os::HWND hwnd)
{
    int length = os::GetWindowTextLengthA(hwnd);
    if (length <= 0)
        return nullptr;
    char* text = AllocText(static_cast<size_t>(length) + 1);
    int copied = os::GetWindowTextA(hwnd, text, length + 1);
    text[copied > 0 && copied <= length ? copied : 0] = 0;
    if (text[0] == 0) {  // the text went away between the two calls
        FreeText(text);
        return nullptr;
    }
    return text;
}
