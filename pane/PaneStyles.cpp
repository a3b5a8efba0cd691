// SPDX-License-Identifier: GPL-3.0-or-later
#include "PaneStyles.h"

#include <Qsci/qsciscintillabase.h>

#include <cmath>

namespace {

using Sci = QsciScintillaBase;

// Styles 32 to 39 are the editor's own (default, margins, braces...).
constexpr int kReservedFirst = Sci::STYLE_DEFAULT;
constexpr int kReservedCount = 8;
constexpr std::size_t kMaxFormats = (256 - kReservedCount) / 2;

// The editor takes colours as 0xBBGGRR.
long editorColour(std::uint32_t rgb)
{
    return static_cast<long>(((rgb & 0xFF) << 16) | (rgb & 0xFF00) | ((rgb >> 16) & 0xFF));
}

} // namespace

bool TextFormat::operator==(const TextFormat& other) const
{
    return name == other.name && size == other.size && bold == other.bold && italic == other.italic
        && underline == other.underline && colour == other.colour;
}

PaneStyles::PaneStyles(QsciScintillaBase& editor) : editor_(editor) { reset({}); }

int PaneStyles::styleAt(std::size_t index)
{
    const int first = static_cast<int>(2 * index);
    return first < kReservedFirst ? first : first + kReservedCount;
}

std::size_t PaneStyles::indexOf(int style)
{
    const int first = style < kReservedFirst ? style : style - kReservedCount;
    return static_cast<std::size_t>(first / 2);
}

void PaneStyles::reset(const TextFormat& first)
{
    formats_.assign(1, first);
    define(0);
}

int PaneStyles::styleOf(const TextFormat& format)
{
    std::optional<std::size_t> unused;
    for (std::size_t i = 0; i < formats_.size(); ++i) {
        if (formats_[i] == format)
            return styleAt(i);
        if (!formats_[i] && !unused)
            unused = i;
    }
    if (!unused && formats_.size() == kMaxFormats) {
        freeUnused();
        for (std::size_t i = 0; i < formats_.size() && !unused; ++i)
            if (!formats_[i])
                unused = i;
    }
    // With every format in use, the newest gives way.
    const std::size_t index = unused ? *unused : std::min(formats_.size(), kMaxFormats - 1);
    if (index == formats_.size())
        formats_.emplace_back();
    formats_[index] = format;
    define(index);
    return styleAt(index);
}

const TextFormat& PaneStyles::formatOf(int style) const
{
    static const TextFormat none;
    const std::size_t index = indexOf(style);
    return index < formats_.size() && formats_[index] ? *formats_[index] : none;
}

void PaneStyles::restore(State state)
{
    paneFont_ = std::move(state.paneFont);
    formats_ = std::move(state.formats);
    defineAll();
}

void PaneStyles::setPaneFont(const FontChoice& font)
{
    paneFont_ = font;
    defineAll();
}

void PaneStyles::keepOnlyColours()
{
    for (auto& format : formats_)
        if (format)
            format = TextFormat{{}, {}, {}, {}, {}, format->colour};
    defineAll();
}

void PaneStyles::define(std::size_t index) const
{
    const TextFormat& format = formats_[index] ? *formats_[index] : TextFormat{};
    const std::string name = format.name.value_or(paneFont_.name);
    const long size = std::lround(format.size.value_or(paneFont_.size) * Sci::SC_FONT_SIZE_MULTIPLIER);
    const int first = styleAt(index);
    for (int style : {first, twinOf(first)}) {
        const auto id = static_cast<unsigned long>(style);
        editor_.SendScintilla(Sci::SCI_STYLESETFONT, id, name.c_str());
        editor_.SendScintilla(Sci::SCI_STYLESETSIZEFRACTIONAL, id, size);
        editor_.SendScintilla(Sci::SCI_STYLESETBOLD, id, static_cast<long>(format.bold.value_or(paneFont_.bold)));
        editor_.SendScintilla(Sci::SCI_STYLESETITALIC, id,
                              static_cast<long>(format.italic.value_or(paneFont_.italic)));
        editor_.SendScintilla(Sci::SCI_STYLESETUNDERLINE, id,
                              static_cast<long>(format.underline.value_or(paneFont_.underline)));
        editor_.SendScintilla(Sci::SCI_STYLESETFORE, id, editorColour(format.colour.value_or(0)));
        editor_.SendScintilla(Sci::SCI_STYLESETBACK, id, editorColour(0xFFFFFF));
    }
}

void PaneStyles::defineAll() const
{
    for (std::size_t i = 0; i < formats_.size(); ++i)
        define(i);
}

void PaneStyles::freeUnused()
{
    std::vector<bool> used(formats_.size(), false);
    const long length = editor_.SendScintilla(Sci::SCI_GETLENGTH);
    constexpr long kChunk = 1 << 20;
    std::vector<char> cells(2 * kChunk + 2);
    for (long from = 0; from < length; from += kChunk) {
        const long to = std::min(length, from + kChunk);
        editor_.SendScintilla(Sci::SCI_GETSTYLEDTEXT, from, to, cells.data());
        for (long i = 0; i < to - from; ++i) {
            const std::size_t index = indexOf(static_cast<unsigned char>(cells[2 * i + 1]));
            if (index < used.size())
                used[index] = true;
        }
    }
    for (std::size_t i = 0; i < formats_.size(); ++i)
        if (!used[i])
            formats_[i].reset();
}
