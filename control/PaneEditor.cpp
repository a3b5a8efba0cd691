#include "PaneEditor.h"

#include <QKeyEvent>

PaneEditor::PaneEditor(QWidget* parent) : QsciScintilla(parent)
{
    SendScintilla(SCI_SETCODEPAGE, static_cast<long>(SC_CP_UTF8));
    // The pane styles its text itself.
    SendScintilla(SCI_SETLEXER, static_cast<long>(SCLEX_CONTAINER));
    for (unsigned long margin = 0; margin < 5; ++margin)
        SendScintilla(SCI_SETMARGINWIDTHN, margin, 0L);
    // The horizontal scroll bar grows to the longest line shown so far.
    SendScintilla(SCI_SETSCROLLWIDTH, 1L);
    SendScintilla(SCI_SETSCROLLWIDTHTRACKING, 1L);
    // Lines stay laid out while they are on the screen, so a repaint of
    // very long lines does not lay them out again.
    SendScintilla(SCI_SETLAYOUTCACHE, static_cast<long>(SC_CACHE_PAGE));
    setFocusPolicy(Qt::StrongFocus);
}

void PaneEditor::undo()
{
    if (isUndoAvailable())
        QsciScintilla::undo();
    else if (undoBeyondEdits)
        undoBeyondEdits();
}

void PaneEditor::paste()
{
    takeCaretLineEnd();
    QsciScintilla::paste();
}

bool PaneEditor::event(QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        const bool plain = !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
        if (plain && (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab)) {
            const bool forward = key->key() == Qt::Key_Tab && !(key->modifiers() & Qt::ShiftModifier);
            focusNextPrevChild(forward);
            return true;
        }
    }
    return QsciScintilla::event(event);
}

bool PaneEditor::focusNextPrevChild(bool next) { return QWidget::focusNextPrevChild(next); }

void PaneEditor::keyPressEvent(QKeyEvent* event)
{
    if (event->matches(QKeySequence::Undo)) {
        undo();
        event->accept();
        return;
    }
    if (event->key() == Qt::Key_Tab && (event->modifiers() & Qt::ControlModifier)) {
        SendScintilla(SCI_REPLACESEL, "\t");
        event->accept();
        return;
    }
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter || event->matches(QKeySequence::Paste))
        takeCaretLineEnd();
    QsciScintilla::keyPressEvent(event);
}

void PaneEditor::changeEvent(QEvent* event)
{
    QsciScintilla::changeEvent(event);
    if (event->type() == QEvent::FontChange && fontChanged)
        fontChanged(font());
}

void PaneEditor::takeCaretLineEnd()
{
    const long lines = SendScintilla(SCI_GETLINECOUNT);
    long line = SendScintilla(SCI_LINEFROMPOSITION, SendScintilla(SCI_GETCURRENTPOS));
    // The last line has no end of its own: the one before it counts.
    if (line == lines - 1)
        --line;
    long mode = SC_EOL_LF;
    if (line >= 0) {
        const long end = SendScintilla(SCI_GETLINEENDPOSITION, line);
        const long next = SendScintilla(SCI_POSITIONFROMLINE, line + 1);
        if (next - end == 2)
            mode = SC_EOL_CRLF;
        else if (SendScintilla(SCI_GETCHARAT, end) == '\r')
            mode = SC_EOL_CR;
    }
    SendScintilla(SCI_SETEOLMODE, mode);
}
