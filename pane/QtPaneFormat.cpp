// SPDX-License-Identifier: GPL-3.0-or-later
#include "QtPane.h"

#include "PaneEditor.h"

#include <algorithm>
#include <array>
#include <vector>

namespace {

using Sci = QsciScintillaBase;

TextFormat merged(TextFormat base, const TextFormat& change)
{
    if (change.name)
        base.name = change.name;
    if (change.size)
        base.size = change.size;
    if (change.bold)
        base.bold = change.bold;
    if (change.italic)
        base.italic = change.italic;
    if (change.underline)
        base.underline = change.underline;
    if (change.colour)
        base.colour = change.colour;
    return base;
}

} // namespace

void QtPane::setSelectionFontName(const std::string& name)
{
    TextFormat change;
    change.name = name;
    changeSelectionFormat(change);
}

void QtPane::setSelectionFontSize(double points)
{
    TextFormat change;
    change.size = points;
    changeSelectionFormat(change);
}

void QtPane::setFontBold(bool bold)
{
    FontChoice font = styles_.paneFont();
    font.bold = bold;
    styles_.setPaneFont(font);
}

void QtPane::changeSelectionFormat(const TextFormat& change)
{
    const long start = editor_->SendScintilla(Sci::SCI_GETSELECTIONSTART);
    const long end = editor_->SendScintilla(Sci::SCI_GETSELECTIONEND);
    if (start == end) {
        insertFormat_ = merged(insertFormat_, change);
        return;
    }
    // Every stretch of the selection keeps what the change leaves alone.
    std::array<int, 256> restyled;
    restyled.fill(-1);
    constexpr long kChunk = 1 << 20;
    std::vector<char> cells(2 * kChunk + 2);
    std::vector<char> styles;
    for (long from = start; from < end; from += kChunk) {
        const long to = std::min(end, from + kChunk);
        editor_->SendScintilla(Sci::SCI_GETSTYLEDTEXT, from, to, cells.data());
        styles.resize(static_cast<std::size_t>(to - from));
        for (std::size_t i = 0; i < styles.size(); ++i) {
            const auto old = static_cast<unsigned char>(cells[2 * i + 1]);
            if (restyled[old] < 0)
                restyled[old] = styles_.styleOf(merged(styles_.formatOf(old), change)) | (old & 1);
            styles[i] = static_cast<char>(restyled[old]);
        }
        editor_->SendScintilla(Sci::SCI_STARTSTYLING, at(from), 0L);
        editor_->SendScintilla(Sci::SCI_SETSTYLINGEX, static_cast<uintptr_t>(styles.size()), styles.data());
    }
}

namespace {

void strikeOut(PaneEditor& editor, int indicator, long start, long end, bool strike, std::uint32_t colour)
{
    editor.SendScintilla(Sci::SCI_SETINDICATORCURRENT, static_cast<long>(indicator));
    if (!strike) {
        editor.SendScintilla(Sci::SCI_INDICATORCLEARRANGE, static_cast<unsigned long>(start), end - start);
        return;
    }
    const long bgr = static_cast<long>(((colour & 0xFF) << 16) | (colour & 0xFF00) | ((colour >> 16) & 0xFF));
    editor.SendScintilla(Sci::SCI_SETINDICATORVALUE, bgr | Sci::SC_INDICVALUEBIT);
    editor.SendScintilla(Sci::SCI_INDICATORFILLRANGE, static_cast<unsigned long>(start), end - start);
}

} // namespace

void QtPane::applyToSelection(const FontChoice& font)
{
    changeSelectionFormat({font.name, font.size, font.bold, font.italic, font.underline, font.colour});
    strikeOut(*editor_, kStrikeIndicator, editor_->SendScintilla(Sci::SCI_GETSELECTIONSTART),
              editor_->SendScintilla(Sci::SCI_GETSELECTIONEND), font.strikethrough, font.colour);
}

void QtPane::applyToPane(const FontChoice& font)
{
    FontChoice pane = font;
    pane.colour = styles_.paneFont().colour;
    styles_.keepOnlyColours();
    styles_.setPaneFont(pane);
    insertFormat_ = TextFormat{{}, {}, {}, {}, {}, insertFormat_.colour};
    strikeOut(*editor_, kStrikeIndicator, 0, length(), font.strikethrough, 0);
}

FontChoice QtPane::lookOfSelection() const
{
    const long start = hasSelection() ? editor_->SendScintilla(Sci::SCI_GETSELECTIONSTART) : 0;
    const FontChoice& pane = styles_.paneFont();
    if (start >= length())
        return pane;
    const int style = static_cast<int>(editor_->SendScintilla(Sci::SCI_GETSTYLEAT, at(start)) & 0xFF);
    const TextFormat& format = styles_.formatOf(style);
    FontChoice look = pane;
    look.name = format.name.value_or(pane.name);
    look.size = format.size.value_or(pane.size);
    look.bold = format.bold.value_or(pane.bold);
    look.italic = format.italic.value_or(pane.italic);
    look.underline = format.underline.value_or(pane.underline);
    look.colour = format.colour.value_or(0);
    return look;
}
