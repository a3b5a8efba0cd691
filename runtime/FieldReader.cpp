// SPDX-License-Identifier: GPL-3.0-or-later
#include "FieldReader.h"

#include "TextFunctions.h"

namespace {

bool isLineEnd(char c) { return c == '\r' || c == '\n'; }

} // namespace

void FieldReader::skipBlanks()
{
    while (pos_ < text_.size() && (text_[pos_] == ' ' || text_[pos_] == '\t'))
        ++pos_;
}

bool FieldReader::atEnd()
{
    while (pos_ < text_.size()
           && (text_[pos_] == ' ' || text_[pos_] == '\t' || isLineEnd(text_[pos_])))
        ++pos_;
    return pos_ >= text_.size();
}

// After a field: blanks, then one comma or one line end (CR LF, CR or LF).
void FieldReader::finishField()
{
    skipBlanks();
    if (pos_ >= text_.size())
        return;
    if (text_[pos_] == ',') {
        ++pos_;
    } else if (text_[pos_] == '\r') {
        ++pos_;
        if (pos_ < text_.size() && text_[pos_] == '\n')
            ++pos_;
    } else if (text_[pos_] == '\n') {
        ++pos_;
    }
}

std::optional<double> FieldReader::readNumber()
{
    skipBlanks();
    const std::size_t start = pos_;
    while (pos_ < text_.size() && text_[pos_] != ' ' && text_[pos_] != '\t' && text_[pos_] != ','
           && !isLineEnd(text_[pos_]))
        ++pos_;
    const auto value = numberAtStart(text_.substr(start, pos_ - start));
    finishField();
    return value;
}

std::string FieldReader::readText()
{
    skipBlanks();
    std::string field;
    if (pos_ < text_.size() && text_[pos_] == '"') {
        ++pos_;
        while (pos_ < text_.size() && text_[pos_] != '"' && !isLineEnd(text_[pos_]))
            field += text_[pos_++];
        if (pos_ < text_.size() && text_[pos_] == '"')
            ++pos_;
        // Anything between the closing quote and the delimiter is dropped.
        while (pos_ < text_.size() && text_[pos_] != ',' && !isLineEnd(text_[pos_]))
            ++pos_;
    } else {
        while (pos_ < text_.size() && text_[pos_] != ',' && !isLineEnd(text_[pos_]))
            field += text_[pos_++];
        while (!field.empty() && (field.back() == ' ' || field.back() == '\t'))
            field.pop_back();
    }
    finishField();
    return field;
}
