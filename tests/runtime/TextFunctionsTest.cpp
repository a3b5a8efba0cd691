// SPDX-License-Identifier: GPL-3.0-or-later
#include "TextFunctions.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <iomanip>
#include <locale>
#include <random>
#include <sstream>

TEST(Str, LeadingBlankForPositivesMinusForNegativesAndFormatRightAligns)
{
    EXPECT_EQ(Str(7), " 7");
    EXPECT_EQ(Str(-2), "-2");
    EXPECT_EQ(Str(-0.0), " 0");
    EXPECT_EQ(Str(2026.0, Precision::Single), " 2026");
    EXPECT_EQ(Format(" 12", 4), "  12");
    EXPECT_EQ(Format(" 12345", 3), " 12345");
    // Fifteen digits of the largest doubles round up beyond the range; what
    // is written still reads back, to fifteen digits.
    for (double value : {1.7976931348623157e308, -1.7976931348623155e308, 1.7976931348623149e308}) {
        const std::optional<double> back = Val(Str(value));
        ASSERT_TRUE(back) << Str(value);
        EXPECT_NEAR(*back, value, std::fabs(value) * 1e-14);
    }
}

// Val reads what a text starts with and gives 0 when that is nothing
// numeric; numberAtStart gives no value then. Both give none on overflow.
TEST(Val, ReadsEveryFormAndOverflowsBeyondTheDoubleRange)
{
    const struct {
        std::string text;
        std::optional<double> val, start;
    } cases[] = {
        {"12 horses", 12, 12},      {"1 2", 12, 12},            {"\t4\n9", 49, 49},
        {"- 5", -5, -5},            {"+4", 4, 4},               {"-0", 0, 0},
        {"12.5", 12.5, 12.5},       {"1.2.3", 1.2, 1.2},        {".5", 0.5, 0.5},
        {"1,5", 1, 1},              {"1E3", 1000, 1000},        {"1d2", 100, 100},
        {"2.5e-1", 0.25, 0.25},     {"3E", 3, 3},               {"3e+", 3, 3},
        {"&H1F", 31, 31},           {"&hff", 255, 255},         {"&Ha", 10, 10},
        {"&HA", 10, 10},            {"&O17", 15, 15},           {"&O18", 1, 1},
        {"&HFFFFFFFF", 4294967295.0, 4294967295.0},             {"&H090", 144, 144},
        {"", 0, {}},                {"&", 0, {}},               {"NaN", 0, {}},
        {"-", 0, {}},               {".", 0, {}},
        {"&Hzz", 0, {}},            {"&X1", 0, {}},             {"1e400", {}, {}},
        {"-1D999", {}, {}},         {"&H" + std::string(300, 'F'), {}, {}},
        {std::string(10000, '9'), {}, {}},                      {"1e-400", 0, 0},
        {"-1D-999", 0, 0},          {"0.0000001e-320", 0, 0},   {std::string(400, '0') + "1e-400", 0, 0},
        {"0.1" + std::string(400, '1') + "e400", {}, {}},
        {"4.9406564584124654e-324", 4.9406564584124654e-324, 4.9406564584124654e-324},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Val(c.text), c.val) << c.text.substr(0, 20);
        EXPECT_EQ(numberAtStart(c.text), c.start) << c.text.substr(0, 20);
    }
}

// Every report's numbers: the C locale's "%.15G" and "%.7G", byte for byte,
// whatever locale the process has.
TEST(GeneralForm, WritesWhatTheCLocalesGeneralFormatWrites)
{
    std::vector<double> values = {0.5, -0.25, 8.5, 1.5e15, 1e15, 999999999999999.0, 1e7, 9999999.0, 1e-5,
                                  0.0001, 123456789.123456789, 156240391.798828, 2.5e-300, 1e308, -1e-320,
                                  0.1 + 0.2, 1.0 / 3, 16777217.5};
    std::mt19937_64 bits(7);
    for (int i = 0; i < 20000; ++i) {
        double value = 0;
        const std::uint64_t pattern = bits();
        std::memcpy(&value, &pattern, sizeof value);
        if (std::isfinite(value))
            values.push_back(value);
        values.push_back(std::ldexp(static_cast<double>(pattern >> 11), static_cast<int>(pattern % 120) - 100));
    }
    for (double value : values)
        for (Precision precision : {Precision::Double, Precision::Single}) {
            // A stream in the classic locale writes as the C locale's "%G".
            std::ostringstream expected;
            expected.imbue(std::locale::classic());
            expected << std::uppercase << std::setprecision(static_cast<int>(precision)) << value;
            ASSERT_EQ(generalForm(value, precision), expected.str()) << value;
        }
}
