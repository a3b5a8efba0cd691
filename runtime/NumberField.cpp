// SPDX-License-Identifier: GPL-3.0-or-later
#include "NumberField.h"

#include <algorithm>
#include <charconv>

void appendNumberField(std::string& out, std::int32_t number, int width)
{
    char digits[12];
    const auto end = std::to_chars(digits, digits + sizeof digits, number).ptr;
    const int length = static_cast<int>(end - digits) + 1; // with Str's leading blank
    out.append(static_cast<std::size_t>(length < width ? width - length + 1 : 1), ' ');
    out.append(digits, end);
}

std::size_t numberFieldWidth(std::int32_t number, int width)
{
    int length = 2; // Str's leading blank and the last digit
    for (std::int32_t rest = number / 10; rest != 0; rest /= 10)
        ++length;
    return static_cast<std::size_t>(std::max(width, length));
}
