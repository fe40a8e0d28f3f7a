// The fake's standard controls, as far as the program relies on them: the
// edit box (text, limit, selection, typing, paste, focus notifications), the
// drop-down list (items, selection, heights), the push button (click on
// release, BM_CLICK) and the spin control's range.
#include <algorithm>
#include <cstring>

#include "fake/fake_state.h"

namespace fake {

namespace {

constexpr int kNoLimit = 0x7FFFFFFE;

void Select(Window* w, int start, int end)
{
    int len = static_cast<int>(w->text.size());
    w->selStart = std::clamp(start, 0, len);
    w->selEnd = std::clamp(end, 0, len);
}

// Replaces the selection with as much of `insert` as the limit lets in.
bool ReplaceSelection(Window* w, std::string insert)
{
    int lo = std::min(w->selStart, w->selEnd);
    int hi = std::max(w->selStart, w->selEnd);
    int room = w->limit - (static_cast<int>(w->text.size()) - (hi - lo));
    if (room <= 0 && !insert.empty())
        return false;
    if (static_cast<int>(insert.size()) > room)
        insert.resize(static_cast<size_t>(std::max(room, 0)));
    w->text.replace(static_cast<size_t>(lo), static_cast<size_t>(hi - lo), insert);
    w->selStart = w->selEnd = lo + static_cast<int>(insert.size());
    return true;
}

}  // namespace

os::LRESULT OSCALL EditProc(os::HWND hwnd, os::UINT msg, os::WPARAM wParam, os::LPARAM lParam)
{
    Window* w = W(hwnd);
    if (!w)
        return 0;
    switch (msg) {
    case os::WM_CREATE:
        w->limit = 30000;
        w->selStart = w->selEnd = 0;
        return 0;
    case os::WM_SETTEXT:
        w->text = lParam ? reinterpret_cast<const char*>(lParam) : "";
        w->selStart = w->selEnd = 0;
        Notify(w, os::EN_CHANGE);
        return 1;
    case os::EM_LIMITTEXT:
        w->limit = wParam ? static_cast<int>(std::min<os::WPARAM>(wParam, kNoLimit)) : kNoLimit;
        return 0;
    case os::EM_GETLIMITTEXT:
        return w->limit;
    case os::EM_SETSEL: {
        int start = static_cast<int>(static_cast<intptr_t>(wParam));
        int end = static_cast<int>(lParam);
        int len = static_cast<int>(w->text.size());
        if (start == -1) {
            w->selStart = w->selEnd;  // deselects, the caret stays
            return 1;
        }
        Select(w, start, end < 0 ? len : end);
        return 1;
    }
    case os::EM_GETSEL: {
        os::DWORD lo = static_cast<os::DWORD>(std::min(w->selStart, w->selEnd));
        os::DWORD hi = static_cast<os::DWORD>(std::max(w->selStart, w->selEnd));
        if (wParam)
            *reinterpret_cast<os::DWORD*>(wParam) = lo;
        if (lParam)
            *reinterpret_cast<os::DWORD*>(lParam) = hi;
        return static_cast<os::LRESULT>((hi << 16) | (lo & 0xFFFF));
    }
    case os::EM_REPLACESEL:
        if (ReplaceSelection(w, lParam ? reinterpret_cast<const char*>(lParam) : ""))
            Notify(w, os::EN_CHANGE);
        return 0;
    case os::EM_SCROLLCARET:
        return 1;
    case os::WM_CHAR: {
        unsigned char c = static_cast<unsigned char>(wParam);
        int lo = std::min(w->selStart, w->selEnd);
        int hi = std::max(w->selStart, w->selEnd);
        bool changed = false;
        if (c == 0x08) {  // Backspace
            if (hi > lo) {
                changed = ReplaceSelection(w, "");
            } else if (lo > 0) {
                w->text.erase(static_cast<size_t>(lo - 1), 1);
                w->selStart = w->selEnd = lo - 1;
                changed = true;
            }
        } else if (c == 0x16) {  // Ctrl+V
            changed = ReplaceSelection(w, S().clipboard);
        } else if (c == 0x03 || c == 0x18) {  // Ctrl+C, Ctrl+X
            S().clipboard = w->text.substr(static_cast<size_t>(lo), static_cast<size_t>(hi - lo));
            if (c == 0x18)
                changed = ReplaceSelection(w, "");
        } else if (c >= 0x20) {
            changed = ReplaceSelection(w, std::string(1, static_cast<char>(c)));
        }
        if (changed)
            Notify(w, os::EN_CHANGE);
        return 0;
    }
    case os::WM_SETFOCUS:
        Notify(w, os::EN_SETFOCUS);
        return 0;
    case os::WM_KILLFOCUS:
        Notify(w, os::EN_KILLFOCUS);
        return 0;
    case os::WM_LBUTTONDOWN:
        MoveFocus(w);
        return 0;
    default:
        return DefProc(hwnd, msg, wParam, lParam);
    }
}

os::LRESULT OSCALL ComboProc(os::HWND hwnd, os::UINT msg, os::WPARAM wParam, os::LPARAM lParam)
{
    Window* w = W(hwnd);
    if (!w)
        return 0;
    int count = static_cast<int>(w->items.size());
    switch (msg) {
    case os::WM_CREATE:
        // A drop-down list's own window is as tall as its selection field.
        w->rect.bottom = w->rect.top + w->fieldHeight + 6;
        return 0;
    case os::CB_ADDSTRING:
        w->items.push_back(lParam ? reinterpret_cast<const char*>(lParam) : "");
        return count;
    case os::CB_GETCOUNT:
        return count;
    case os::CB_GETCURSEL:
        return w->curSel;
    case os::CB_SETCURSEL: {
        int index = static_cast<int>(static_cast<intptr_t>(wParam));
        if (index < 0 || index >= count) {
            w->curSel = -1;
            w->text.clear();
            return os::CB_ERR;
        }
        w->curSel = index;
        w->text = w->items[static_cast<size_t>(index)];
        return index;
    }
    case os::CB_GETLBTEXT: {
        int index = static_cast<int>(wParam);
        if (index < 0 || index >= count)
            return os::CB_ERR;
        const std::string& item = w->items[static_cast<size_t>(index)];
        std::memcpy(reinterpret_cast<char*>(lParam), item.c_str(), item.size() + 1);
        return static_cast<os::LRESULT>(item.size());
    }
    case os::CB_GETLBTEXTLEN: {
        int index = static_cast<int>(wParam);
        if (index < 0 || index >= count)
            return os::CB_ERR;
        return static_cast<os::LRESULT>(w->items[static_cast<size_t>(index)].size());
    }
    case os::CB_SETITEMHEIGHT:
        if (static_cast<int>(static_cast<intptr_t>(wParam)) == -1) {
            w->fieldHeight = static_cast<int>(lParam);
            w->rect.bottom = w->rect.top + w->fieldHeight + 6;
        } else {
            w->itemHeight = static_cast<int>(lParam);
        }
        return 0;
    case os::CB_GETITEMHEIGHT:
        return static_cast<int>(static_cast<intptr_t>(wParam)) == -1 ? w->fieldHeight : w->itemHeight;
    case os::WM_KEYDOWN:
        if ((wParam == os::VK_DOWN || wParam == os::VK_UP) && count > 0) {
            int next = std::clamp(w->curSel + (wParam == os::VK_DOWN ? 1 : -1), 0, count - 1);
            if (next != w->curSel) {
                w->curSel = next;
                w->text = w->items[static_cast<size_t>(next)];
                Notify(w, os::CBN_SELCHANGE);
            }
        }
        return 0;
    case os::WM_LBUTTONDOWN:
        MoveFocus(w);
        return 0;
    default:
        return DefProc(hwnd, msg, wParam, lParam);
    }
}

os::LRESULT OSCALL ButtonProc(os::HWND hwnd, os::UINT msg, os::WPARAM wParam, os::LPARAM lParam)
{
    Window* w = W(hwnd);
    if (!w)
        return 0;
    constexpr os::WPARAM kSpace = 0x20;
    switch (msg) {
    case os::WM_LBUTTONDOWN:
        MoveFocus(w);
        w->pressed = true;
        return 0;
    case os::WM_LBUTTONUP:
        if (w->pressed) {
            w->pressed = false;
            Notify(w, os::BN_CLICKED);
        }
        return 0;
    case os::WM_KEYDOWN:
        if (wParam == kSpace)
            w->pressed = true;
        return 0;
    case os::WM_KEYUP:
        if (wParam == kSpace && w->pressed) {
            w->pressed = false;
            Notify(w, os::BN_CLICKED);
        }
        return 0;
    case os::BM_GETSTATE:
        return (w->pressed ? os::BST_PUSHED : 0) | w->check;
    case os::BM_GETCHECK:
        return w->check;
    case os::BM_SETCHECK:
        w->check = static_cast<int>(wParam & 3);
        return 0;
    case os::BM_CLICK:
        Deliver(w, os::WM_LBUTTONDOWN, 1, 0);
        Deliver(w, os::WM_LBUTTONUP, 0, 0);
        return 0;
    default:
        return DefProc(hwnd, msg, wParam, lParam);
    }
}

os::LRESULT OSCALL UpDownProc(os::HWND hwnd, os::UINT msg, os::WPARAM wParam, os::LPARAM lParam)
{
    Window* w = W(hwnd);
    if (!w)
        return 0;
    if (msg == os::UDM_SETRANGE) {
        w->rangeHigh = static_cast<os::SHORT>(lParam & 0xFFFF);
        w->rangeLow = static_cast<os::SHORT>((lParam >> 16) & 0xFFFF);
        return 0;
    }
    if (msg == os::WM_USER + 103) {  // UDM_SETPOS
        w->curSel = static_cast<int>(lParam);
        return 0;
    }
    return DefProc(hwnd, msg, wParam, lParam);
}

void ClickSpin(os::HWND spin, int delta)
{
    Window* w = W(spin);
    if (!EnabledForInput(w) || !w->parent)
        return;
    os::NMUPDOWN nm{{spin, static_cast<os::UINT_PTR>(w->id), os::UDN_DELTAPOS}, w->curSel, delta};
    if (!Deliver(w->parent, os::WM_NOTIFY, static_cast<os::WPARAM>(w->id), reinterpret_cast<os::LPARAM>(&nm)))
        w->curSel += delta;
}

}  // namespace fake
