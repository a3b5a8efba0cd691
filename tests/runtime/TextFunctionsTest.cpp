#include "TextFunctions.h"

#include <gtest/gtest.h>

#include <cmath>

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
        {"1,5", 1},
    };
    for (const Case& c : cases) {
        const auto value = Val(c.text);
        ASSERT_TRUE(value.has_value()) << c.text;
        EXPECT_DOUBLE_EQ(*value, c.expected) << c.text;
    }
}

TEST(Val, NumbersBeyondTheDoubleRangeOverflow)
{
    EXPECT_FALSE(Val("1e400").has_value());
    EXPECT_FALSE(Val("-1D999").has_value());
    EXPECT_FALSE(Val("&H" + std::string(300, 'F')).has_value());
    EXPECT_TRUE(Val(std::string(10000, '9')).has_value() == false);
}
