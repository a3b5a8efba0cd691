// SPDX-License-Identifier: GPL-3.0-or-later
#include "CountFormat.h"

#include <charconv>
#include <cmath>

std::string countText(double value)
{
    if (!std::isfinite(value))
        return value < 0 ? "less than -10^308" : "more than 10^308";
    const double whole = std::round(value);
    if (whole == 0)
        return "";
    // A whole double printed with no decimals gives its exact digits
    // (at most 309).
    char digits[320];
    const auto written = std::to_chars(digits, digits + sizeof digits, std::fabs(whole),
                                       std::chars_format::fixed, 0);
    const auto length = static_cast<int>(written.ptr - digits);
    std::string out;
    out.reserve(static_cast<std::size_t>(length + length / 3 + 1));
    if (whole < 0)
        out += '-';
    for (int i = 0; i < length; ++i) {
        if (i > 0 && (length - i) % 3 == 0)
            out += ',';
        out += digits[i];
    }
    return out;
}
