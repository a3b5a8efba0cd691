// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "TextFunctions.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>

// The formatted print statement, writing into a text in memory. Each call is
// one item or separator; ";" writes nothing, so it has no call.
class PrintWriter {
public:
    // Numbers: a blank or "-", the digits, one trailing blank.
    PrintWriter& number(double value);
    PrintWriter& single(float value);
    // Format(Str(n), width) of a whole n >= 0, as appendNumberField writes it.
    PrintWriter& numberField(std::int32_t number, int width);
    // Text is written unchanged.
    PrintWriter& text(std::string_view value);
    // "," : blanks up to the start of the next 14-column print zone.
    PrintWriter& zone();
    // Tab(n): blanks up to column n; past it, a new line and n - 1 blanks.
    PrintWriter& tab(int column);
    // The CR LF that ends a statement which ends with an item.
    PrintWriter& endLine();

    int column() const { return column_; }
    const std::string& str() const { return out_; }
    std::string take() { return std::move(out_); }
    void reserve(std::size_t bytes) { out_.reserve(bytes); }

private:
    void write(std::string_view piece);
    void writeNumber(double value, Precision precision);

    std::string out_;
    int column_ = 1;
};
