#include "app/flat_drawing.h"

#include <algorithm>

namespace {

constexpr os::COLORREF Rgb(int r, int g, int b) { return static_cast<os::COLORREF>(r | (g << 8) | (b << 16)); }

constexpr os::COLORREF kWhite = Rgb(255, 255, 255);
constexpr os::COLORREF kBlack = Rgb(0, 0, 0);
constexpr os::COLORREF kPaletteFrames[] = {Rgb(123, 158, 189), Rgb(164, 185, 127), Rgb(198, 197, 215)};
constexpr int kDisabledShade = 0x20;
constexpr int kBoxSize = 13;  // the square of a check box, the circle of a radio button

enum class Face { Normal, Hot, Pressed, Disabled };
enum class Arrow { Up, Down, Left, Right };

// Every tint of the look comes from the palette's frame colour.
os::COLORREF Base(int32_t palette) { return kPaletteFrames[palette >= 1 && palette <= 3 ? palette - 1 : 2]; }

// `a` moved toward `b` by weight/256, channel by channel.
os::COLORREF Mix(os::COLORREF a, os::COLORREF b, int weight)
{
    os::COLORREF out = 0;
    for (int shift = 0; shift < 24; shift += 8) {
        int ca = static_cast<int>((a >> shift) & 0xFF);
        int cb = static_cast<int>((b >> shift) & 0xFF);
        out |= static_cast<os::COLORREF>(ca + (cb - ca) * weight / 256) << shift;
    }
    return out;
}

os::COLORREF Darker(os::COLORREF c, int amount)
{
    os::COLORREF out = 0;
    for (int shift = 0; shift < 24; shift += 8)
        out |= static_cast<os::COLORREF>(std::max(0, static_cast<int>((c >> shift) & 0xFF) - amount)) << shift;
    return out;
}

struct Shades {
    os::COLORREF border;
    os::COLORREF top;
    os::COLORREF bottom;
};

// Light at the top, a little darker below; hot is lighter, pressed turns the
// gradient over; disabled is flat.
Shades ShadesOf(int32_t palette, Face face)
{
    os::COLORREF base = Base(palette);
    switch (face) {
    case Face::Hot: return {Mix(base, kBlack, 80), Mix(base, kWhite, 248), Mix(base, kWhite, 176)};
    case Face::Pressed: return {Mix(base, kBlack, 112), Mix(base, kWhite, 96), Mix(base, kWhite, 192)};
    case Face::Disabled: {
        os::COLORREF plain = os::GetSysColor(os::COLOR_BTNFACE);
        return {FlatFrameColor(palette, false), plain, plain};
    }
    case Face::Normal: break;
    }
    return {Mix(base, kBlack, 80), Mix(base, kWhite, 224), Mix(base, kWhite, 128)};
}

os::COLORREF GlyphColor(int32_t palette, bool enabled)
{
    return enabled ? Mix(Base(palette), kBlack, 160) : os::GetSysColor(os::COLOR_GRAYTEXT);
}

Face FaceOf(bool enabled, bool pressed, bool hot)
{
    return !enabled ? Face::Disabled : pressed ? Face::Pressed : hot ? Face::Hot : Face::Normal;
}

os::RECT Inset(os::RECT r, int d) { return os::RECT{r.left + d, r.top + d, r.right - d, r.bottom - d}; }

void Fill(os::HDC hdc, const os::RECT& r, os::COLORREF color)
{
    if (r.right <= r.left || r.bottom <= r.top)
        return;
    if (os::HBRUSH brush = os::CreateSolidBrush(color)) {
        os::FillRect(hdc, &r, brush);
        os::DeleteObject(brush);
    }
}

void Frame(os::HDC hdc, const os::RECT& r, os::COLORREF color)
{
    if (r.right <= r.left || r.bottom <= r.top)
        return;
    if (os::HBRUSH brush = os::CreateSolidBrush(color)) {
        os::FrameRect(hdc, &r, brush);
        os::DeleteObject(brush);
    }
}

// Strips of one row, rows of the same colour merged into one fill.
void Gradient(os::HDC hdc, const os::RECT& r, os::COLORREF top, os::COLORREF bottom)
{
    int rows = r.bottom - r.top;
    auto colorAt = [&](int row) { return Mix(top, bottom, rows > 1 ? row * 256 / (rows - 1) : 0); };
    for (int start = 0; start < rows;) {
        os::COLORREF color = colorAt(start);
        int end = start + 1;
        while (end < rows && colorAt(end) == color)
            ++end;
        Fill(hdc, os::RECT{r.left, r.top + start, r.right, r.top + end}, color);
        start = end;
    }
}

void DrawFace(os::HDC hdc, const os::RECT& r, const Shades& shades)
{
    Frame(hdc, r, shades.border);
    Gradient(hdc, Inset(r, 1), shades.top, shades.bottom);
}

// A filled triangle of one-pixel lines, centred in `r`.
void DrawArrow(os::HDC hdc, const os::RECT& r, Arrow arrow, os::COLORREF color)
{
    int w = r.right - r.left;
    int h = r.bottom - r.top;
    int lines = std::clamp(std::min(w, h) / 4, 2, 4);
    os::HBRUSH brush = os::CreateSolidBrush(color);
    if (!brush)
        return;
    bool vertical = arrow == Arrow::Up || arrow == Arrow::Down;
    bool pointsFirst = arrow == Arrow::Up || arrow == Arrow::Left;  // the tip is the first line
    int cx = r.left + w / 2;
    int cy = r.top + h / 2;
    for (int i = 0; i < lines; ++i) {
        int half = pointsFirst ? i : lines - 1 - i;
        int at = (vertical ? cy : cx) - lines / 2 + i;
        os::RECT line = vertical ? os::RECT{cx - half, at, cx + half + 1, at + 1}
                                 : os::RECT{at, cy - half, at + 1, cy + half + 1};
        os::FillRect(hdc, &line, brush);
    }
    os::DeleteObject(brush);
}

// The classic 7 by 7 tick, three pixels thick.
void DrawCheck(os::HDC hdc, int x, int y, os::COLORREF color)
{
    static constexpr int kTops[7] = {2, 3, 4, 3, 2, 1, 0};
    os::HBRUSH brush = os::CreateSolidBrush(color);
    if (!brush)
        return;
    for (int c = 0; c < 7; ++c) {
        os::RECT stroke{x + c, y + kTops[c], x + c + 1, y + kTops[c] + 3};
        os::FillRect(hdc, &stroke, brush);
    }
    os::DeleteObject(brush);
}

void Disc(os::HDC hdc, const os::RECT& r, os::COLORREF outline, os::COLORREF fill)
{
    os::HPEN pen = os::CreatePen(os::PS_SOLID, 1, outline);
    os::HBRUSH brush = os::CreateSolidBrush(fill);
    if (pen && brush) {
        os::HGDIOBJ oldPen = os::SelectObject(hdc, pen);
        os::HGDIOBJ oldBrush = os::SelectObject(hdc, brush);
        os::Ellipse(hdc, r.left, r.top, r.right, r.bottom);
        os::SelectObject(hdc, oldBrush);
        os::SelectObject(hdc, oldPen);
    }
    if (pen)
        os::DeleteObject(pen);
    if (brush)
        os::DeleteObject(brush);
}

// What the parent paints check boxes and group boxes on; the button face
// when it does not say.
void FillBackground(os::HWND hwnd, os::HDC hdc, const os::RECT& r)
{
    os::HWND parent = os::GetParent(hwnd);
    auto brush = parent ? reinterpret_cast<os::HBRUSH>(os::SendMessageA(parent, os::WM_CTLCOLORSTATIC,
                                                                        reinterpret_cast<os::WPARAM>(hdc),
                                                                        reinterpret_cast<os::LPARAM>(hwnd)))
                        : nullptr;
    if (brush)
        os::FillRect(hdc, &r, brush);
    else
        Fill(hdc, r, os::GetSysColor(os::COLOR_BTNFACE));
}

bool IsRadio(os::DWORD type) { return type == os::BS_RADIOBUTTON || type == os::BS_AUTORADIOBUTTON; }

void DrawCheckBox(os::HWND hwnd, os::HDC hdc, const os::RECT& client, os::DWORD type, int32_t palette, Face face,
                  bool enabled, const char* text)
{
    FillBackground(hwnd, hdc, client);
    os::LRESULT check = os::SendMessageA(hwnd, os::BM_GETCHECK, 0, 0);
    int top = client.top + (client.bottom - client.top - kBoxSize) / 2;
    os::RECT box{client.left, top, client.left + kBoxSize, top + kBoxSize};
    Shades shades = ShadesOf(palette, face);
    os::COLORREF glyph = GlyphColor(palette, enabled);
    if (IsRadio(type)) {
        Disc(hdc, box, shades.border, shades.top);
        if (check == os::BST_CHECKED)
            Disc(hdc, Inset(box, 4), glyph, glyph);
    } else {
        DrawFace(hdc, box, shades);
        if (check == os::BST_CHECKED)
            DrawCheck(hdc, box.left + 3, box.top + 3, glyph);
        else if (check == os::BST_INDETERMINATE)
            Fill(hdc, Inset(box, 4), glyph);
    }
    os::SetTextColor(hdc, os::GetSysColor(enabled ? os::COLOR_BTNTEXT : os::COLOR_GRAYTEXT));
    os::RECT label{box.right + 4, client.top, client.right, client.bottom};
    os::DrawTextA(hdc, text, -1, &label, os::DT_LEFT | os::DT_VCENTER | os::DT_SINGLELINE);
}

// The frame runs through the middle of the caption, which sits on a gap of
// background at the top left.
void DrawGroupBox(os::HWND hwnd, os::HDC hdc, const os::RECT& client, int32_t palette, bool enabled,
                  const char* text)
{
    os::RECT measure{0, 0, 0, 0};
    int textHeight = os::DrawTextA(hdc, text, -1, &measure, os::DT_CALCRECT | os::DT_SINGLELINE);
    Frame(hdc, os::RECT{client.left, client.top + textHeight / 2, client.right, client.bottom},
          enabled ? Base(palette) : FlatFrameColor(palette, false));
    if (!text[0])
        return;
    os::RECT caption{client.left + 6, client.top, client.left + 10 + (measure.right - measure.left),
                     client.top + textHeight};
    FillBackground(hwnd, hdc, caption);
    os::SetTextColor(hdc, os::GetSysColor(enabled ? os::COLOR_BTNTEXT : os::COLOR_GRAYTEXT));
    caption.left += 2;
    os::DrawTextA(hdc, text, -1, &caption, os::DT_LEFT | os::DT_SINGLELINE);
}

}  // namespace

