// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "TextEncoding.h"

#include <cstdint>
#include <string>

// A font choice of the font dialog. The colour is 0xRRGGBB.
struct FontChoice {
    std::string name = "Courier New";
    double size = 10;
    bool bold = false;
    bool italic = false;
    bool strikethrough = false;
    bool underline = false;
    std::uint32_t colour = 0;
};

// The output pane. Texts are UTF-8 and keep their own line ends (CR LF for
// reports, LF for help texts): text() gives back exactly what was put in.
// The pane also keeps how a file's bytes became its text, so that Save
// writes them back the same.
class Pane {
public:
    virtual ~Pane() = default;

    virtual std::string text() const = 0;
    // Replaces everything; "" clears the pane and puts the caret at the start.
    virtual void setText(const std::string& text) = 0;

    virtual std::string selectedText() const = 0;
    // In characters; 0 when nothing is selected.
    virtual int selectionLength() const = 0;
    // Replaces the selection, or inserts at the caret, in the selection font.
    // The caret ends after the text, or at the start when the pane was empty.
    virtual void setSelectionText(const std::string& text) = 0;

    // Font for the selection, or for text inserted at the caret.
    virtual void setSelectionFontName(const std::string& name) = 0;
    virtual void setSelectionFontSize(double points) = 0;
    // The whole pane's font bold, or not.
    virtual void setFontBold(bool bold) = 0;
    // Every attribute of the choice, colour included, on the selection.
    virtual void applyToSelection(const FontChoice& font) = 0;
    // The choice, without its colour, on the whole pane.
    virtual void applyToPane(const FontChoice& font) = 0;

    virtual void setVisible(bool visible) = 0;
    virtual void setFocus() = 0;
    // The text was written to a file: the user's edits so far are safe.
    virtual void markSaved() = 0;

    // The encoding of the file Open read the text from; setText makes it
    // UTF-8 again.
    TextEncoding encoding() const { return encoding_; }
    void setEncoding(TextEncoding encoding) { encoding_ = encoding; }

protected:
    TextEncoding encoding_ = TextEncoding::Utf8;
};
