// SPDX-License-Identifier: GPL-3.0-or-later
#include "Rounding.h"

#include <gtest/gtest.h>

#include <limits>

// Halves go to the even neighbour; a result out of range is an overflow.
TEST(Rounding, RoundsToTheNearestWholeNumberOrOverflows)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double infinity = std::numeric_limits<double>::infinity();
    const std::pair<double, std::optional<std::int16_t>> to16[] = {
        {2.5, 2},        {3.5, 4},         {-2.5, -2},       {0.5, 0},          {2.6, 3},
        {32767.4, 32767}, {32767.5, {}},   {-32768.5, -32768}, {-32768.6, {}},  {nan, {}},
        {infinity, {}},
    };
    for (const auto& [x, expected] : to16)
        EXPECT_EQ(toInt16(x), expected) << x;
    const std::pair<double, std::optional<std::int32_t>> to32[] = {
        {24.5, 24}, {25.5, 26}, {2147483647.0, 2147483647}, {2147483647.5, {}}, {-2147483648.5, -2147483648},
        {-2147483649.0, {}},
    };
    for (const auto& [x, expected] : to32)
        EXPECT_EQ(toInt32(x), expected) << x;
    EXPECT_EQ(Int(-2.3), -3);
}
