// libFuzzer target: arbitrary bytes through reading, showing, joining and
// comparing texts. The sanitizers catch overreads, leaks and UB; the checks
// below catch wrong answers that do not crash.
#include <cmath>
#include <cstdint>
#include <cstring>
#include <vector>

#include "services/text.h"
#include "services/text_heap.h"

namespace {

void Require(bool ok)
{
    if (!ok)
        __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    // Zero bytes split the input into up to three texts, each in a block of
    // its exact size so a read past its end is caught.
    std::vector<std::vector<char>> pieces(3);
    size_t k = 0;
    for (size_t i = 0; i < size; ++i) {
        if (data[i] == 0 && k < 2) {
            ++k;
            continue;
        }
        pieces[k].push_back(static_cast<char>(data[i]));
    }
    for (auto& p : pieces)
        p.push_back(0);

    for (const auto& p : pieces) {
        double value = TextToNumber(p.data());
        Require(!std::isnan(value));
        char* shown = NumberToText(value);
        size_t length = TextLength(shown);
        Require(length >= 1 && length <= 20);
        if (std::isfinite(value)) {
            // 13 digits read back show as the same 13 digits
            char* again = NumberToText(TextToNumber(shown));
            Require(CompareText(shown, again) == 0);
            FreeText(again);
        }
        FreeText(shown);
        int64_t whole = TruncateToInt(value);
        Require(std::fabs(value) >= 9.2e18 || std::fabs(static_cast<double>(whole)) <= std::fabs(value));
    }

    // Raw bit patterns, NaN included, still show as a short text.
    if (size >= 8) {
        double bits;
        std::memcpy(&bits, data, 8);
        char* shown = NumberToText(bits);
        Require(TextLength(shown) >= 1 && TextLength(shown) <= 20);
        FreeText(shown);
    }

    const char* a = pieces[0].data();
    const char* b = pieces[1].data();
    const char* c = pieces[2].data();
    int ab = CompareText(a, b);
    int byStrcmp = std::strcmp(a, b);
    Require(ab == -CompareText(b, a));
    Require(ab == (byStrcmp < 0 ? -1 : byStrcmp > 0 ? 1 : 0));
    Require(CompareText(nullptr, a) == (*a ? -1 : 0));

    char* joined = ConcatText({a, nullptr, b, c});
    size_t la = std::strlen(a), lb = std::strlen(b), lc = std::strlen(c);
    Require(TextLength(joined) == la + lb + lc);
    Require(std::memcmp(joined, a, la) == 0 && std::memcmp(joined + la, b, lb) == 0 &&
            std::memcmp(joined + la + lb, c, lc) == 0);
    FreeText(joined);
    return 0;
}
