// SPDX-License-Identifier: GPL-3.0-or-later
#include "MemoryPane.h"

#include <algorithm>

void MemoryPane::setText(const std::string& text)
{
    text_ = text;
    encoding_ = TextEncoding::Utf8;
    caret_ = 0;
    selectionBytes_ = 0;
}

std::string MemoryPane::selectedText() const { return text_.substr(caret_, selectionBytes_); }

int MemoryPane::selectionLength() const
{
    int characters = 0;
    for (std::size_t i = caret_; i < caret_ + selectionBytes_; ++i)
        if ((static_cast<unsigned char>(text_[i]) & 0xC0) != 0x80)
            ++characters;
    return characters;
}

void MemoryPane::setSelectionText(const std::string& text)
{
    const bool wasEmpty = text_.empty();
    text_.replace(caret_, selectionBytes_, text);
    if (!wasEmpty)
        caret_ += text.size();
    selectionBytes_ = 0;
}

void MemoryPane::applyToPane(const FontChoice& font)
{
    const std::uint32_t colour = paneFont_.colour;
    paneFont_ = font;
    paneFont_.colour = colour;
}

void MemoryPane::select(std::size_t start, std::size_t length)
{
    caret_ = std::min(start, text_.size());
    selectionBytes_ = std::min(length, text_.size() - caret_);
}
