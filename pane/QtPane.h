#pragma once

#include "Pane.h"
#include "PaneStyles.h"

#include <QPointer>
#include <Qsci/qscidocument.h>

#include <optional>
#include <string>

class PaneEditor;
class QMenu;
class QPrinter;
class QWidget;

// The output pane over an editing engine that keeps the text's own bytes,
// line ends (LF, CR LF, lone CR, mixed) included, and styles stretches of
// it with fonts and colours. A text a command puts in can be taken back
// once with undo, after the user's own edits.
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
    // True once the user changed the text since a command last put text in
    // or since the last successful Save.
    bool hasUnsavedEdits() const;
    QMenu* createStandardContextMenu();
    // Selects line `lineNumber` (from 1) and scrolls to it.
    void selectLine(int lineNumber);
    // Prints the selection, or the whole text; false when the printer failed.
    bool print(QPrinter& printer) const;

private:
    std::string textBetween(long start, long end) const;
    long length() const;
    void changeSelectionFormat(const TextFormat& change);
    void showFromTheTop();
    // Empties the pane for a command's text. What it held stays aside,
    // styles and all, when it is worth a way back.
    void emptyForCommand();
    bool restoreBeforeCommand();
    void beginCommandChange();
    void commandChangeDone();
    void userChanged(long position, long length, bool inserted);

    // The widget belongs to its parent, which may delete it first.
    QPointer<PaneEditor> editor_;
    PaneStyles styles_;
    TextFormat insertFormat_;
    bool commandChanging_ = false;
    bool userEdited_ = false;
    // Text that came from the user or from a report, as opposed to a help text.
    bool worthKeeping_ = false;
    struct Before {
        QsciDocument document;
        PaneStyles::State styles;
        TextFormat insertFormat;
        bool userEdited = false;
    };
    std::optional<Before> before_;
};
