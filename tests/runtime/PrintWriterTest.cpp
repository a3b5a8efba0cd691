#include "PrintWriter.h"

#include <gtest/gtest.h>

TEST(PrintWriter, NumbersCarryTheirSignBlankAndTrailingBlank)
{
    struct Case {
        double value;
        const char* expected;
    };
    const Case cases[] = {
        {7, " 7 "},        {631, " 631 "},      {-3, "-3 "},           {0, " 0 "},
        {8.5, " 8.5 "},    {0.5, " 0.5 "},      {-0.25, "-0.25 "},     {1.5e15, " 1.5E+15 "},
        {123456789012345, " 123456789012345 "}, {0.1 + 0.2, " 0.3 "}, {1e-5, " 1E-05 "},
    };
    for (const Case& c : cases) {
        PrintWriter out;
        out.number(c.value);
        EXPECT_EQ(out.str(), c.expected) << c.value;
    }
}

TEST(PrintWriter, SinglesKeepSevenSignificantDigits)
{
    PrintWriter out;
    out.single(3.14159265f).single(2026.0f).single(1.0e8f);
    EXPECT_EQ(out.str(), " 3.141593  2026  1E+08 ");
}

TEST(PrintWriter, SemicolonSeparatedItemsEndWithCrLf)
{
    PrintWriter out;
    out.number(3).number(7).number(0).endLine();
    EXPECT_EQ(out.str(), " 3  7  0 \r\n");
    EXPECT_EQ(out.column(), 1);
}

TEST(PrintWriter, TextIsWrittenUnchanged)
{
    PrintWriter out;
    out.text("").text("ab c").number(5);
    EXPECT_EQ(out.str(), "ab c 5 ");
}

TEST(PrintWriter, CommaMovesToTheNextFourteenColumnZone)
{
    PrintWriter out;
    out.text("abcd").zone().text("x").zone();
    EXPECT_EQ(out.str(), "abcd          x             ");
    EXPECT_EQ(out.column(), 29);

    PrintWriter full;
    full.text(std::string(14, 'a')).zone(); // ends exactly at a zone start
    EXPECT_EQ(full.column(), 29);
}

TEST(PrintWriter, TabMovesToItsColumnOrStartsANewLine)
{
    PrintWriter out;
    out.text("ab").tab(5).text("x").tab(6).text("y").tab(3).text("z");
    EXPECT_EQ(out.str(), "ab  xy\r\n  z");
}

TEST(PrintWriter, ColumnsCountCharactersNotBytes)
{
    PrintWriter out;
    out.text("\u00c9T\u00c9").zone();
    EXPECT_EQ(out.column(), 15);
}
