#include "app/clicker_controller.h"

#include "app/control_ids.h"
#include "app/properties.h"
#include "services/message_box.h"
#include "services/mouse_input.h"
#include "services/text.h"
#include "services/text_heap.h"

namespace {

constexpr char kEmptyIntervalMessage[] = "请告诉迅指，你想要多快";
constexpr char kBoxTitle[] = "迅指提示：";
constexpr char kHotkeyInfo[] = "热键F10启动点击\r\n热键F11立即停止";
constexpr char kStatusPrefix[] = "正在以";
constexpr char kRestingStatus[] = "歇息片刻，效果更佳！";
constexpr int32_t kErrorIcon = 16;
constexpr int32_t kInformationIcon = 64;
constexpr int32_t kModeCount = 4;

// The status line's ending for each mode, in the order of the mode box.
const char* const kModeSuffixes[kModeCount] = {
    "秒1次的速度左键单击",
    "秒1次的速度左键双击",
    "秒1次的速度右键单击",
    "秒1次的速度右键双击",
};

char* ReadInterval() { return ReadProperty(kMainWindow, kIntervalBox, kPropContent, kWholeValue).text; }

int32_t ReadMode() { return ReadProperty(kMainWindow, kModeBox, kPropSelection, kWholeValue).number; }

bool IntervalIsEmpty()
{
    char* interval = ReadInterval();
    bool empty = CompareText(interval, "") == 0;
    FreeText(interval);
    return empty;
}

double IntervalValue()
{
    char* interval = ReadInterval();
    double value = TextToNumber(interval ? interval : "");
    FreeText(interval);
    return value;
}

// One mode's share of a start. Each step reads the controls again: a message
// box of an earlier step may have let time pass.
void StartInMode(int32_t mode)
{
    if (IntervalIsEmpty() || ReadMode() != mode)
        return;
    // The period is the truncated interval wrapped to 32 bits; the timer takes
    // what is left of a negative one as 0.
    uint64_t whole = static_cast<uint64_t>(TruncateToInt(IntervalValue()));
    int32_t period = static_cast<int32_t>(static_cast<uint32_t>(whole));
    WriteProperty(kMainWindow, kClickTimer, kPropPeriod, kWholeValue, NumberValue(period), 0);

    char* seconds = NumberToText(IntervalValue() / 1000.0);
    char* status = ConcatText({kStatusPrefix, seconds, kModeSuffixes[mode]});
    FreeText(seconds);
    WriteProperty(kMainWindow, kStatusLine, kPropContent, kWholeValue, TextValue(status), 0);
    FreeText(status);
    ShowMessageBox(kHotkeyInfo, kInformationIcon, kBoxTitle);
}

}  // namespace

void OnStartClicked()
{
    if (IntervalIsEmpty())
        ShowMessageBox(kEmptyIntervalMessage, kErrorIcon, kBoxTitle);
    for (int32_t mode = 0; mode < kModeCount; ++mode)
        StartInMode(mode);
}

void OnStopClicked()
{
    WriteProperty(kMainWindow, kClickTimer, kPropPeriod, kWholeValue, NumberValue(0), 0);
    if (!IntervalIsEmpty())
        WriteProperty(kMainWindow, kStatusLine, kPropContent, kWholeValue, TextValue(kRestingStatus), 0);
}

void OnTimerTick()
{
    for (int32_t mode = 0; mode < kModeCount; ++mode) {
        if (ReadMode() != mode)
            continue;
        int32_t x = GetCursorX();
        int32_t y = GetCursorY();
        SimulateClick(x, y, mode);
    }
}
