// Our number texts against the C library, on a million inputs each.
//   text_differential format   NumberToText vs "%.16e" digits, rounded at the 14th
//   text_differential parse    TextToNumber vs strtod on the folded text
// Prints "N passed, M failed" and fails when M > 0. Fixed seeds.
#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>
#include <string>

#include "services/text.h"
#include "services/text_heap.h"

namespace {

struct Tally {
    long passed = 0;
    long failed = 0;
    void Check(bool ok, const std::string& what)
    {
        if (ok) {
            ++passed;
            return;
        }
        if (++failed <= 20)
            std::printf("MISMATCH %s\n", what.c_str());
    }
    int Report()
    {
        std::printf("%ld passed, %ld failed\n", passed, failed);
        return failed ? 1 : 0;
    }
};

std::string Shown(double x)
{
    char* text = NumberToText(x);
    std::string s = text;
    FreeText(text);
    return s;
}

// ---- format

// "%.13g" after rounding the 17-digit "%.16e" expansion, done on strings.
std::string ReferenceFormat(double x)
{
    if (std::isnan(x))
        return "1.#QNAN";
    std::string sign = std::signbit(x) ? "-" : "";
    if (std::isinf(x))
        return sign + "1.#INF";
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.16e", std::fabs(x));
    std::string digits = std::string(1, buf[0]) + std::string(buf + 2, 16);
    int exponent = std::atoi(buf + 19);

    std::string kept = digits.substr(0, 13);
    if (digits[13] >= '5') {
        int i = 12;
        while (i >= 0 && kept[i] == '9')
            kept[i--] = '0';
        if (i >= 0) {
            ++kept[i];
        } else {
            kept = "1" + kept.substr(0, 12);
            ++exponent;
        }
    }
    if (digits == std::string(17, '0'))
        exponent = 0;

    std::string body;
    if (exponent < -4 || exponent >= 13) {
        std::string fraction = kept.substr(1);
        while (!fraction.empty() && fraction.back() == '0')
            fraction.pop_back();
        std::snprintf(buf, sizeof buf, "e%c%03d", exponent < 0 ? '-' : '+', std::abs(exponent));
        body = kept.substr(0, 1) + (fraction.empty() ? "" : "." + fraction) + buf;
    } else {
        // all 13 digits placed around the point, 12 - X of them after it
        std::string whole = exponent >= 0 ? kept.substr(0, exponent + 1) : "0";
        std::string fraction = exponent >= 0 ? kept.substr(exponent + 1) : std::string(-exponent - 1, '0') + kept;
        while (!fraction.empty() && fraction.back() == '0')
            fraction.pop_back();
        body = whole + (fraction.empty() ? "" : "." + fraction);
    }
    return sign + body;
}

int RunFormat()
{
    Tally tally;
    std::mt19937_64 random(20240101);
    auto check = [&](double x) {
        std::string ours = Shown(x);
        std::string reference = ReferenceFormat(x);
        char bits[32];
        std::snprintf(bits, sizeof bits, "%016llx", static_cast<unsigned long long>(std::bit_cast<uint64_t>(x)));
        tally.Check(ours == reference && ours.size() <= 20, std::string(bits) + " ours " + ours + " ref " + reference);
    };

    const double edges[] = {0.0, -0.0, INFINITY, -INFINITY, NAN, 5e-324, -5e-324, 2.2250738585072014e-308,
                               2.2250738585072009e-308, 1.7976931348623157e308, 1e-4, 1e-5, 1e13, 1e12};
    for (double x : edges) {
        check(x);
        check(std::nextafter(x, 0.0));
        check(std::nextafter(x, INFINITY));
    }
    // every power of ten and its neighbours: the form switches there
    for (int e = -324; e <= 308; ++e) {
        char text[16];
        std::snprintf(text, sizeof text, "1e%d", e);
        double p = std::strtod(text, nullptr);
        check(p);
        check(std::nextafter(p, 0.0));
        check(std::nextafter(p, INFINITY));
    }
    // random bit patterns: all exponents, subnormals, both signs
    for (int i = 0; i < 400000; ++i) {
        double x = std::bit_cast<double>(random());
        if (!std::isnan(x))
            check(x);
    }
    // subnormals on purpose
    for (int i = 0; i < 50000; ++i)
        check(std::bit_cast<double>(random() & 0x800FFFFFFFFFFFFFull));
    // 13 digits then a 5: the doubles at and around the rounding tie
    for (int i = 0; i < 150000; ++i) {
        unsigned long long m = 1000000000000ull + random() % 9000000000000ull;
        int e = static_cast<int>(random() % 620) - 310;
        char text[48];
        std::snprintf(text, sizeof text, "%llu5e%d", m, e - 13);
        double x = std::strtod(text, nullptr);
        if (!std::isfinite(x))
            continue;
        check(x);
        check(-x);
        check(std::nextafter(x, 0.0));
        check(std::nextafter(x, INFINITY));
    }
    // integers of every size, and the interval values the program shows
    for (int i = 0; i < 100000; ++i) {
        int64_t n = static_cast<int64_t>(random() >> (random() % 64));
        check(static_cast<double>(n));
        check(-static_cast<double>(n));
        check(static_cast<double>(n % 100000000) / 1000.0);
    }
    return tally.Report();
}

// ---- parse

std::string Fold(const std::string& text)
{
    std::string out;
    for (size_t i = 0; i < text.size() && text[i]; ++i) {
        unsigned char lead = text[i];
        if (lead < 0x80) {
            out += static_cast<char>(lead);
            continue;
        }
        if (i + 1 >= text.size() || text[i + 1] == 0)
            break;
        unsigned char trail = text[++i];
        if (lead == 0xA1 && trail == 0xA1)
            out += ' ';
        else if (lead == 0xA1 && trail == 0xAB)
            out += '~';
        else if (lead == 0xA1 && (trail == 0xEE || trail == 0xEF))
            out += '*';
        else if (lead == 0xA3 && trail >= 0xA1 && trail <= 0xFE)
            out += static_cast<char>(trail - 0x80);
        else {
            out += static_cast<char>(lead);
            out += static_cast<char>(trail);
        }
    }
    return out;
}

double ReferenceParse(const std::string& text)
{
    std::string folded = Fold(text);
    for (char& c : folded)
        if (c == 'd' || c == 'D')
            c = 'e';
    return std::strtod(folded.c_str(), nullptr);
}

// Pieces of a typed number, each in ASCII or full width. The generator never
// writes x, i, n or p, so strtod's hex, inf and nan forms cannot arise.
struct Generator {
    std::mt19937_64 random{936};

