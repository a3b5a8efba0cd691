// SPDX-License-Identifier: GPL-3.0-or-later
#include "PrintWriter.h"

#include "NumberField.h"
#include "TextFunctions.h"

void PrintWriter::write(std::string_view piece)
{
    out_.append(piece);
    // Columns count characters: UTF-8 continuation bytes take no column.
    for (unsigned char c : piece)
        if ((c & 0xC0) != 0x80)
            ++column_;
}

void PrintWriter::writeNumber(double value, Precision precision)
{
    char buffer[kGeneralFormSize + 2];
    std::size_t length = writeGeneralForm(value, precision, buffer + 1);
    char* start = buffer + 1;
    if (*start != '-') {
        *--start = ' ';
        ++length;
    }
    start[length++] = ' ';
    out_.append(start, length);
    column_ += static_cast<int>(length); // digits are one byte each
}

PrintWriter& PrintWriter::number(double value)
{
    writeNumber(value, Precision::Double);
    return *this;
}

PrintWriter& PrintWriter::single(float value)
{
    writeNumber(value, Precision::Single);
    return *this;
}

PrintWriter& PrintWriter::numberField(std::int32_t number, int width)
{
    const std::size_t before = out_.size();
    appendNumberField(out_, number, width);
    column_ += static_cast<int>(out_.size() - before);
    return *this;
}

PrintWriter& PrintWriter::text(std::string_view value)
{
    write(value);
    return *this;
}

PrintWriter& PrintWriter::zone()
{
    const int nextZone = ((column_ - 1) / 14 + 1) * 14 + 1;
    out_.append(static_cast<std::size_t>(nextZone - column_), ' ');
    column_ = nextZone;
    return *this;
}

PrintWriter& PrintWriter::tab(int column)
{
    if (column < 1)
        column = 1;
    if (column_ > column) {
        endLine();
    }
    out_.append(static_cast<std::size_t>(column - column_), ' ');
    column_ = column;
    return *this;
}

PrintWriter& PrintWriter::endLine()
{
    out_.append("\r\n");
    column_ = 1;
    return *this;
}
