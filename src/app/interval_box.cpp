#include "app/interval_box.h"

#include <climits>

#include "app/window_text.h"
#include "services/text.h"
#include "services/text_heap.h"

namespace {

constexpr int kSpinWidth = 18;
constexpr int32_t kSpinLow = 0;
constexpr int32_t kSpinHigh = 10000;
constexpr os::UINT kImeChar = 0x0286;  // WM_IME_CHAR: a double-byte character from an input method
constexpr os::UINT kSetPos = os::WM_USER + 103;  // UDM_SETPOS

// The box keeps its spin control and the procedure it wrapped.
struct IntegerBox {
    os::WNDPROC previous;
    os::HWND spin;
};

IntegerBox* BoxOf(os::HWND edit)
{
    return reinterpret_cast<IntegerBox*>(os::GetWindowLongA(edit, os::GWL_USERDATA));
}

bool Accepted(os::WPARAM code) { return code < 32 || (code >= '0' && code <= '9') || code == '-'; }

int32_t ClampToInt32(int64_t v)
{
    return v < INT32_MIN ? INT32_MIN : v > INT32_MAX ? INT32_MAX : static_cast<int32_t>(v);
}

// "%d", by hand: the same bytes on every platform. Fits 12 bytes.
void FormatInt32(int32_t value, char out[12])
{
    char digits[11];
    int n = 0;
    uint32_t magnitude = value < 0 ? 0u - static_cast<uint32_t>(value) : static_cast<uint32_t>(value);
    do {
        digits[n++] = static_cast<char>('0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude);
    int at = 0;
    if (value < 0)
        out[at++] = '-';
    while (n)
        out[at++] = digits[--n];
    out[at] = 0;
}


// The spin control goes wherever the box goes: right of it, at its top.
void PlaceSpin(os::HWND edit, const IntegerBox* box)
{
    os::RECT r;
    os::GetWindowRect(edit, &r);
    os::POINT topLeft{r.left, r.top};
    os::ScreenToClient(os::GetParent(edit), &topLeft);
    os::MoveWindow(box->spin, topLeft.x + (r.right - r.left), topLeft.y, kSpinWidth, r.bottom - r.top, 1);
}

os::LRESULT OSCALL IntegerBoxProc(os::HWND hwnd, os::UINT msg, os::WPARAM wParam, os::LPARAM lParam)
{
    IntegerBox* box = BoxOf(hwnd);
    if (!box)
        return os::DefWindowProcA(hwnd, msg, wParam, lParam);
    os::WNDPROC previous = box->previous;
    switch (msg) {
    case os::WM_CHAR:
    case kImeChar:
        if (!Accepted(wParam))
            return 0;  // dropped without a sound
        break;
    case os::WM_SHOWWINDOW:
        os::ShowWindow(box->spin, wParam ? os::SW_SHOWNA : os::SW_HIDE);
        break;
    case os::WM_ENABLE:
        os::EnableWindow(box->spin, static_cast<os::BOOL>(wParam));
        break;
    case os::WM_MOVE:
    case os::WM_SIZE:
        PlaceSpin(hwnd, box);
        break;
    case os::WM_NCDESTROY:
        os::SetWindowLongA(hwnd, os::GWL_USERDATA, 0);
        os::SetWindowLongA(hwnd, os::GWL_WNDPROC, reinterpret_cast<os::LONG_PTR>(previous));
        FreeBlock(box);
        break;
    default:
        break;
    }
    return os::CallWindowProcA(previous, hwnd, msg, wParam, lParam);
}

}  // namespace

int64_t ReadLeadingInteger(const char* text)
{
    const char* p = text ? text : "";
    while (*p == ' ' || (*p >= '\t' && *p <= '\r'))
        ++p;
    bool negative = *p == '-';
    if (*p == '+' || *p == '-')
        ++p;
    // Accumulated as a negative number, which reaches INT64_MIN exactly.
    int64_t value = 0;
    for (; *p >= '0' && *p <= '9'; ++p) {
        int digit = *p - '0';
        if (value < (INT64_MIN + digit) / 10)
            return negative ? INT64_MIN : INT64_MAX;
        value = value * 10 - digit;
    }
    if (negative)
        return value;
    return value == INT64_MIN ? INT64_MAX : -value;
}

bool MakeIntegerBox(os::HWND parent, os::HWND edit, os::HINSTANCE instance)
{
    os::InitCommonControls();  // the spin control's class lives in comctl32
    os::HWND spin = os::CreateWindowExA(os::WS_EX_STATICEDGE, "msctls_updown32", nullptr,
                                        os::WS_CHILD | os::WS_CLIPSIBLINGS, 0, 0, kSpinWidth, 0, parent,
                                        kSpinChildId, instance, nullptr);
    if (!spin)
        return false;
    os::SendMessageA(spin, os::UDM_SETRANGE, 0, static_cast<os::LPARAM>((kSpinLow << 16) | kSpinHigh));
    // Resting in the middle of its range, the control always reports both arrows.
    os::SendMessageA(spin, kSetPos, 0, (kSpinLow + kSpinHigh) / 2);
    auto* box = static_cast<IntegerBox*>(AllocBlock(sizeof(IntegerBox)));
    box->spin = spin;
    os::SetWindowLongA(edit, os::GWL_USERDATA, reinterpret_cast<os::LONG_PTR>(box));
    box->previous = reinterpret_cast<os::WNDPROC>(
        os::SetWindowLongA(edit, os::GWL_WNDPROC, reinterpret_cast<os::LONG_PTR>(IntegerBoxProc)));
    PlaceSpin(edit, box);
    return true;
}

os::HWND SpinOf(os::HWND edit)
{
    IntegerBox* box = edit ? BoxOf(edit) : nullptr;
    return box ? box->spin : nullptr;
}

void RewriteIntegerBox(os::HWND edit)
{
    char* text = ReadWindowText(edit);
    char plain[12];
    FormatInt32(ClampToInt32(ReadLeadingInteger(text)), plain);
    if (CompareText(plain, "0") == 0)
        plain[0] = 0;
    if (CompareText(plain, text) != 0) {  // the absent text counts as empty
        os::DWORD start = 0;
        os::SendMessageA(edit, os::EM_GETSEL, reinterpret_cast<os::WPARAM>(&start), 0);
        os::SetWindowTextA(edit, plain);
        os::SendMessageA(edit, os::EM_SETSEL, start, static_cast<os::LPARAM>(start));
    }
    FreeText(text);
}

void StepIntegerBox(os::HWND edit, int delta)
{
    if (!os::IsWindowEnabled(edit) || !os::IsWindowVisible(edit))
        return;
    char* text = ReadWindowText(edit);
    int64_t n = ClampToInt32(ReadLeadingInteger(text));
    FreeText(text);
    int64_t next;
    if (delta < 0)
        next = n - 1 >= kSpinLow && n - 1 <= kSpinHigh ? n - 1 : kSpinHigh;
    else
        next = n + 1 >= kSpinLow && n + 1 <= kSpinHigh ? n + 1 : kSpinLow;
    char digits[12];
    FormatInt32(static_cast<int32_t>(next), digits);
    os::SetWindowTextA(edit, digits);
    os::SendMessageA(edit, os::EM_SETSEL, 0, -1);
    os::SendMessageA(edit, os::EM_SCROLLCARET, 0, 0);
    os::SetFocus(edit);
}
