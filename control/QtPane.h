#pragma once

#include "Pane.h"

class QTextEdit;

// The output pane over a QTextEdit. QTextEdit keeps no CR, so each block
// records its own line end (LF, CR LF or CR) in its user state; text()
// puts them back. A block the user splits off takes its neighbour's end.
class QtPane : public Pane {
public:
    explicit QtPane(QTextEdit* edit) : edit_(edit) {}

    std::string text() const override;
    void setText(const std::string& text) override;

    std::string selectedText() const override;
    int selectionLength() const override;
    void setSelectionText(const std::string& text) override;

    void setSelectionFontName(const std::string& name) override;
    void setSelectionFontSize(double points) override;
    void setFontBold(bool bold) override;
    void applyToSelection(const FontChoice& font) override;
    void applyToPane(const FontChoice& font) override;

    void setVisible(bool visible) override;
    void setFocus() override;

    QTextEdit* edit() const { return edit_; }

private:
    std::string textBetween(int start, int end) const;

    QTextEdit* edit_;
};