os::COLORREF FlatFrameColor(int32_t palette, bool enabled)
{
    return enabled ? Base(palette) : Darker(os::GetSysColor(os::COLOR_BTNFACE), kDisabledShade);
}

void DrawFlatButton(os::HWND hwnd, os::HDC hdc, int32_t palette, bool hot)
{
    os::RECT client;
    os::GetClientRect(hwnd, &client);
    os::DWORD type = static_cast<os::DWORD>(os::GetWindowLongA(hwnd, os::GWL_STYLE)) & os::BS_TYPEMASK;
    bool enabled = os::IsWindowEnabled(hwnd) != 0;
    bool pressed = (os::SendMessageA(hwnd, os::BM_GETSTATE, 0, 0) & os::BST_PUSHED) != 0;
    Face face = FaceOf(enabled, pressed, hot);
    char text[256];
    int length = os::GetWindowTextA(hwnd, text, sizeof text);
    text[length > 0 && length < static_cast<int>(sizeof text) ? length : 0] = 0;

    auto font = reinterpret_cast<os::HFONT>(os::SendMessageA(hwnd, os::WM_GETFONT, 0, 0));
    os::HGDIOBJ oldFont = os::SelectObject(hdc, font ? font : os::GetStockObject(os::DEFAULT_GUI_FONT));
    os::SetBkMode(hdc, os::TRANSPARENT);
    if (type == os::BS_GROUPBOX) {
        DrawGroupBox(hwnd, hdc, client, palette, enabled, text);
    } else if (type == os::BS_PUSHBUTTON || type == os::BS_DEFPUSHBUTTON) {
        DrawFace(hdc, client, ShadesOf(palette, face));
        // The default or focused button wears a second ring in the frame colour.
        if (enabled && (type == os::BS_DEFPUSHBUTTON || os::GetFocus() == hwnd))
            Frame(hdc, Inset(client, 1), Base(palette));
        os::SetTextColor(hdc, os::GetSysColor(enabled ? os::COLOR_BTNTEXT : os::COLOR_GRAYTEXT));
        os::RECT r = Inset(client, 2);
        if (pressed)
            os::OffsetRect(&r, 1, 1);
        os::DrawTextA(hdc, text, -1, &r, os::DT_CENTER | os::DT_VCENTER | os::DT_SINGLELINE);
    } else {
        DrawCheckBox(hwnd, hdc, client, type, palette, face, enabled, text);
    }
    os::SelectObject(hdc, oldFont);
}

