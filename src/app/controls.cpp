#include "app/controls.h"

#include <cstring>

#include "app/interval_box.h"
#include "app/label.h"
#include "app/trans_label.h"
#include "services/periodic_timer.h"

namespace {

constexpr os::DWORD kChildStyle = os::WS_CHILD | os::WS_CLIPSIBLINGS;
// A drop-down combo box covers its dropped list too, so it is never lower.
constexpr int kMinimumComboHeight = 160;

os::DWORD BaseStyle(const ControlForm& form) { return kChildStyle | (form.tabStop ? os::WS_TABSTOP : 0); }

os::HWND CreateStandard(os::DWORD exStyle, const char* className, const char* text, os::DWORD style,
                        const ControlForm& form, int height, os::HWND parent, int childId, os::HINSTANCE instance)
{
    return os::CreateWindowExA(exStyle, className, text, style, form.x, form.y, form.width, height, parent,
                               static_cast<os::UINT_PTR>(childId), instance, nullptr);
}

void SetFont(os::HWND hwnd, os::HFONT font)
{
    os::SendMessageA(hwnd, os::WM_SETFONT, reinterpret_cast<os::WPARAM>(font), 0);
}

os::HWND CreateEditBox(os::HWND parent, const ControlForm& form, int childId, os::HINSTANCE instance, os::HFONT font)
{
    os::HWND edit = CreateStandard(os::WS_EX_CLIENTEDGE, "EDIT", form.text,
                                   BaseStyle(form) | os::ES_AUTOHSCROLL | os::ES_CENTER, form, form.height, parent,
                                   childId, instance);
    if (!edit)
        return nullptr;
    SetFont(edit, font);
    os::SendMessageA(edit, os::EM_LIMITTEXT, static_cast<os::WPARAM>(form.limit), 0);
    os::SendMessageA(edit, os::EM_SETSEL, 0, 0);
    if (form.inputMode == kIntegerInputMode && !MakeIntegerBox(parent, edit, instance)) {
        os::DestroyWindow(edit);
        return nullptr;
    }
    return edit;
}

os::HWND CreateModeBox(os::HWND parent, const ControlForm& form, int childId, os::HINSTANCE instance, os::HFONT font)
{
    int height = form.height < kMinimumComboHeight ? kMinimumComboHeight : form.height;
    os::HWND combo = CreateStandard(0, "COMBOBOX", nullptr,
                                    BaseStyle(form) | os::CBS_DROPDOWNLIST | os::CBS_AUTOHSCROLL | os::WS_VSCROLL,
                                    form, height, parent, childId, instance);
    if (!combo)
        return nullptr;
    SetFont(combo, font);
    for (int32_t i = 0; i < form.itemCount; ++i)
        os::SendMessageA(combo, os::CB_ADDSTRING, 0, reinterpret_cast<os::LPARAM>(form.items[i]));
    int32_t selection = form.selection;
    if (selection > form.itemCount - 1)
        selection = form.itemCount - 1;
    if (selection < -1)
        selection = -1;
    os::SendMessageA(combo, os::CB_SETCURSEL, static_cast<os::WPARAM>(selection), 0);
    os::LRESULT itemHeight = os::SendMessageA(combo, os::CB_GETITEMHEIGHT, 0, 0);
    if (itemHeight != os::CB_ERR)
        os::SendMessageA(combo, os::CB_SETITEMHEIGHT, 0, itemHeight + 1);
    return combo;
}

os::HWND CreateButton(os::HWND parent, const ControlForm& form, int childId, os::HINSTANCE instance, os::HFONT font)
{
    os::HWND button = CreateStandard(
        0, "BUTTON", form.text, BaseStyle(form) | os::BS_PUSHBUTTON | os::BS_CENTER | os::BS_VCENTER | os::BS_MULTILINE,
        form, form.height, parent, childId, instance);
    if (button)
        SetFont(button, font);
    return button;
}

bool UsesWindowFont(ControlKind kind)
{
    return kind == ControlKind::Edit || kind == ControlKind::ComboBox || kind == ControlKind::Button;
}

}  // namespace

os::HFONT CreateFormFont(const FontForm& font)
{
    os::LOGFONTA lf{};
    lf.lfHeight = font.height;
    lf.lfWeight = font.weight;
    lf.lfCharSet = os::DEFAULT_CHARSET;
    lf.lfOutPrecision = os::OUT_DEFAULT_PRECIS;
    lf.lfClipPrecision = os::CLIP_DEFAULT_PRECIS;
    lf.lfQuality = os::PROOF_QUALITY;
    lf.lfPitchAndFamily = os::DEFAULT_PITCH;
    std::strncpy(lf.lfFaceName, font.face, os::LF_FACESIZE - 1);
    return os::CreateFontIndirectA(&lf);
}

void RegisterControlClasses(os::HINSTANCE instance)
{
    RegisterTransLabelClass(instance);
    RegisterLabelClass(instance);
    RegisterPeriodicTimerClass(instance);
}

os::HWND CreateControl(os::HWND parent, const ControlForm& form, int childId, os::HINSTANCE instance,
                       ControlResources* made)
{
    *made = ControlResources{};
    os::HFONT font = nullptr;
    if (UsesWindowFont(form.kind)) {
        made->font = form.font ? CreateFormFont(*form.font) : nullptr;
        font = made->font ? made->font : static_cast<os::HFONT>(os::GetStockObject(os::DEFAULT_GUI_FONT));
        if (form.colored)
            made->brush = os::CreateSolidBrush(form.background);
    }
    switch (form.kind) {
    case ControlKind::Edit:
        return CreateEditBox(parent, form, childId, instance, font);
    case ControlKind::ComboBox:
        return CreateModeBox(parent, form, childId, instance, font);
    case ControlKind::Button:
        return CreateButton(parent, form, childId, instance, font);
    case ControlKind::TransLabel:
        return CreateTransLabel(parent, form, childId, instance);
    case ControlKind::Label:
        return CreateLabel(parent, form, childId, instance);
    case ControlKind::Timer:
        return CreatePeriodicTimer(parent, kMainWindow, form.id, form.x, form.y, form.width, form.height, childId,
                                   0, instance);
    }
    return nullptr;
}
