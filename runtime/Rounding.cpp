// SPDX-License-Identifier: GPL-3.0-or-later
#include "Rounding.h"

namespace {

std::optional<double> roundHalfEven(double x, double lowest, double highest)
{
    if (!std::isfinite(x))
        return std::nullopt;
    const double rounded = std::nearbyint(x); // default mode: to nearest, ties to even
    if (rounded < lowest || rounded > highest)
        return std::nullopt;
    return rounded;
}

} // namespace

std::optional<std::int16_t> toInt16(double x)
{
    auto r = roundHalfEven(x, INT16_MIN, INT16_MAX);
    if (!r)
        return std::nullopt;
    return static_cast<std::int16_t>(*r);
}

std::optional<std::int32_t> toInt32(double x)
{
    auto r = roundHalfEven(x, INT32_MIN, INT32_MAX);
    if (!r)
        return std::nullopt;
    return static_cast<std::int32_t>(*r);
}
