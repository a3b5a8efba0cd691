// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// Reads the fields of a sequential text file the way its values were
// written: blanks before a field are skipped; a number ends at a blank, a
// comma or the line end; a text ends at a comma or the line end, and a
// quoted text may hold commas.
class FieldReader {
public:
    explicit FieldReader(std::string_view content) : text_(content) {}

    // True once only blanks and line ends remain.
    bool atEnd();
    // The next numeric field, read as Val reads it; no value when it holds
    // nothing numeric or overflows.
    std::optional<double> readNumber();
    // The next text field, without its quotes or trailing blanks.
    std::string readText();

private:
    void skipBlanks();
    void finishField();

    std::string_view text_;
    std::size_t pos_ = 0;
};
