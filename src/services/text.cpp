#include "services/text.h"

#include <charconv>
#include <cmath>
#include <cstddef>
#include <limits>
#include <system_error>

#include "services/text_heap.h"

namespace {

// ---- reading numbers

// Walks a text as the parser sees it: full-width forms folded to ASCII, one
// double-byte character per step. Folding on the fly reads the same bytes a
// folded copy would, without a buffer to allocate for long texts.
struct FoldedReader {
    const unsigned char* at;

    // The current folded byte, 0 at the end. A double-byte character with no
    // ASCII form comes back as its lead byte, which ends any number.
    unsigned char Peek(size_t* width) const
    {
        unsigned char lead = at[0];
        if (lead < 0x80) {
            *width = lead ? 1 : 0;
            return lead;
        }
        unsigned char trail = at[1];
        if (trail == 0) {  // a lead byte cut off by the terminator ends the text
            *width = 0;
            return 0;
        }
        *width = 2;
        if (lead == 0xA1) {
            if (trail == 0xA1)
                return 0x20;
            if (trail == 0xAB)
                return 0x7E;
            if (trail == 0xEE || trail == 0xEF)
                return 0x2A;
        } else if (lead == 0xA3 && trail >= 0xA1 && trail <= 0xFE) {
            return static_cast<unsigned char>(trail - 0x80);
        }
        return lead;
    }

    unsigned char Peek() const
    {
        size_t width;
        return Peek(&width);
    }

    void Skip()
    {
        size_t width;
        Peek(&width);
        at += width;
    }
};

bool IsDigit(unsigned char c) { return c >= '0' && c <= '9'; }

// 767 significant digits decide the rounding of any decimal to a double; past
// this many we keep one sticky nonzero digit for the rest.
constexpr size_t kKeptDigits = 800;
// Exponents beyond this are out of range whatever the digits; the cap keeps
// the arithmetic far from int64 overflow.
constexpr int64_t kExponentCap = 1000000000000000;

constexpr size_t kMinDigits = 20;

// The parsed number as an integer of `count` digits times 10^exponent.
struct Decimal {
    char digits[kKeptDigits + 1];
    size_t count = 0;
    int64_t exponent = 0;
};

double ToDouble(const Decimal& d)
{
    if (d.count == 0)
        return 0.0;
    // The value lies in [10^(magnitude-1), 10^magnitude).
    int64_t magnitude = d.exponent + static_cast<int64_t>(d.count);
    if (magnitude > 310)
        return std::numeric_limits<double>::infinity();
    if (magnitude < -324)  // below 1e-325, under half the smallest subnormal
        return 0.0;

    char buffer[kKeptDigits + 32];
    size_t n = 0;
    for (size_t i = 0; i < d.count; ++i)
        buffer[n++] = d.digits[i];
    // from_chars takes short inputs through a floating-point multiply, which
    // rounds twice on the x87 of the 32-bit build; padded to 20 digits they
    // take its integer path, correctly rounded on every target.
    int64_t exponent = d.exponent;
    for (; n < kMinDigits; ++n, --exponent)
        buffer[n] = '0';
    buffer[n++] = 'e';
    auto written = std::to_chars(buffer + n, buffer + sizeof buffer, exponent);
    double value = 0.0;
    auto parsed = std::from_chars(buffer, written.ptr, value, std::chars_format::scientific);
    if (parsed.ec == std::errc::result_out_of_range)
        return magnitude > 0 ? std::numeric_limits<double>::infinity() : 0.0;
    return value;
}

}  // namespace

double TextToNumber(const char* text)
{
    if (!text)
        return 0.0;
    FoldedReader in{reinterpret_cast<const unsigned char*>(text)};

    unsigned char c = in.Peek();
    while (c == 0x20 || (c >= 0x09 && c <= 0x0D)) {
        in.Skip();
        c = in.Peek();
    }
    bool negative = false;
    if (c == '+' || c == '-') {
        negative = c == '-';
        in.Skip();
    }

    Decimal d;
    bool sawDigit = false;
    bool sawPoint = false;
    bool sticky = false;      // a nonzero digit was dropped past kKeptDigits
    int64_t dropped = 0;      // digits dropped past kKeptDigits
    size_t trailingZeros = 0; // zeros at the end of d.digits
    for (c = in.Peek();; c = in.Peek()) {
        if (c == '.' && !sawPoint) {
            sawPoint = true;
        } else if (IsDigit(c)) {
            sawDigit = true;
            if (sawPoint)
                --d.exponent;
            if (d.count == 0 && c == '0') {
                // a leading zero only moves the point
            } else if (d.count < kKeptDigits) {
                d.digits[d.count++] = static_cast<char>(c);
                trailingZeros = c == '0' ? trailingZeros + 1 : 0;
            } else {
                ++dropped;
                sticky = sticky || c != '0';
            }
        } else {
            break;
        }
        in.Skip();
    }
    if (!sawDigit)
        return 0.0;

    if (c == 'e' || c == 'E' || c == 'd' || c == 'D') {
        FoldedReader exponentStart = in;
        in.Skip();
        c = in.Peek();
        bool negativeExponent = false;
        if (c == '+' || c == '-') {
            negativeExponent = c == '-';
            in.Skip();
            c = in.Peek();
        }
        if (IsDigit(c)) {
            int64_t e = 0;
            for (; IsDigit(c); in.Skip(), c = in.Peek())
                if (e < kExponentCap)
                    e = e * 10 + (c - '0');
            d.exponent += negativeExponent ? -e : e;
        } else {
            in = exponentStart;  // "1e" and "1e+" end before the e
        }
    }

    d.exponent += dropped;
    if (sticky) {
        d.digits[d.count++] = '1';
        --d.exponent;
    } else {
        d.count -= trailingZeros;
        d.exponent += static_cast<int64_t>(trailingZeros);
    }
    double value = ToDouble(d);
    return negative ? -value : value;
}

