// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cmath>
#include <cstdint>
#include <optional>

// Int(x): floor, keeping the floating type.
inline double Int(double x) { return std::floor(x); }

// Round-to-integer, the conversion into a 16- or 32-bit variable: nearest,
// a half to the even neighbour. Out of range (or not a number) is an overflow.
std::optional<std::int16_t> toInt16(double x);
std::optional<std::int32_t> toInt32(double x);

// R(x) of the lotto filters: Round-to-integer into 32 bits.
inline std::optional<std::int32_t> R(double x) { return toInt32(x); }
