// SPDX-License-Identifier: GPL-3.0-or-later
// Any answer text: Val reads it, and the value survives the print writer,
// Str and the 16-bit store.
#include "PrintWriter.h"
#include "Rounding.h"
#include "TextFunctions.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const auto value = Val(text);
    if (!value)
        return 0;
    if (!std::isfinite(*value))
        std::abort(); // overflow must come back as no value
    PrintWriter out;
    out.number(*value).single(static_cast<float>(*value)).zone().tab(static_cast<int>(size % 100));
    const std::string back = Str(*value);
    // Str's digits read back to the same number to 15 digits.
    const double again = Val(back).value_or(0);
    if (*value != 0 && std::fabs(again - *value) > std::fabs(*value) * 1e-14)
        std::abort();
    (void)toInt16(*value);
    (void)toInt32(*value);
    return 0;
}