namespace {
bool Horizontal(os::HWND hwnd) { return (os::GetWindowLongA(hwnd, os::GWL_STYLE) & os::UDS_HORZ) != 0; }

void SpinParts(const os::RECT& c, bool horizontal, os::RECT parts[2])
{
    if (horizontal) {
        int mid = c.left + (c.right - c.left) / 2;
        parts[0] = os::RECT{c.left, c.top, mid, c.bottom};
        parts[1] = os::RECT{mid, c.top, c.right, c.bottom};
    } else {
        int mid = c.top + (c.bottom - c.top) / 2;
        parts[0] = os::RECT{c.left, c.top, c.right, mid};
        parts[1] = os::RECT{c.left, mid, c.right, c.bottom};
    }
}
}  // namespace

void DrawFlatSpin(os::HWND hwnd, os::HDC hdc, int32_t palette, int hotPart, int pressedPart)
{
    os::RECT client;
    os::GetClientRect(hwnd, &client);
    bool horizontal = Horizontal(hwnd);
    bool enabled = os::IsWindowEnabled(hwnd) != 0;
    os::RECT parts[2];
    SpinParts(client, horizontal, parts);
    for (int i = 0; i < 2; ++i) {
        DrawFace(hdc, parts[i], ShadesOf(palette, FaceOf(enabled, pressedPart == i, hotPart == i)));
        Arrow arrow = horizontal ? (i ? Arrow::Right : Arrow::Left) : (i ? Arrow::Down : Arrow::Up);
        DrawArrow(hdc, parts[i], arrow, GlyphColor(palette, enabled));
    }
}

