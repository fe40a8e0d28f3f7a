// Reading and showing the numbers the program handles: interval texts and the
// seconds shown in the status line.
#include <benchmark/benchmark.h>

#include <string>

#include "services/text.h"
#include "services/text_heap.h"

namespace {

void BM_TextToNumber(benchmark::State& state, const char* text)
{
    for (auto _ : state) {
        benchmark::DoNotOptimize(text);
        benchmark::DoNotOptimize(TextToNumber(text));
    }
}
BENCHMARK_CAPTURE(BM_TextToNumber, integer, "1000");
BENCHMARK_CAPTURE(BM_TextToNumber, fraction, "0.05");
BENCHMARK_CAPTURE(BM_TextToNumber, exponent, "1e16");
BENCHMARK_CAPTURE(BM_TextToNumber, full_width, "\xA3\xB1\xA3\xB0\xA3\xB0\xA3\xB0");
BENCHMARK_CAPTURE(BM_TextToNumber, long_mantissa, "3.14159265358979323846264338327950288");
BENCHMARK_CAPTURE(BM_TextToNumber, junk, "abc");

void BM_NumberToText(benchmark::State& state, double value)
{
    for (auto _ : state) {
        char* text = NumberToText(value);
        benchmark::DoNotOptimize(text);
        FreeText(text);
    }
}
BENCHMARK_CAPTURE(BM_NumberToText, integer, 1000.0);
BENCHMARK_CAPTURE(BM_NumberToText, fraction, 0.05);
BENCHMARK_CAPTURE(BM_NumberToText, seconds, 2147483.647);
BENCHMARK_CAPTURE(BM_NumberToText, exponent, 1e16);
BENCHMARK_CAPTURE(BM_NumberToText, small, 0.05 / 1000.0);
BENCHMARK_CAPTURE(BM_NumberToText, thirds, 1.0 / 3);

}  // namespace

BENCHMARK_MAIN();
