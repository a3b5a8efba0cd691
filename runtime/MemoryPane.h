// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Pane.h"

#include <cstddef>
#include <optional>
#include <string>

// A pane held in memory, for the runner and the tests. The selection and
// caret are byte offsets into the UTF-8 text.
class MemoryPane : public Pane {
public:
    std::string text() const override { return text_; }
    void setText(const std::string& text) override;

    std::string selectedText() const override;
    int selectionLength() const override;
    void setSelectionText(const std::string& text) override;

    void setSelectionFontName(const std::string& name) override { selectionFont_.name = name; }
    void setSelectionFontSize(double points) override { selectionFont_.size = points; }
    void setFontBold(bool bold) override { paneFont_.bold = bold; }
    void applyToSelection(const FontChoice& font) override { selectionFont_ = font; }
    void applyToPane(const FontChoice& font) override;

    void setVisible(bool visible) override { visible_ = visible; }
    void setFocus() override { ++focusCount_; }
    void markSaved() override { ++savedCount_; }

    // For tests: select bytes [start, start + length).
    void select(std::size_t start, std::size_t length);

    const FontChoice& selectionFont() const { return selectionFont_; }
    const FontChoice& paneFont() const { return paneFont_; }
    bool visible() const { return visible_; }
    int focusCount() const { return focusCount_; }
    int savedCount() const { return savedCount_; }

private:
    std::string text_;
    std::size_t caret_ = 0;
    std::size_t selectionBytes_ = 0;
    FontChoice selectionFont_;
    FontChoice paneFont_;
    bool visible_ = true;
    int focusCount_ = 0;
    int savedCount_ = 0;
};
