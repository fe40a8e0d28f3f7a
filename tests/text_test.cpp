// Reading and showing numbers, joining and comparing texts.
#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "fake/fake_os.h"
#include "services/text.h"
#include "services/text_heap.h"

namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr int64_t kNoInt = std::numeric_limits<int64_t>::min();

class TextTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        fake::Reset();
        SetTextHeap(os::GetProcessHeap());
        fake::ClearCalls();
    }
    void TearDown() override
    {
        EXPECT_EQ(fake::LiveHeapBlocks(), 0u);
        EXPECT_FALSE(fake::HeapMisuse());
    }

    // Takes a returned text, frees it, and gives its bytes.
    static std::string Take(char* text)
    {
        EXPECT_NE(text, nullptr);
        std::string bytes = text ? text : "";
        FreeText(text);
        return bytes;
    }

    // Parses `bytes` from a block of exactly its size plus the terminator, so
    // the sanitizer and valgrind see any read past the end.
    static double ParseExact(const std::string& bytes)
    {
        std::vector<char> block(bytes.begin(), bytes.end());
        block.push_back(0);
        return TextToNumber(block.data());
    }
};

// Equal as bit patterns: tells -0 from 0 and compares infinities.
#define EXPECT_SAME_DOUBLE(expected, actual) \
    EXPECT_EQ(std::bit_cast<uint64_t>(double(expected)), std::bit_cast<uint64_t>(double(actual))) \
        << "expected " << (expected) << ", got " << (actual)

struct ParseCase {
    const char* text;
    double expected;
};

TEST_F(TextTest, TextToNumberReadsTheNumberATextStartsWith)
{
    const ParseCase cases[] = {
        {"", 0},
        {"   42", 42},
        {"\t\n\v\f\r7", 7},
        {"+7", 7},
        {"-100", -100},
        {".5", 0.5},
        {"5.", 5},
        {"5.5", 5.5},
        {".", 0},
        {"-", 0},
        {"+.", 0},
        {"abc", 0},
        {"12abc", 12},
        {"1000ms", 1000},
        {"1,000", 1},
        {"12-3", 12},
        {"1.2.3", 1.2},
        {"++5", 0},
        {"- 5", 0},
        {"1e3", 1000},
        {"1E3", 1000},
        {"1d3", 1000},
        {"1D3", 1000},
        {"2.5e-1", 0.25},
        {"5.e2", 500},
        {"1e", 1},
        {"1e+", 1},
        {"1d-x", 1},
        {"1e5e3", 1e5},
        {"0x10", 0},
        {"inf", 0},
        {"nan", 0},
        {"0.1", 0.1},
        {"000123.4500", 123.45},
        {"0.000", 0},
        {"1e400", kInf},
        {"-1e400", -kInf},
        {"1e-400", 0},
        {"1e999999999999", kInf},
        {"1e99999999999999999999999999", kInf},
        {"1e-99999999999999999999999999", 0},
        {"0e999999999999", 0},
        {"1.7976931348623157e308", 1.7976931348623157e308},
        {"1.7976931348623159e308", kInf},
        {"4.9e-324", 4.9e-324},
        {"2.4703282292062328e-324", 4.9e-324},
        {"2.4703282292062327e-324", 0},
        {"9007199254740993", 9007199254740992.0},  // a tie rounds to even
        {"9007199254740993.0000001", 9007199254740994.0},
        {"1e-5", 1e-5},
        // short mantissas a floating-point multiply rounds twice on x87
        {"296577424643419e21", 296577424643419e21},
        {"351332512542373e7", 351332512542373e7},
        {"190931468649109e13", 190931468649109e13},
    };
    for (const auto& c : cases)
        EXPECT_SAME_DOUBLE(c.expected, TextToNumber(c.text)) << "text \"" << c.text << "\"";
}

