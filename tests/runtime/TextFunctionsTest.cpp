#include "TestSupport.h"
#include "TextFunctions.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <cstring>
#include <locale.h>
#include <random>

TEST(Str, LeadingBlankForPositivesMinusForNegatives)
{
    EXPECT_EQ(Str(7), " 7");
    EXPECT_EQ(Str(36), " 36");
    EXPECT_EQ(Str(-2), "-2");
    EXPECT_EQ(Str(8.5), " 8.5");
    EXPECT_EQ(Str(0), " 0");
    EXPECT_EQ(Str(-0.0), " 0");
    EXPECT_EQ(Str(2026.0, Precision::Single), " 2026");
}

TEST(FormatAndString, RightAlignAndRepeat)
{
    EXPECT_EQ(Format(" 7", 3), "  7");
    EXPECT_EQ(Format(" 12", 4), "  12");
    EXPECT_EQ(Format(" 12345", 3), " 12345");
    EXPECT_EQ(String(4, '-'), "----");
    EXPECT_EQ(String(0, '-'), "");
}

TEST(Val, ReadsEveryForm)
{
    struct Case {
        const char* text;
        double expected;
    };
    const Case cases[] = {
        {" 8", 8},         {"12 horses", 12}, {"1 2", 12},        {"", 0},
        {"abc", 0},        {"-3", -3},        {"+4", 4},          {"12.5", 12.5},
        {"1.2.3", 1.2},    {".5", 0.5},       {"1E3", 1000},      {"1d2", 100},
        {"2.5e-1", 0.25},  {"3E", 3},         {"3e+", 3},         {"&H1F", 31},
        {"&hff", 255},     {"&O17", 15},      {"&O19", 1},        {"&HFFFFFFFF", 4294967295.0},
        {"\t4\n9", 49},    {"- 5", -5},       {"&", 0},           {"NaN", 0},
        {"1,5", 1},        {"&Ha", 10},       {"&HA", 10},
    };
    for (const Case& c : cases) {
        const auto value = Val(c.text);
        ASSERT_TRUE(value.has_value()) << c.text;
        EXPECT_DOUBLE_EQ(*value, c.expected) << c.text;
    }
}

TEST(Val, NumbersBeyondTheDoubleRangeOverflowAndOnesTooSmallReadAsZero)
{
    const std::pair<std::string, std::optional<double>> cases[] = {
        {"1e400", std::nullopt},       {"-1D999", std::nullopt}, {"&H" + std::string(300, 'F'), std::nullopt},
        {std::string(10000, '9'), std::nullopt}, {"1e-400", 0}, {"-1D-999", 0}, {"0.0000001e-320", 0},
        {"4.9406564584124654e-324", 4.9406564584124654e-324},
    };
    for (const auto& [text, expected] : cases)
        EXPECT_EQ(Val(text), expected) << text.substr(0, 20);
}

TEST(NumberAtStart, GivesNoValueForTextWithoutANumber)
{
    const struct {
        const char* text;
        std::optional<double> expected;
    } cases[] = {
        {" 8", 8}, {"12.5 horses", 12.5}, {"&H1F", 31}, {"-0", 0},
        {"", std::nullopt}, {"abc", std::nullopt}, {"-", std::nullopt}, {".", std::nullopt},
        {"&Hzz", std::nullopt}, {"&X1", std::nullopt}, {"1e400", std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(numberAtStart(c.text), c.expected) << c.text;
}

// Every report's numbers: the C locale's "%.15G" and "%.7G", byte for byte,
// whatever locale the process has.
TEST(GeneralForm, WritesWhatTheCLocalesGeneralFormatWrites)
{
    std::vector<double> values = {0.5, -0.25, 8.5, 1.5e15, 1e15, 999999999999999.0, 1e-5, 0.0001,
                                  123456789.123456789, 156240391.798828, 2.5e-300, 1e308, -1e-320,
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
    const locale_t cLocale = ::newlocale(LC_ALL_MASK, "C", nullptr);
    const locale_t previous = ::uselocale(cLocale);
    std::vector<std::string> expected;
    for (double value : values)
        for (int digits : {15, 7}) {
            char text[64];
            std::snprintf(text, sizeof text, "%.*G", digits, value);
            expected.push_back(text);
        }
    ::uselocale(previous);
    ::freelocale(cLocale);

    std::size_t next = 0;
    for (double value : values) {
        ASSERT_EQ(generalForm(value), expected[next++]) << value;
        ASSERT_EQ(generalForm(value, Precision::Single), expected[next++]) << value;
    }
}

TEST(GeneralForm, WritesAndReadsAPointUnderAGermanNumericLocale)
{
    const GermanNumbers german;
    ASSERT_TRUE(german.active()) << "the de_DE.UTF-8 locale is not installed";
    EXPECT_EQ(Str(8.5), " 8.5");
    EXPECT_EQ(generalForm(156240391.798828), "156240391.798828");
    EXPECT_EQ(generalForm(1.5e15), "1.5E+15");
    EXPECT_EQ(Val("99.5"), 99.5);
    EXPECT_EQ(Val("8,5"), 8);
}
