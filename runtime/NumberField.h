// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// Format(Str(n), width) for a whole n >= 0: a blank and the digits,
// right-aligned in `width` characters; a wider number is written whole.
// Reports write thousands of these, so this skips the general number
// formatting. PrintWriter::numberField writes the same field.
void appendNumberField(std::string& out, std::int32_t number, int width);

// The characters appendNumberField writes for the number.
std::size_t numberFieldWidth(std::int32_t number, int width);