TEST_F(TextTest, TextToNumberReadsFullWidthFormsAsAscii)
{
    const ParseCase cases[] = {
        {"１０００", 1000},
        {"１．５", 1.5},
        {"－１．５", -1.5},
        {"＋２", 2},
        {"　50", 50},           // ideographic space
        {"　　 ３", 3},
        {"１ｅ３", 1000},
        {"２Ｄ２", 200},
        {"1０0", 100},          // ASCII and full-width mixed
        {"５０毫秒", 50},
        {"～5", 0},             // A1AB folds to '~'
        {"＊5", 0},             // A1EE folds to '*'
        {"\xA1\xEF" "5", 0},    // A1EF folds to '*' too
        {"\xA3\xA1" "5", 0},    // '!'
        {"\xA1\xA3\xB1", 0},    // an unfolded pair; its trail byte does not start a new character
        {"5\x81" "5", 5},       // a pair with an ASCII trail byte ends the number whole
        {"\x81" "5", 0},
    };
    for (const auto& c : cases)
        EXPECT_SAME_DOUBLE(c.expected, TextToNumber(c.text)) << "text \"" << c.text << "\"";
}

TEST_F(TextTest, TextToNumberGivesZeroWithTheSignOfTheText)
{
    EXPECT_SAME_DOUBLE(-0.0, TextToNumber("-0"));
    EXPECT_SAME_DOUBLE(-0.0, TextToNumber("-1e-400"));
    EXPECT_SAME_DOUBLE(0.0, TextToNumber("0"));
    EXPECT_SAME_DOUBLE(0.0, TextToNumber("-x"));  // no number at all
    EXPECT_SAME_DOUBLE(0.0, TextToNumber(nullptr));
}

TEST_F(TextTest, TextToNumberStopsAtALeadByteCutOffByTheEnd)
{
    const ParseCase cases[] = {
        {"\xA3", 0},
        {"1\xA3", 1},
        {"\xA3\xB1\xA3", 1},
        {"1\xA1", 1},
        {"1e\xA3", 1},
        {"\xA1\xA1\xA1", 0},
    };
    for (const auto& c : cases)
        EXPECT_SAME_DOUBLE(c.expected, ParseExact(c.text)) << "text \"" << c.text << "\"";
}

TEST_F(TextTest, TextToNumberReadsMegabyteTexts)
{
    const size_t mega = 1 << 20;
    EXPECT_SAME_DOUBLE(7, ParseExact(std::string(mega, ' ') + "7"));
    EXPECT_SAME_DOUBLE(kInf, ParseExact(std::string(mega, '9')));
    EXPECT_SAME_DOUBLE(0, ParseExact("0." + std::string(mega, '0') + "1"));
    // 10^-(mega+1) * 10^(mega+5)
    EXPECT_SAME_DOUBLE(1e4, ParseExact("0." + std::string(mega, '0') + "1e" + std::to_string(mega + 5)));
    EXPECT_SAME_DOUBLE(1111111111.1111111, ParseExact(std::string(mega, '1') + "e-" + std::to_string(mega - 10)));
    // A nonzero digit far past the kept digits still breaks the tie.
    EXPECT_SAME_DOUBLE(9007199254740994.0, ParseExact("9007199254740993." + std::string(mega, '0') + "1"));
    EXPECT_SAME_DOUBLE(9007199254740992.0, ParseExact("9007199254740993." + std::string(mega, '0')));
    EXPECT_SAME_DOUBLE(-1, ParseExact("-1" + std::string(mega, 'x')));

    std::string fullWidth;
    for (size_t i = 0; i < mega / 2; ++i)
        fullWidth += "\xA3\xB1";
    EXPECT_SAME_DOUBLE(kInf, ParseExact(fullWidth));
    EXPECT_SAME_DOUBLE(kInf, ParseExact(fullWidth + "\xA3"));
}

TEST_F(TextTest, AnyBytesReadAsANumberAndShowWithinTwentyBytes)
{
    std::mt19937 random(936);
    const char alphabet[] = "0123456789+-.eEdD \t\xA1\xA3\xB0\xAE\xAD\xE5\x81\xFF";
    for (int round = 0; round < 20000; ++round) {
        std::string bytes(random() % 24, '\0');
        for (auto& b : bytes)
            b = random() % 4 == 0 ? static_cast<char>(1 + random() % 255)
                                  : alphabet[random() % (sizeof alphabet - 1)];
        double value = ParseExact(bytes);
        ASSERT_FALSE(std::isnan(value));
        std::string shown = Take(NumberToText(value));
        ASSERT_LE(shown.size(), 20u);
    }
}

