#include "app/form.h"

namespace {

const FontForm kRegular{"微软雅黑", -12, 400};
const FontForm kBold{"微软雅黑", -12, 700};

const char* const kModes[] = {"左键单击", "左键双击", "右键单击", "右键双击"};

constexpr os::COLORREF kBlue = 0x00FF8800;
constexpr os::COLORREF kGreen = 0x0080E000;
constexpr os::COLORREF kWhite = 0x00FFFFFF;

using K = ControlKind;

}  // namespace

const WindowForm kMainWindowForm{kMainWindow, "迅指鼠标点击器", 257, 165, 50, 50};

// name, id, kind, x, y, w, h, text, shown, tab stop, font, coloured, text colour, background,
// input mode, limit, items, item count, selection, effect, h-align, v-align, word wrap
const ControlForm kControlForms[] = {
    {"标签1", kHotkeyLabel, K::Label, 96, 8, 40, 16, nullptr, false, false, nullptr, false, 0, 0,
     0, 0, nullptr, 0, 0, 0, 0, 0, false},
    {"透明标签2", kCreditsLabel, K::TransLabel, 29, 112, 194, 24, "澄川软件工作室出品", true, false, &kBold, true,
     kBlue, 0, 0, 0, nullptr, 0, 0, 1, 1, 1, false},
    {"按钮2", kStopButton, K::Button, 148, 86, 73, 24, "停止点击", true, true, &kBold, false, 0, 0,
     0, 0, nullptr, 0, 0, 0, 0, 0, false},
    {"编辑框3", kIntervalBox, K::Edit, 148, 24, 54, 25, "1000", true, true, &kBold, true, kBlue, kWhite,
     7, 5, nullptr, 0, 0, 0, 0, 0, false},
    {"透明标签5", kIntervalCaption, K::TransLabel, 153, 0, 48, 24, "速度(ms)", true, false, &kRegular, true,
     0, 0, 0, 0, nullptr, 0, 0, 0, 0, 1, false},
    {"时钟1", kClickTimer, K::Timer, 8, 112, 24, 24, nullptr, false, false, nullptr, false, 0, 0,
     0, 0, nullptr, 0, 0, 0, 0, 0, false},
    {"按钮1", kStartButton, K::Button, 32, 86, 73, 24, "开始点击", true, true, &kBold, false, 0, 0,
     0, 0, nullptr, 0, 0, 0, 0, 0, false},
    {"编辑框2", kStatusLine, K::Edit, 29, 56, 194, 24, "欢迎使用，迅指鼠标点击器", true, true, &kRegular, true,
     kGreen, kWhite, 0, 0, nullptr, 0, 0, 0, 0, 0, false},
    {"透明标签1", kModeCaption, K::TransLabel, 37, 0, 48, 24, "点击方式", true, false, &kRegular, true,
     0, 0, 0, 0, nullptr, 0, 0, 0, 0, 1, false},
    {"组合框1", kModeBox, K::ComboBox, 32, 24, 73, 20, nullptr, true, true, &kBold, true, kBlue, kWhite,
     0, 0, kModes, 4, 0, 0, 0, 0, false},
};

const size_t kControlCount = sizeof kControlForms / sizeof kControlForms[0];

namespace {

// Every control of the form shares the high three bytes of its id, and the low
// byte tells them apart: a table by that byte finds one without a search,
// which the timer's tick does four times over.
constexpr ControlId kFormIdBase = 0x16010000;

struct FormIndex {
    int8_t byLowByte[256];
};

FormIndex BuildIndex()
{
    FormIndex index{};
    for (int8_t& slot : index.byLowByte)
        slot = -1;
    for (size_t i = 0; i < kControlCount; ++i)
        index.byLowByte[kControlForms[i].id & 0xFF] = static_cast<int8_t>(i);
    return index;
}

const FormIndex gIndex = BuildIndex();

}  // namespace

const ControlForm* FindControlForm(ControlId id)
{
    if ((id & ~ControlId{0xFF}) != kFormIdBase)
        return nullptr;
    int8_t i = gIndex.byLowByte[id & 0xFF];
    return i < 0 ? nullptr : &kControlForms[i];
}