int FlatSpinPartAt(os::HWND hwnd, os::LPARAM point)
{
    int x = static_cast<int16_t>(os::LoWord(static_cast<uintptr_t>(point)));
    int y = static_cast<int16_t>(os::HiWord(static_cast<uintptr_t>(point)));
    os::RECT client;
    os::GetClientRect(hwnd, &client);
    if (x < client.left || x >= client.right || y < client.top || y >= client.bottom)
        return -1;
    os::RECT parts[2];
    SpinParts(client, Horizontal(hwnd), parts);
    return x >= parts[1].left && y >= parts[1].top ? 1 : 0;
}

void DrawFlatCombo(os::HWND hwnd, os::HDC hdc, int32_t palette, bool hot)
{
    os::RECT client;
    os::GetClientRect(hwnd, &client);
    bool enabled = os::IsWindowEnabled(hwnd) != 0;
    Frame(hdc, client, FlatFrameColor(palette, enabled));
    Frame(hdc, Inset(client, 1), os::GetSysColor(enabled ? os::COLOR_WINDOW : os::COLOR_BTNFACE));
    os::RECT button{client.right - 2 - os::GetSystemMetrics(os::SM_CXVSCROLL), client.top + 2, client.right - 2,
                    client.bottom - 2};
    button.left = std::max(button.left, client.left + 2);
    bool dropped = os::SendMessageA(hwnd, os::CB_GETDROPPEDSTATE, 0, 0) != 0;
    DrawFace(hdc, button, ShadesOf(palette, FaceOf(enabled, dropped, hot)));
    DrawArrow(hdc, button, Arrow::Down, GlyphColor(palette, enabled));
}

void DrawFlatBorder(os::HWND hwnd, int32_t palette, bool readOnly)
{
    auto exStyle = static_cast<os::DWORD>(os::GetWindowLongA(hwnd, os::GWL_EXSTYLE));
    auto style = static_cast<os::DWORD>(os::GetWindowLongA(hwnd, os::GWL_STYLE));
    int width = (exStyle & os::WS_EX_CLIENTEDGE) ? 2
                : ((exStyle & os::WS_EX_STATICEDGE) || (style & os::WS_BORDER)) ? 1
                                                                                 : 0;
    if (width == 0)
        return;
    os::RECT outer;
    if (!os::GetWindowRect(hwnd, &outer))
        return;
    os::HDC hdc = os::GetWindowDC(hwnd);
    if (!hdc)
        return;
    bool enabled = os::IsWindowEnabled(hwnd) != 0;
    os::RECT r{0, 0, outer.right - outer.left, outer.bottom - outer.top};
    Frame(hdc, r, FlatFrameColor(palette, enabled));
    if (width > 1)
        Frame(hdc, Inset(r, 1), os::GetSysColor(enabled && !readOnly ? os::COLOR_WINDOW : os::COLOR_BTNFACE));
    os::ReleaseDC(hwnd, hdc);
}
