#include "app/trans_label.h"

#include "app/controls.h"
#include "app/window_text.h"
#include "services/text_heap.h"
#include "services/window_class.h"

namespace {

constexpr char kTransLabelClass[] = "XunzhiTransLabel";

const ControlForm* FormOf(os::HWND hwnd)
{
    return reinterpret_cast<const ControlForm*>(os::GetWindowLongA(hwnd, os::GWL_USERDATA));
}

struct Pass {
    os::COLORREF color;
    int offset;  // pixels right and down
};

// The passes of an effect: an optional first pass, then the main one.
int PassesOf(const ControlForm& form, Pass passes[2])
{
    constexpr os::COLORREF kWhite = 0xFFFFFF;
    switch (form.effect) {
    case 1:
        passes[0] = Pass{kWhite, 1};
        passes[1] = Pass{form.textColor, 0};
        return 2;
    case 2:
        passes[0] = Pass{kWhite, 0};
        passes[1] = Pass{form.textColor, 1};
        return 2;
    case 3:
        passes[0] = Pass{0, 2};
        passes[1] = Pass{form.textColor, 0};
        return 2;
    default:
        passes[0] = Pass{form.textColor, 0};
        return 1;
    }
}

void Paint(os::HWND hwnd)
{
    os::PAINTSTRUCT ps;
    os::HDC hdc = os::BeginPaint(hwnd, &ps);
    const ControlForm* form = FormOf(hwnd);
    os::RECT client;
    os::GetClientRect(hwnd, &client);
    char* text = form ? ReadWindowText(hwnd) : nullptr;
    if (!text) {  // an empty label draws nothing
        os::EndPaint(hwnd, &ps);
        return;
    }

    // A font lives for one paint only.
    os::HFONT font = form->font ? CreateFormFont(*form->font) : nullptr;
    os::HGDIOBJ previous = os::SelectObject(hdc, font ? font : os::GetStockObject(os::DEFAULT_GUI_FONT));
    os::UINT format = TransLabelFormat(*form);
    os::SetBkMode(hdc, os::TRANSPARENT);
    Pass passes[2];
    int count = PassesOf(*form, passes);
    for (int i = 0; i < count; ++i) {
        os::RECT r = client;
        if (passes[i].offset)
            os::OffsetRect(&r, passes[i].offset, passes[i].offset);
        os::SetTextColor(hdc, passes[i].color);
        os::DrawTextA(hdc, text, -1, &r, format);
    }
    os::SelectObject(hdc, previous);
    if (font)
        os::DeleteObject(font);
    FreeText(text);
    os::EndPaint(hwnd, &ps);
}

constexpr size_t kMaxBeneath = 64;

// The visible descendants of `parent`: for each child from the top of the
// z-order down, first its own, then the child itself.
void CollectVisible(os::HWND parent, os::HWND list[kMaxBeneath], size_t* count)
{
    for (os::HWND child = os::GetTopWindow(parent); child; child = os::GetWindow(child, os::GW_HWNDNEXT)) {
        if (!os::IsWindowVisible(child))
            continue;
        CollectVisible(child, list, count);
        if (*count < kMaxBeneath)
            list[(*count)++] = child;
    }
}

// A label has no background: after a move, what lies beneath it is painted
// again first, bottom up, and then the label itself.
void RedrawBeneath(os::HWND label)
{
    os::HWND top = label;
    while (!(os::GetWindowLongA(top, os::GWL_STYLE) & static_cast<os::LONG_PTR>(os::WS_POPUP))) {
        os::HWND parent = os::GetParent(top);
        if (!parent)
            break;
        top = parent;
    }
    os::RECT covered;
    os::GetWindowRect(label, &covered);
    if (top != label) {
        os::POINT a{covered.left, covered.top}, b{covered.right, covered.bottom};
        os::ScreenToClient(top, &a);
        os::ScreenToClient(top, &b);
        os::RECT inTop{a.x, a.y, b.x, b.y};
        os::InvalidateRect(top, &inTop, 1);
        os::UpdateWindow(top);
    }
    os::HWND beneath[kMaxBeneath];
    size_t count = 0;
    CollectVisible(top, beneath, &count);
    for (size_t i = count; i-- > 0;) {
        os::RECT area, overlap;
        os::GetWindowRect(beneath[i], &area);
        if (!os::IntersectRect(&overlap, &area, &covered) || os::IsRectEmpty(&overlap))
            continue;
        os::POINT a{overlap.left, overlap.top}, b{overlap.right, overlap.bottom};
        os::ScreenToClient(beneath[i], &a);
        os::ScreenToClient(beneath[i], &b);
        os::RECT local{a.x, a.y, b.x, b.y};
        os::RedrawWindow(beneath[i], &local, nullptr,
                         os::RDW_INVALIDATE | os::RDW_ERASE | os::RDW_UPDATENOW | os::RDW_ERASENOW | os::RDW_FRAME);
    }
    os::InvalidateRect(label, nullptr, 0);
}

os::LRESULT OSCALL TransLabelProc(os::HWND hwnd, os::UINT msg, os::WPARAM wParam, os::LPARAM lParam)
{
    switch (msg) {
    case os::WM_PAINT:
        Paint(hwnd);
        return 0;
    case os::WM_MOVE: {
        os::LRESULT result = os::DefWindowProcA(hwnd, msg, wParam, lParam);
        RedrawBeneath(hwnd);
        return result;
    }
    default:
        return os::DefWindowProcA(hwnd, msg, wParam, lParam);
    }
}

}  // namespace

os::UINT TransLabelFormat(const ControlForm& form)
{
    os::UINT format = os::DT_NOPREFIX;
    if (form.horizontalAlign == 1)
        format |= os::DT_CENTER;
    else if (form.horizontalAlign == 2)
        format |= os::DT_RIGHT;
    if (form.wordWrap)
        return format | os::DT_WORDBREAK | os::DT_VCENTER;
    format |= os::DT_SINGLELINE;
    if (form.verticalAlign == 1)
        format |= os::DT_VCENTER;
    else if (form.verticalAlign == 2)
        format |= os::DT_BOTTOM;
    return format;
}

void RegisterTransLabelClass(os::HINSTANCE instance)
{
    // The null brush: erasing paints nothing, the window shows through.
    RegisterPlainClass(instance, kTransLabelClass, os::CS_DBLCLKS | os::CS_HREDRAW | os::CS_VREDRAW, TransLabelProc);
}

os::HWND CreateTransLabel(os::HWND parent, const ControlForm& form, int childId, os::HINSTANCE instance)
{
    os::HWND label = os::CreateWindowExA(os::WS_EX_TRANSPARENT, kTransLabelClass, form.text,
                                         os::WS_CHILD | os::WS_CLIPSIBLINGS, form.x, form.y, form.width, form.height,
                                         parent, static_cast<os::UINT_PTR>(childId), instance, nullptr);
    if (label)
        os::SetWindowLongA(label, os::GWL_USERDATA, reinterpret_cast<os::LONG_PTR>(&form));
    return label;
}
