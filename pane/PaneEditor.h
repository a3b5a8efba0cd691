// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <Qsci/qsciscintilla.h>

#include <functional>
#include <string>

class QPrinter;

// The editing widget behind the output pane, with the keyboard of a text
// box in a form: Tab and Shift+Tab leave it (Ctrl+Tab types a tab), a new
// line takes the line end of the line it is made from, and undo and redo
// are the pane's, which go further than the user's own edits.
class PaneEditor : public QsciScintilla {
public:
    explicit PaneEditor(QWidget* parent);

    // What undo and redo do, from the keyboard too.
    std::function<void()> undoCommand;
    std::function<void()> redoCommand;
    // Called when the widget's font changes.
    std::function<void(const QFont&)> fontChanged;

    // Inserts `text` at `position` in `style`, in slices of whole lines;
    // after each slice but the last, `sliceDone` learns how far it got, and
    // stops the insertion with false. Returns the bytes inserted.
    std::size_t insert(long position, const std::string& text, int style,
                       const std::function<bool(double)>& sliceDone = nullptr);
    // Prints the text from `from` to `to`; false when the printer failed.
    bool print(QPrinter& printer, long from, long to);

    void undo() override;
    void redo() override;
    void paste() override;

protected:
    bool focusNextPrevChild(bool next) override;
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    // A stray byte of an opened file (TextEncoding.h) shows as the engine
    // shows a byte that fits no character: its value in a box ("x96").
    void showStrayBytes();
    // Long lines alternate between a style and its twin at every word, and
    // within a long run without blanks.
    void styleLongLines(long position, const std::string& text, std::size_t from, std::size_t to, int style);
    // New lines typed or pasted end as the caret's line does.
    void takeCaretLineEnd();
};
