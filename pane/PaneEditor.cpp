// SPDX-License-Identifier: GPL-3.0-or-later
#include "PaneEditor.h"

#include "PaneStyles.h"
#include "TextEncoding.h"

#include <QKeyEvent>
#include <QPainter>
#include <QPrinter>

#include <cstring>
#include <vector>

namespace {

// The editor measures a line shorter than this in one piece.
constexpr std::size_t kLongLine = 300;
// The editor remembers the widths of pieces shorter than 30 bytes; a long
// line's pieces stay shorter than this.
constexpr std::size_t kLongestPiece = 16;
// A big text goes in in slices of about this size, whole lines each.
constexpr std::size_t kSliceBytes = 1u << 20;
// Room left after a big text: reading it whole, or typing after it, then
// moves no megabytes to make room.
constexpr long kRoomAfter = 1 << 16;

unsigned long at(long position) { return static_cast<unsigned long>(position); }

// The desktop's redo key and the two that editors answer everywhere.
bool isRedoKey(const QKeyEvent& event)
{
    const auto combination = event.keyCombination();
    return event.matches(QKeySequence::Redo) || combination == QKeyCombination(Qt::ControlModifier, Qt::Key_Y)
        || combination == QKeyCombination(Qt::ControlModifier | Qt::ShiftModifier, Qt::Key_Z);
}

} // namespace

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

// The engine forgets these whenever a document's code page is set, which
// the pane does for each new document: they are checked before each paint.
void PaneEditor::showStrayBytes()
{
    char shown[8] = {};
    SendScintilla(SCI_GETREPRESENTATION, standInFor(0xFF).c_str(), shown);
    if (shown[0] != '\0')
        return;
    for (unsigned byte = 0x80; byte <= 0xFF; ++byte) {
        const QByteArray value = "x" + QByteArray::number(byte, 16).toUpper();
        SendScintilla(SCI_SETREPRESENTATION, standInFor(static_cast<unsigned char>(byte)).c_str(), value.constData());
    }
}

void PaneEditor::paintEvent(QPaintEvent* event)
{
    showStrayBytes();
    QsciScintilla::paintEvent(event);
}

void PaneEditor::undo()
{
    if (undoCommand)
        undoCommand();
}

void PaneEditor::redo()
{
    if (redoCommand)
        redoCommand();
}

void PaneEditor::paste()
{
    takeCaretLineEnd();
    QsciScintilla::paste();
}

// The engine keeps Tab for itself; a pane in a form lets it move the focus.
bool PaneEditor::focusNextPrevChild(bool next) { return QWidget::focusNextPrevChild(next); }

void PaneEditor::keyPressEvent(QKeyEvent* event)
{
    if (event->matches(QKeySequence::Undo)) {
        undo();
        event->accept();
        return;
    }
    if (isRedoKey(*event)) {
        redo();
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

// The frame shows whether the pane has the focus.
void PaneEditor::focusInEvent(QFocusEvent* event)
{
    QsciScintilla::focusInEvent(event);
    update();
}

void PaneEditor::focusOutEvent(QFocusEvent* event)
{
    QsciScintilla::focusOutEvent(event);
    update();
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

std::size_t PaneEditor::insert(long position, const std::string& text, int style,
                              const std::function<bool(double)>& sliceDone)
{
    SendScintilla(SCI_ALLOCATE, at(SendScintilla(SCI_GETLENGTH) + static_cast<long>(text.size()) + kRoomAfter));
    std::size_t done = 0;
    while (done < text.size()) {
        std::size_t end = std::min(text.size(), done + kSliceBytes);
        if (end < text.size()) {
            const std::size_t lineEnd = text.find('\n', end);
            end = lineEnd == std::string::npos ? text.size() : lineEnd + 1;
        }
        const long slice = position + static_cast<long>(done);
        SendScintilla(SCI_SETTARGETRANGE, at(slice), slice);
        SendScintilla(SCI_REPLACETARGET, static_cast<uintptr_t>(end - done), text.data() + done);
        if (style != 0) {
            SendScintilla(SCI_STARTSTYLING, at(slice), 0L);
            SendScintilla(SCI_SETSTYLING, at(static_cast<long>(end - done)), static_cast<long>(style));
        }
        styleLongLines(position, text, done, end, style);
        done = end;
        if (done < text.size() && sliceDone && !sliceDone(static_cast<double>(done) / static_cast<double>(text.size())))
            break;
    }
    return done;
}

void PaneEditor::styleLongLines(long position, const std::string& text, std::size_t from, std::size_t to, int style)
{
    std::vector<char> styles;
    std::size_t lineStart = from;
    while (lineStart < to) {
        // Cut at LF only: a stretch with CRs inside takes the twins too,
        // which look the same.
        const auto* lineFeed = static_cast<const char*>(std::memchr(text.data() + lineStart, '\n', to - lineStart));
        const std::size_t lineEnd = lineFeed ? static_cast<std::size_t>(lineFeed - text.data()) : to;
        if (lineEnd - lineStart >= kLongLine) {
            styles.assign(lineEnd - lineStart, static_cast<char>(style));
            int current = style;
            std::size_t pieceStart = lineStart;
            for (std::size_t k = lineStart + 1; k < lineEnd; ++k) {
                // A run without blanks (a line of dashes) is cut too, at the
                // first byte of a character.
                const bool wordStarts = text[k] != ' ' && text[k - 1] == ' ';
                const bool runIsLong =
                    k - pieceStart >= kLongestPiece && (static_cast<unsigned char>(text[k]) & 0xC0) != 0x80;
                if (wordStarts || runIsLong) {
                    current = PaneStyles::twinOf(current);
                    pieceStart = k;
                }
                styles[k - lineStart] = static_cast<char>(current);
            }
            SendScintilla(SCI_STARTSTYLING, at(position + static_cast<long>(lineStart)), 0L);
            SendScintilla(SCI_SETSTYLINGEX, static_cast<uintptr_t>(styles.size()), styles.data());
        }
        lineStart = lineEnd + 1;
    }
}

bool PaneEditor::print(QPrinter& printer, long from, long to)
{
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    const QRect page(0, 0, printer.width(), printer.height());
    while (from < to) {
        const long next = SendScintilla(SCI_FORMATRANGE, 1UL, &painter, page, from, to);
        if (next <= from)
            break;
        from = next;
        if (from < to)
            printer.newPage();
    }
    painter.end();
    return printer.printerState() != QPrinter::Error;
}
