// SPDX-License-Identifier: GPL-3.0-or-later
#include "NumberField.h"
#include "PrintWriter.h"

#include <gtest/gtest.h>

TEST(PrintWriter, NumbersCarryTheirSignBlankAndTrailingBlank)
{
    const std::pair<double, const char*> cases[] = {
        {7, " 7 "},        {-3, "-3 "},    {0, " 0 "}, {8.5, " 8.5 "},
        {-0.25, "-0.25 "}, {1.5e15, " 1.5E+15 "}, {-1e-5, "-1E-05 "},
    };
    for (const auto& [value, expected] : cases) {
        PrintWriter out;
        out.number(value);
        EXPECT_EQ(out.str(), expected) << value;
        EXPECT_EQ(out.column(), 1 + static_cast<int>(out.str().size()));
    }
    PrintWriter singles;
    singles.single(3.14159265f).single(2026.0f).single(1.0e8f);
    EXPECT_EQ(singles.str(), " 3.141593  2026  1E+08 ");
}

// Format(Str(n), width): a blank and the digits, right-aligned; wider numbers whole.
TEST(PrintWriter, NumberFieldsRightAlignTheirDigits)
{
    const std::tuple<int, int, const char*> cases[] = {
        {7, 3, "  7"}, {0, 3, "  0"}, {12, 3, " 12"}, {99, 4, "  99"}, {100, 3, " 100"},
        {32767, 4, " 32767"}, {5, 1, " 5"}, {2147483647, 5, " 2147483647"},
    };
    for (const auto& [number, width, expected] : cases) {
        PrintWriter out;
        out.text("a").numberField(number, width);
        EXPECT_EQ(out.str(), "a" + std::string(expected)) << number;
        EXPECT_EQ(out.column(), 2 + static_cast<int>(std::string(expected).size())) << number;
        EXPECT_EQ(numberFieldWidth(number, width), std::string(expected).size()) << number;
    }
}

TEST(PrintWriter, ItemsEndLinesZonesAndTabs)
{
    PrintWriter out;
    out.number(3).text("").text("ab c").endLine();
    out.text("abcd").zone().text("x").zone();
    out.text(std::string(14, 'a')).zone(); // ends exactly at a zone start
    out.endLine().text("ab").tab(5).text("x").tab(6).text("y").tab(3).text("z").tab(0).text("!");
    EXPECT_EQ(out.str(), " 3 ab c\r\nabcd          x             " + std::string(14, 'a')
                             + std::string(14, ' ') + "\r\nab  xy\r\n  z\r\n!");
    PrintWriter wide;
    wide.text("\u00c9T\u00c9").zone(); // columns count characters, not bytes
    EXPECT_EQ(wide.column(), 15);
}
