// Comparing recorded calls with the expected ones, the way Wine's message
// tests do: the first difference is reported with both sequences.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

// Prints a sequence one entry a line, for failure messages.
inline std::string Lines(const std::vector<std::string>& seq)
{
    std::string out;
    for (const auto& s : seq)
        out += "    " + s + "\n";
    return out;
}

inline ::testing::AssertionResult SameSequence(const std::vector<std::string>& actual,
                                               const std::vector<std::string>& expected)
{
    size_t n = std::min(actual.size(), expected.size());
    for (size_t i = 0; i < n; ++i)
        if (actual[i] != expected[i])
            return ::testing::AssertionFailure()
                   << "entry " << i << " differs:\n  expected " << expected[i] << "\n  actual   " << actual[i]
                   << "\nexpected:\n" << Lines(expected) << "actual:\n" << Lines(actual);
    if (actual.size() != expected.size())
        return ::testing::AssertionFailure() << "expected " << expected.size() << " entries, got " << actual.size()
                                             << "\nexpected:\n" << Lines(expected) << "actual:\n" << Lines(actual);
    return ::testing::AssertionSuccess();
}

#define EXPECT_SEQUENCE(actual, ...) EXPECT_TRUE(SameSequence((actual), std::vector<std::string>(__VA_ARGS__)))
