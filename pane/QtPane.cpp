// SPDX-License-Identifier: GPL-3.0-or-later
#include "QtPane.h"

#include "PaneEditor.h"
#include "SliceProgress.h"

#include <QPoint>

#include <algorithm>

namespace {

using Sci = QsciScintillaBase;

// The changes the pane hears of: the user's. While a command changes the
// text it hears of none, which also spares the engine's accessibility
// notices (each counts the characters from the start of the text).
constexpr long kUserChanges = Sci::SC_MOD_INSERTTEXT | Sci::SC_MOD_DELETETEXT | Sci::SC_PERFORMED_USER
    | Sci::SC_PERFORMED_UNDO | Sci::SC_PERFORMED_REDO;

} // namespace

QtPane::QtPane(QWidget* parent) : editor_(new PaneEditor(parent)), styles_(*editor_)
{
    editor_->SendScintilla(Sci::SCI_INDICSETSTYLE, kStrikeIndicator, static_cast<long>(Sci::INDIC_STRIKE));
    // Each struck-out stretch carries the colour of its line as the indicator's value.
    editor_->SendScintilla(Sci::SCI_INDICSETFLAGS, kStrikeIndicator,
                           static_cast<long>(Sci::SC_INDICFLAG_VALUEBEFORE));
    editor_->fontChanged = [this](const QFont& font) {
        FontChoice pane = styles_.paneFont();
        pane.name = font.family().toStdString();
        pane.size = font.pointSizeF();
        pane.bold = font.bold();
        pane.italic = font.italic();
        pane.underline = font.underline();
        styles_.setPaneFont(pane);
    };
    editor_->fontChanged(editor_->font());
    editor_->undoCommand = [this] { undo(); };
    editor_->redoCommand = [this] { redo(); };
    editor_->SendScintilla(Sci::SCI_SETMODEVENTMASK, kUserChanges);
    QObject::connect(editor_, &Sci::SCN_MODIFIED, editor_,
                     [this](int position, int type, const char*, int length, int, int, int, int, int, int) {
                         if (commandChanging_)
                             return;
                         // New typing leaves nothing to redo.
                         if (type & Sci::SC_PERFORMED_USER)
                             forward_.clear();
                         userChanged(position, length, type & Sci::SC_MOD_INSERTTEXT);
                         if (changed)
                             changed();
                     });
}

QtPane::~QtPane()
{
    if (!editor_)
        return;
    // The widget may outlive the pane.
    QObject::disconnect(editor_, &Sci::SCN_MODIFIED, editor_, nullptr);
    editor_->fontChanged = nullptr;
    changed = nullptr;
    editor_->undoCommand = nullptr;
    editor_->redoCommand = nullptr;
}

long QtPane::length() const { return editor_->SendScintilla(Sci::SCI_GETLENGTH); }

std::string QtPane::textBetween(long start, long end) const
{
    if (end <= start)
        return {};
    std::string text(static_cast<std::size_t>(end - start) + 1, '\0');
    editor_->SendScintilla(Sci::SCI_GETTEXTRANGE, start, end, text.data());
    text.pop_back();
    return text;
}

std::string QtPane::text() const { return std::string(textView()); }

std::string_view QtPane::textView() const
{
    const long size = length();
    if (size == 0)
        return {};
    const auto* bytes = static_cast<const char*>(editor_->SendScintillaPtrResult(Sci::SCI_GETCHARACTERPOINTER));
    return {bytes, static_cast<std::size_t>(size)};
}

void QtPane::setText(const std::string& text)
{
    beginCommandChange();
    emptyForCommand();
    encoding_ = TextEncoding::Utf8;
    insertFormat_ = {};
    styles_.reset(insertFormat_);
    const bool whole = insertShowingProgress(0, text, 0);
    commandChangeDone();
    worthKeeping_ = false;
    if (!whole)
        dropCancelledText(0, std::string());
    showFromTheTop();
}

std::string QtPane::selectedText() const
{
    return textBetween(editor_->SendScintilla(Sci::SCI_GETSELECTIONSTART),
                       editor_->SendScintilla(Sci::SCI_GETSELECTIONEND));
}

int QtPane::selectionLength() const
{
    return static_cast<int>(editor_->SendScintilla(Sci::SCI_COUNTCHARACTERS,
                                                   at(editor_->SendScintilla(Sci::SCI_GETSELECTIONSTART)),
                                                   editor_->SendScintilla(Sci::SCI_GETSELECTIONEND)));
}

void QtPane::setSelectionText(const std::string& text)
{
    beginCommandChange();
    const long start = editor_->SendScintilla(Sci::SCI_GETSELECTIONSTART);
    const long end = editor_->SendScintilla(Sci::SCI_GETSELECTIONEND);
    const std::string replaced = textBetween(start, end);
    if (end > start)
        editor_->SendScintilla(Sci::SCI_DELETERANGE, at(start), end - start);
    // A text that fills the emptied pane (a report, a file) takes style 0,
    // the style inserted text has anyway.
    const bool intoEmpty = length() == 0;
    if (intoEmpty)
        styles_.reset(insertFormat_);
    const bool whole = insertShowingProgress(start, text, styles_.styleOf(insertFormat_));
    commandChangeDone();
    if (!whole) {
        dropCancelledText(start, replaced);
        return;
    }
    worthKeeping_ = true;
    if (intoEmpty)
        showFromTheTop();
    else
        editor_->SendScintilla(Sci::SCI_GOTOPOS, at(start + static_cast<long>(text.size())));
}

