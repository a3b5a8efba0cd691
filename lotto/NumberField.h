#pragma once

#include <cstdint>
#include <string>

// Appends Format(Str(n), width) for a whole n >= 0: a blank and the digits,
// right-aligned in `width` characters; a wider number is written whole.
// Reports write some seven thousand of these, so this skips the general
// number formatting.
void appendNumberField(std::string& out, std::int32_t number, int width);
