// SPDX-License-Identifier: GPL-3.0-or-later
#include "BoundedDraws.h"

#include "RandomSource.h"

std::int32_t BoundedDraws::number(double biggest)
{
    --left_;
    return drawNumber(random_, biggest);
}

bool BoundedDraws::distinctNumbers(double biggest, std::int32_t* numbers, int count)
{
    for (int i = 0; i < count; ++i) {
        bool repeated = true;
        while (repeated) {
            if (exhausted())
                return false;
            numbers[i] = number(biggest);
            repeated = false;
            for (int j = 0; j < i && !repeated; ++j)
                repeated = numbers[j] == numbers[i];
        }
    }
    return true;
}