bool QtPane::insertShowingProgress(long position, const std::string& text, int style)
{
    SliceProgress progress(editor_->window(), QStringLiteral("Showing the Text"),
                           QStringLiteral("Putting %1 MB of text into the text box...")
                               .arg(static_cast<double>(text.size()) / (1 << 20), 0, 'f', 1),
                           progressAfterMs);
    // The rest of the window repaints between slices, the pane only once
    // the text is in: each of its repaints would lay out its long lines again.
    editor_->viewport()->setUpdatesEnabled(false);
    const std::size_t inserted =
        editor_->insert(position, text, style, [&progress](double done) { return progress.sliceDone(done); });
    editor_->viewport()->setUpdatesEnabled(true);
    cancelledAt_ = inserted < text.size() ? std::optional<long>(position + static_cast<long>(inserted)) : std::nullopt;
    return !cancelledAt_;
}

// The part of a text that went in before Cancel goes again: an emptied pane
// shows what undo would bring back, a selection comes back.
void QtPane::dropCancelledText(long start, const std::string& replaced)
{
    beginCommandChange();
    editor_->SendScintilla(Sci::SCI_DELETERANGE, at(start), *cancelledAt_ - start);
    const bool empty = length() == 0;
    if (!replaced.empty())
        editor_->insert(start, replaced, styles_.styleOf(insertFormat_));
    commandChangeDone();
    if (empty && !back_.empty()) {
        show(std::move(back_.back()));
        back_.pop_back();
    }
}

void QtPane::showFromTheTop()
{
    // The scroll bar grows to the widest line shown from now on.
    editor_->SendScintilla(Sci::SCI_SETSCROLLWIDTH, 1L);
    editor_->SendScintilla(Sci::SCI_GOTOPOS, 0L);
    editor_->SendScintilla(Sci::SCI_SETFIRSTVISIBLELINE, 0L);
    editor_->SendScintilla(Sci::SCI_SETXOFFSET, 0L);
}

void QtPane::setVisible(bool visible) { editor_->setVisible(visible); }

void QtPane::setFocus() { editor_->setFocus(); }

void QtPane::markSaved() { editor_->SendScintilla(Sci::SCI_SETSAVEPOINT); }

QWidget* QtPane::widget() const { return editor_; }

bool QtPane::hasSelection() const { return editor_->hasSelectedText(); }

void QtPane::cut() { editor_->cut(); }

void QtPane::copy() { editor_->copy(); }

void QtPane::paste() { editor_->paste(); }

void QtPane::deleteSelection() { editor_->removeSelectedText(); }

void QtPane::selectAll() { editor_->selectAll(); }

QPoint QtPane::caretPoint() const
{
    const long caret = editor_->SendScintilla(Sci::SCI_GETCURRENTPOS);
    const long x = editor_->SendScintilla(Sci::SCI_POINTXFROMPOSITION, 0UL, caret);
    const long y = editor_->SendScintilla(Sci::SCI_POINTYFROMPOSITION, 0UL, caret)
        + editor_->SendScintilla(Sci::SCI_TEXTHEIGHT, 0UL);
    // A caret scrolled out of sight opens the menu at the nearest edge.
    const QSize view = editor_->viewport()->size();
    return editor_->viewport()->mapTo(editor_, QPoint(std::clamp(static_cast<int>(x), 0, view.width() - 1),
                                                      std::clamp(static_cast<int>(y), 0, view.height() - 1)));
}

void QtPane::selectLine(int lineNumber)
{
    const long line = lineNumber - 1;
    if (line < 0 || line >= editor_->SendScintilla(Sci::SCI_GETLINECOUNT))
        return;
    // The caret at the line's start shows its beginning.
    editor_->SendScintilla(Sci::SCI_SETSEL, at(editor_->SendScintilla(Sci::SCI_GETLINEENDPOSITION, at(line))),
                           editor_->SendScintilla(Sci::SCI_POSITIONFROMLINE, at(line)));
}

bool QtPane::print(QPrinter& printer) const
{
    long from = editor_->SendScintilla(Sci::SCI_GETSELECTIONSTART);
    long to = editor_->SendScintilla(Sci::SCI_GETSELECTIONEND);
    if (from == to) {
        from = 0;
        to = length();
    }
    return editor_->print(printer, from, to);
}

void QtPane::beginCommandChange()
{
    commandChanging_ = true;
    editor_->SendScintilla(Sci::SCI_SETUNDOCOLLECTION, 0L);
    editor_->SendScintilla(Sci::SCI_SETMODEVENTMASK, 0L);
}

void QtPane::commandChangeDone()
{
    editor_->SendScintilla(Sci::SCI_SETMODEVENTMASK, kUserChanges);
    editor_->SendScintilla(Sci::SCI_SETUNDOCOLLECTION, 1L);
    editor_->SendScintilla(Sci::SCI_EMPTYUNDOBUFFER);
    editor_->SendScintilla(Sci::SCI_SETSAVEPOINT);
    commandChanging_ = false;
    ++textsShown_;
    if (changed)
        changed();
}

void QtPane::userChanged(long position, long length, bool inserted)
{
    worthKeeping_ = true;
    if (!inserted)
        return;
    // Typed or pasted text looks like the text before it (or after it).
    const long end = position + length;
    long neighbour = position > 0 ? position - 1 : end;
    const int style = neighbour < this->length()
        ? static_cast<int>(editor_->SendScintilla(Sci::SCI_GETSTYLEAT, at(neighbour)))
        : styles_.styleOf(insertFormat_);
    editor_->SendScintilla(Sci::SCI_STARTSTYLING, at(position), 0L);
    editor_->SendScintilla(Sci::SCI_SETSTYLING, at(length), static_cast<long>(style));
}