struct FormatCase {
    double value;
    const char* expected;
};

TEST_F(TextTest, NumberToTextShowsThirteenSignificantDigits)
{
    const FormatCase cases[] = {
        {1, "1"},
        {1.5, "1.5"},
        {0.05, "0.05"},
        {0.333, "0.333"},
        {0.0005, "0.0005"},
        {0.0001, "0.0001"},
        {0.00005, "5e-005"},
        {2147483.647, "2147483.647"},
        {999999999999.999, "1000000000000"},
        {1e13, "1e+013"},
        {9999999999999.0, "9999999999999"},
        {99999999999999.0, "1e+014"},
        {-0.1, "-0.1"},
        {1000 / 1000.0, "1"},
        {1e16 / 1000.0, "1e+013"},
        {0.05 / 1000.0, "5e-005"},
        {123456789012345.0, "1.234567890123e+014"},
        {1.25e100, "1.25e+100"},
        {1.0 / 3, "0.3333333333333"},
        {2.0 / 3, "0.6666666666667"},
        {0.000123456789012345, "0.0001234567890123"},
        {-1.234567890123e-300, "-1.234567890123e-300"},
        {1.7976931348623157e308, "1.797693134862e+308"},
        {4.9406564584124654e-324, "4.940656458412e-324"},
        {0, "0"},
        {-0.0, "-0"},
        {1e-5, "1e-005"},
        {123, "123"},
        {-5e22, "-5e+022"},
        {kInf, "1.#INF"},
        {-kInf, "-1.#INF"},
        {std::numeric_limits<double>::quiet_NaN(), "1.#QNAN"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.expected, Take(NumberToText(c.value))) << "value " << c.value;
}

TEST_F(TextTest, NumberToTextRoundsAtTheFourteenthDigitOfSeventeen)
{
    const FormatCase cases[] = {
        {1.0000000000005, "1.000000000001"},     // 1.0000000000005000
        {1.0000000000004, "1"},                  // 1.0000000000003999
        {99999.999999995, "99999.99999999"},     // 9.9999999999994994e4
        {9.9999999999995, "10"},                 // the carry moves the point
        {0.000099999999999995, "0.0001"},        // and leaves the exponential form
        {9999999999999.5, "1e+013"},             // or enters it
        // 0.1234567890124499967... exactly, 1.2345678901245000e-01 to 17
        // digits: the 5 rounds up, where exact rounding would cut.
        {0.12345678901245, "0.1234567890125"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.expected, Take(NumberToText(c.value))) << "value " << c.value;
}

TEST_F(TextTest, NumberToTextAndTextToNumberRoundTripThirteenDigits)
{
    std::mt19937_64 random(13);
    for (int round = 0; round < 5000; ++round) {
        double value = std::bit_cast<double>(random());
        if (!std::isfinite(value) || std::fpclassify(value) == FP_SUBNORMAL)
            continue;
        std::string shown = Take(NumberToText(value));
        double back = TextToNumber(shown.c_str());
        ASSERT_LE(std::fabs(back - value), std::fabs(value) * 5e-13) << shown;
        ASSERT_EQ(shown, Take(NumberToText(back)));
    }
}

TEST_F(TextTest, NumberToTextAllocatesOneBlockOfItsLength)
{
    Take(NumberToText(2147483.647));
    auto allocations = fake::CallsNamed({"HeapAlloc"});
    ASSERT_EQ(allocations.size(), 1u);
    EXPECT_EQ(allocations[0].substr(allocations[0].rfind(',')), ",12)");
}

TEST_F(TextTest, TruncateToIntCutsTowardZero)
{
    const struct {
        double value;
        int64_t expected;
    } cases[] = {
        {2.9, 2},
        {-2.9, -2},
        {0.5, 0},
        {-0.9, 0},
        {-0.0, 0},
        {1e16, 10000000000000000},
        {9223372036854774784.0, 9223372036854774784},  // the largest double below 2^63
        {-9223372036854775808.0, kNoInt},               // -2^63 itself fits
        {9223372036854775808.0, kNoInt},                // 2^63 does not
        {9.3e18, kNoInt},
        {-9.3e18, kNoInt},
        {kInf, kNoInt},
        {-kInf, kNoInt},
        {std::numeric_limits<double>::quiet_NaN(), kNoInt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.expected, TruncateToInt(c.value)) << "value " << c.value;
}

TEST_F(TextTest, ConcatTextJoinsInOrderInOneExactBlock)
{
    const struct {
        std::vector<const char*> parts;
        const char* expected;
    } cases[] = {
        {{"正在以", "1", "秒1次的速度左键单击"}, "正在以1秒1次的速度左键单击"},
        {{nullptr, nullptr, nullptr}, ""},
        {{"", "", ""}, ""},
        {{"a", nullptr, "b"}, "ab"},
        {{nullptr, "x"}, "x"},
        {{"\xA3"}, "\xA3"},
    };
    for (const auto& c : cases) {
        fake::ClearCalls();
        char* joined = nullptr;
        switch (c.parts.size()) {
        case 1: joined = ConcatText({c.parts[0]}); break;
        case 2: joined = ConcatText({c.parts[0], c.parts[1]}); break;
        default: joined = ConcatText({c.parts[0], c.parts[1], c.parts[2]}); break;
        }
        auto allocations = fake::CallsNamed({"HeapAlloc"});
        ASSERT_EQ(allocations.size(), 1u);
        std::string expected = c.expected;
        EXPECT_EQ(allocations[0].substr(allocations[0].rfind(',')),
                  "," + std::to_string(expected.size() + 1) + ")");
        EXPECT_EQ(expected, Take(joined));
    }
    EXPECT_EQ("", Take(ConcatText({})));
}

TEST_F(TextTest, ConcatTextLeavesItsInputsAlone)
{
    char first[] = "热键";
    const std::string big(1 << 20, 'z');
    std::string joined = Take(ConcatText({first, big.c_str(), first}));
    EXPECT_STREQ(first, "热键");
    ASSERT_EQ(joined.size(), big.size() + 2 * std::string(first).size());
    EXPECT_EQ(joined, std::string(first) + big + first);
}

TEST_F(TextTest, CompareTextOrdersByUnsignedBytes)
{
    const struct {
        const char* a;
        const char* b;
        int expected;
    } cases[] = {
        {nullptr, nullptr, 0},
        {nullptr, "", 0},
        {"", nullptr, 0},
        {nullptr, "a", -1},
        {"a", nullptr, 1},
        {"a", "a", 0},
        {"a", "b", -1},
        {"b", "a", 1},
        {"ab", "a", 1},
        {"a", "ab", -1},
        {"", "a", -1},
        {"\xB0", "z", 1},
        {"z", "\xB0", -1},
        {"热键", "热键", 0},
        {"abc", "abd", -1},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.expected, CompareText(c.a, c.b))
            << "\"" << (c.a ? c.a : "(absent)") << "\" vs \"" << (c.b ? c.b : "(absent)") << "\"";
}

TEST_F(TextTest, CompareTextReadsMegabyteTextsToTheirEnd)
{
    std::string a(1 << 20, 'q');
    std::string b = a;
    EXPECT_EQ(0, CompareText(a.c_str(), b.c_str()));
    b.back() = 'r';
    EXPECT_EQ(-1, CompareText(a.c_str(), b.c_str()));
    EXPECT_EQ(1, CompareText(b.c_str(), a.c_str()));
}

int ShowNumberWithoutMemory()
{
    fake::FailCall("HeapAlloc");
    FreeText(NumberToText(1.5));
    return 0;
}

int JoinWithoutMemory()
{
    fake::FailCall("HeapAlloc");
    FreeText(ConcatText({"a", "b"}));
    return 0;
}

TEST_F(TextTest, RunningOutOfMemoryForANewTextIsFatal)
{
    EXPECT_EQ(0xFFFFFFFFu, fake::RunProcess(ShowNumberWithoutMemory));
    EXPECT_EQ(0xFFFFFFFFu, fake::RunProcess(JoinWithoutMemory));
}

}  // namespace