    bool Chance(int percent) { return static_cast<int>(random() % 100) < percent; }
    void Put(std::string& s, char ascii, bool wide)
    {
        if (wide) {
            s += '\xA3';
            s += static_cast<char>(static_cast<unsigned char>(ascii) + 0x80);
        } else {
            s += ascii;
        }
    }
    void Digits(std::string& s, int count, bool zeros)
    {
        for (int i = 0; i < count; ++i)
            Put(s, zeros && Chance(60) ? '0' : static_cast<char>('0' + random() % 10), Chance(10));
    }
    int Count()
    {
        int r = static_cast<int>(random() % 100);
        if (r < 3)
            return static_cast<int>(random() % 1200);  // past the kept digits
        if (r < 15)
            return 17 + static_cast<int>(random() % 30);
        return static_cast<int>(random() % 17);
    }

    std::string Text()
    {
        std::string s;
        while (Chance(20)) {
            static const char* const blanks[] = {" ", "\t", "\n", "\v", "\f", "\r", "\xA1\xA1"};
            s += blanks[random() % 7];
        }
        if (Chance(40))
            Put(s, Chance(50) ? '-' : '+', Chance(20));
        if (Chance(3))
            Put(s, Chance(50) ? '-' : '+', false);
        bool zeros = Chance(20);
        Digits(s, Count(), zeros);
        if (Chance(50)) {
            Put(s, '.', Chance(15));
            Digits(s, Count(), zeros);
            if (Chance(3))
                Put(s, '.', false);
        }
        if (Chance(50)) {
            Put(s, "eEdD"[random() % 4], Chance(10));
            if (Chance(50))
                Put(s, Chance(50) ? '-' : '+', Chance(10));
            int r = static_cast<int>(random() % 100);
            int count = r < 10 ? 0 : r < 80 ? 1 + static_cast<int>(random() % 3) : 4 + static_cast<int>(random() % 16);
            Digits(s, count, false);
        }
        if (Chance(40)) {
            static const char* const pairs[] = {"\xA1\xAB", "\xA1\xEE", "\xA1\xEF", "\xB0\xA1", "\x81\x35"};
            static const char junk[] = "abcfghjkmoqrstuvwyzABCFGHJKMOQRSTUVWYZ0123456789+-.,;eEdD ~*!#/\\";
            int count = 1 + static_cast<int>(random() % 6);
            for (int i = 0; i < count; ++i) {
                int r = static_cast<int>(random() % 10);
                if (r < 6)
                    s += junk[random() % (sizeof junk - 1)];
                else if (r < 8)
                    Put(s, junk[random() % (sizeof junk - 1)], true);
                else if (r < 9)
                    s += pairs[random() % 5];
                else
                    s += static_cast<char>(0x80 + random() % 0x80);
            }
        }
        if (Chance(3))
            s += static_cast<char>(0x81 + random() % 0x7E);  // a lead byte cut off by the end
        return s;
    }
};

int RunParse()
{
    Tally tally;
    Generator generator;
    auto check = [&](const std::string& text) {
        double ours = TextToNumber(text.c_str());
        double reference = ReferenceParse(text);
        bool same = std::bit_cast<uint64_t>(ours) == std::bit_cast<uint64_t>(reference);
        char values[80];
        std::snprintf(values, sizeof values, " ours %.17g ref %.17g", ours, reference);
        tally.Check(same, "\"" + text.substr(0, 120) + "\"" + values);
    };
    for (int i = 0; i < 1000000; ++i)
        check(generator.Text());

    // Exact halfway points between neighbouring doubles, and just off them:
    // the hardest inputs to round.
    std::mt19937_64 random(53);
    for (int i = 0; i < 30000; ++i) {
        double a = std::fabs(std::bit_cast<double>(random() & 0x7FEFFFFFFFFFFFFFull));
        double b = std::nextafter(a, INFINITY);
        long double middle = (static_cast<long double>(a) + b) / 2;  // exact in 64 bits
        char text[900];
        std::snprintf(text, sizeof text, "%.780Le", middle);
        std::string exact = text;
        size_t e = exact.find('e');
        std::string mantissa = exact.substr(0, e), tail = exact.substr(e);
        while (mantissa.back() == '0')
            mantissa.pop_back();
        check(mantissa + tail);
        check(mantissa + "000000001" + tail);
        check(mantissa + std::string(60, '0') + "1" + tail);  // past the kept digits
        std::string below = mantissa;
        size_t last = below.size() - 1;
        if (below[last] != '.' && below[last] != '0') {
            --below[last];
            check(below + "999999" + tail);
        }
    }
    return tally.Report();
}

}  // namespace

int main(int argc, char** argv)
{
    std::string mode = argc > 1 ? argv[1] : "";
    if (mode == "format")
        return RunFormat();
    if (mode == "parse")
        return RunParse();
    std::fprintf(stderr, "usage: %s format|parse\n", argv[0]);
    return 2;
}
