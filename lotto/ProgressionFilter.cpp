// SPDX-License-Identifier: GPL-3.0-or-later
#include "ProgressionFilter.h"

bool ProgressionFilter::holdsProgression(const std::int32_t* values) const
{
    for (int c = 0; c < count_; ++c) {
        const Choice& at = choices_[c];
        const std::int32_t gap = values[at[1]] - values[at[0]];
        int m = 2;
        while (m < length_ && values[at[m]] - values[at[m - 1]] == gap)
            ++m;
        if (m == length_)
            return true;
    }
    return false;
}
