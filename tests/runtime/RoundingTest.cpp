#include "Rounding.h"

#include <gtest/gtest.h>

#include <limits>

TEST(Rounding, HalvesGoToTheEvenNeighbour)
{
    EXPECT_EQ(toInt16(2.5), 2);
    EXPECT_EQ(toInt16(3.5), 4);
    EXPECT_EQ(toInt16(-2.5), -2);
    EXPECT_EQ(toInt16(0.5), 0);
    EXPECT_EQ(toInt16(1.5), 2);
    EXPECT_EQ(toInt16(2.6), 3);
    EXPECT_EQ(toInt32(24.5), 24);
    EXPECT_EQ(toInt32(25.5), 26);
}

TEST(Rounding, OutOfRangeIsAnOverflow)
{
    EXPECT_EQ(toInt16(32767.4), 32767);
    EXPECT_FALSE(toInt16(32767.5).has_value()); // rounds to 32768
    EXPECT_EQ(toInt16(-32768.5), -32768);       // even neighbour stays in range
    EXPECT_FALSE(toInt16(-32769).has_value());
    EXPECT_FALSE(toInt16(std::numeric_limits<double>::quiet_NaN()).has_value());
    EXPECT_FALSE(toInt16(std::numeric_limits<double>::infinity()).has_value());
    EXPECT_EQ(toInt32(2147483647.0), 2147483647);
    EXPECT_FALSE(toInt32(2147483648.0).has_value());
}

TEST(Rounding, IntIsFloor)
{
    EXPECT_EQ(Int(2.7), 2);
    EXPECT_EQ(Int(-2.3), -3);
}
