// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Pane.h"
#include "PaneStyles.h"

#include <QPointer>
#include <functional>
#include <Qsci/qscidocument.h>

#include <optional>
#include <string>
#include <string_view>
#include <vector>

class PaneEditor;
class QPoint;
class QPrinter;
class QWidget;

// The output pane over an editing engine that keeps the text's own bytes,
// line ends (LF, CR LF, lone CR, mixed) included, and styles stretches of
// it with fonts and colours. The text a command replaces can come back with
// undo, after the user's own edits; what the user typed is never dropped.
class QtPane : public Pane {
public:
    explicit QtPane(QWidget* parent);
    ~QtPane() override;

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
    void markSaved() override;

    QWidget* widget() const;
    // The text without a copy, valid until the next change.
    std::string_view textView() const;
    // Called after the text changed, or undo or redo brought another one.
    std::function<void()> changed;
    // The look of the selection's first character, or of the pane's first
    // one when nothing is selected: what a font choice will change.
    FontChoice lookOfSelection() const;
    // True while the pane shows text the user typed and has not saved:
    // edits since a command last put text in or since the last Save.
    bool hasUnsavedEdits() const;
    // True when a command set aside text the user typed and did not save,
    // which undo can still bring back.
    bool typedTextSetAside() const;
    // Brings back the latest such text, as undo would, keeping what the
    // pane shows now for redo; false when there is none.
    bool bringBackTypedText();
    // The text shown now is worth a way back once a command replaces it,
    // as the user's text and reports are (help texts are not).
    void keepForUndo() { worthKeeping_ = true; }
    // Grows by one whenever a command or an undo or redo past one puts
    // another text in the pane.
    unsigned long textsShown() const { return textsShown_; }
    // True when the user cancelled the last text a command put in, which
    // the pane then dropped.
    bool textCancelled() const { return cancelledAt_.has_value(); }
    // A text that takes longer than this to go in shows its progress, with
    // Cancel.
    int progressAfterMs = 500;

    // Undo goes back through the user's edits, then to the texts commands
    // replaced; redo goes forward the same way.
    bool canUndo() const;
    bool canRedo() const;
    void undo();
    void redo();
    bool hasSelection() const;
    void cut();
    void copy();
    void paste();
    void deleteSelection();
    void selectAll();

    // Selects line `lineNumber` (from 1) and scrolls to it.
    void selectLine(int lineNumber);
    // Where the caret is on the screen, for a menu opened from the keyboard.
    QPoint caretPoint() const;
    // Prints the selection, or the whole text; false when the printer failed.
    bool print(QPrinter& printer) const;

private:
    // The first indicator the editor leaves to its user; it strikes text out.
    static constexpr int kStrikeIndicator = 8;
    static unsigned long at(long position) { return static_cast<unsigned long>(position); }

    std::string textBetween(long start, long end) const;
    long length() const;
    void changeSelectionFormat(const TextFormat& change);
    void showFromTheTop();
    // Empties the pane for a command's text. What it held stays aside,
    // styles and all, when it is worth a way back.
    void emptyForCommand();
    // A text set aside, with what it needs to look as it did and to be
    // saved as the file it came from.
    struct SetAside {
        QsciDocument document;
        PaneStyles::State styles;
        TextFormat insertFormat;
        bool typed = false; // it holds edits the user has not saved
        TextEncoding encoding = TextEncoding::Utf8;
    };
    SetAside setAside() const;
    void show(SetAside text);
    // Shows the last text of `from`, setting the shown one aside on `to`.
    void stepBetween(std::vector<SetAside>& from, std::vector<SetAside>& to);
    // Inserts with a progress dialog once it takes long; false when cancelled.
    bool insertShowingProgress(long position, const std::string& text, int style);
    void dropCancelledText(long start, const std::string& replaced);
    void beginCommandChange();
    void commandChangeDone();
    void userChanged(long position, long length, bool inserted);

    // The widget belongs to its parent, which may delete it first.
    QPointer<PaneEditor> editor_;
    PaneStyles styles_;
    TextFormat insertFormat_;
    bool commandChanging_ = false;
    // Text that came from the user or from a report, as opposed to a help text.
    bool worthKeeping_ = false;
    unsigned long textsShown_ = 0;
    std::optional<long> cancelledAt_; // where the cancelled text stopped
    // Texts commands replaced, the latest last: the latest one, and every
    // one that holds the user's unsaved edits.
    std::vector<SetAside> back_;
    // Texts undo took away, the latest last; gone once the user types.
    std::vector<SetAside> forward_;
};