// ---- showing numbers

namespace {

constexpr int kShownDigits = 13;

// Writes x the way "%.13g" shows it and returns the length. The 13 digits are
// rounded from the 17-digit expansion, not from the exact value.
size_t FormatNumber(double x, char* out)
{
    size_t n = 0;
    if (std::isnan(x)) {
        // Never produced by this program; a fixed text rather than garbage.
        const char nan[] = "1.#QNAN";
        for (const char* p = nan; *p; ++p)
            out[n++] = *p;
        return n;
    }
    if (std::signbit(x)) {
        out[n++] = '-';
        x = -x;
    }
    if (std::isinf(x)) {
        const char inf[] = "1.#INF";
        for (const char* p = inf; *p; ++p)
            out[n++] = *p;
        return n;
    }

    // "d.dddddddddddddddde+XX"
    char expansion[32];
    auto written = std::to_chars(expansion, expansion + sizeof expansion, x,
                                 std::chars_format::scientific, 16);
    int exponent = 0;
    const char* e = expansion + 18;  // after the 17 digits and the point
    std::from_chars(e + 2, written.ptr, exponent);
    if (e[1] == '-')
        exponent = -exponent;

    uint64_t mantissa = 0;
    for (int i = 0; i < kShownDigits; ++i)
        mantissa = mantissa * 10 + static_cast<uint64_t>(expansion[i == 0 ? 0 : i + 1] - '0');
    if (expansion[kShownDigits + 1] >= '5') {
        ++mantissa;
        if (mantissa == 10000000000000) {
            mantissa = 1000000000000;
            ++exponent;
        }
    }
    char digits[kShownDigits];
    for (int i = kShownDigits - 1; i >= 0; --i) {
        digits[i] = static_cast<char>('0' + mantissa % 10);
        mantissa /= 10;
    }
    int significant = kShownDigits;
    while (significant > 1 && digits[significant - 1] == '0')
        --significant;

    if (exponent < -4 || exponent >= kShownDigits) {
        out[n++] = digits[0];
        if (significant > 1) {
            out[n++] = '.';
            for (int i = 1; i < significant; ++i)
                out[n++] = digits[i];
        }
        out[n++] = 'e';
        out[n++] = exponent < 0 ? '-' : '+';
        int magnitude = exponent < 0 ? -exponent : exponent;
        out[n++] = static_cast<char>('0' + magnitude / 100);
        out[n++] = static_cast<char>('0' + magnitude / 10 % 10);
        out[n++] = static_cast<char>('0' + magnitude % 10);
    } else if (exponent >= 0) {
        for (int i = 0; i <= exponent; ++i)
            out[n++] = digits[i];
        if (significant > exponent + 1) {
            out[n++] = '.';
            for (int i = exponent + 1; i < significant; ++i)
                out[n++] = digits[i];
        }
    } else {
        out[n++] = '0';
        out[n++] = '.';
        for (int i = -1; i > exponent; --i)
            out[n++] = '0';
        for (int i = 0; i < significant; ++i)
            out[n++] = digits[i];
    }
    return n;
}

}  // namespace

char* NumberToText(double x)
{
    char shown[24];
    size_t n = FormatNumber(x, shown);
    char* text = AllocText(n + 1);
    for (size_t i = 0; i < n; ++i)
        text[i] = shown[i];
    text[n] = 0;
    return text;
}

int64_t TruncateToInt(double x)
{
    // 2^63 and -2^63 are exact doubles; NaN fails both comparisons.
    if (!(x >= -9223372036854775808.0 && x < 9223372036854775808.0))
        return std::numeric_limits<int64_t>::min();
    return static_cast<int64_t>(x);
}

char* ConcatText(std::initializer_list<const char*> texts)
{
    size_t total = 0;
    for (const char* t : texts)
        total += TextLength(t);
    char* joined = AllocText(total + 1);
    size_t n = 0;
    for (const char* t : texts)
        if (t)
            for (const char* p = t; *p; ++p)
                joined[n++] = *p;
    joined[n] = 0;
    return joined;
}

int CompareText(const char* a, const char* b)
{
    const unsigned char* p = reinterpret_cast<const unsigned char*>(a ? a : "");
    const unsigned char* q = reinterpret_cast<const unsigned char*>(b ? b : "");
    while (*p && *p == *q) {
        ++p;
        ++q;
    }
    if (*p == *q)
        return 0;
    return *p < *q ? -1 : 1;
}
