// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Pane.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

class QsciScintillaBase;

// What a stretch of text sets for itself; what it leaves unset comes from
// the pane's font.
struct TextFormat {
    std::optional<std::string> name;
    std::optional<double> size;
    std::optional<bool> bold;
    std::optional<bool> italic;
    std::optional<bool> underline;
    std::optional<std::uint32_t> colour; // 0xRRGGBB

    bool operator==(const TextFormat& other) const;
};

// The text formats in use, each held by the editor as a pair of identical
// styles. Long lines alternate between the two at every word (and every
// few characters of a long run without blanks), so that the editor
// measures them in short pieces it caches instead of laying out hundreds of
// kilobytes glyph by glyph.
class PaneStyles {
public:
    explicit PaneStyles(QsciScintillaBase& editor);

    // Forgets every format (the pane is empty): `first` becomes style 0.
    void reset(const TextFormat& first);
    // The style that shows `format`, defined when it is new.
    int styleOf(const TextFormat& format);
    const TextFormat& formatOf(int style) const;
    static int twinOf(int style) { return style ^ 1; }

    // Everything the styles hold, to be given back with an earlier text.
    struct State {
        FontChoice paneFont;
        std::vector<std::optional<TextFormat>> formats;
    };
    State state() const { return {paneFont_, formats_}; }
    void restore(State state);

    const FontChoice& paneFont() const { return paneFont_; }
    void setPaneFont(const FontChoice& font);
    // The whole pane takes a new font: every format keeps only its colour.
    void keepOnlyColours();

private:
    static int styleAt(std::size_t index);
    static std::size_t indexOf(int style);
    void define(std::size_t index) const;
    void defineAll() const;
    // Frees the formats that no text shows any more.
    void freeUnused();

    QsciScintillaBase& editor_;
    FontChoice paneFont_;
    std::vector<std::optional<TextFormat>> formats_;
};
