#include "QtPane.h"

#include "PaneEditor.h"

#include <QMenu>

#include <algorithm>
#include <array>
#include <vector>

namespace {

using Sci = QsciScintillaBase;

// The first indicator the editor leaves to its user; it strikes text out.
constexpr int kStrikeIndicator = 8;
// The changes the pane hears of: the user's. While a command changes the
// text it hears of none, which also spares the engine's accessibility
// notices (each counts the characters from the start of the text).
constexpr long kUserChanges = Sci::SC_MOD_INSERTTEXT | Sci::SC_MOD_DELETETEXT | Sci::SC_PERFORMED_USER
    | Sci::SC_PERFORMED_UNDO | Sci::SC_PERFORMED_REDO;

TextFormat merged(TextFormat base, const TextFormat& change)
{
    if (change.name)
        base.name = change.name;
    if (change.size)
        base.size = change.size;
    if (change.bold)
        base.bold = change.bold;
    if (change.italic)
        base.italic = change.italic;
    if (change.underline)
        base.underline = change.underline;
    if (change.colour)
        base.colour = change.colour;
    return base;
}

unsigned long at(long position) { return static_cast<unsigned long>(position); }

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
    editor_->undoBeyondEdits = [this] { return restoreBeforeCommand(); };
    editor_->SendScintilla(Sci::SCI_SETMODEVENTMASK, kUserChanges);
    QObject::connect(editor_, &Sci::SCN_MODIFIED, editor_,
                     [this](int position, int type, const char*, int length, int, int, int, int, int, int) {
                         if (!commandChanging_)
                             userChanged(position, length, type & Sci::SC_MOD_INSERTTEXT);
                     });
}

QtPane::~QtPane()
{
    if (!editor_)
        return;
    // The widget may outlive the pane.
    QObject::disconnect(editor_, &Sci::SCN_MODIFIED, editor_, nullptr);
    editor_->fontChanged = nullptr;
    editor_->undoBeyondEdits = nullptr;
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

std::string QtPane::text() const
{
    const long size = length();
    if (size == 0)
        return {};
    const auto* bytes = static_cast<const char*>(editor_->SendScintillaPtrResult(Sci::SCI_GETCHARACTERPOINTER));
    return std::string(bytes, static_cast<std::size_t>(size));
}

void QtPane::setText(const std::string& text)
{
    encoding_ = TextEncoding::Utf8;
    beginCommandChange();
    emptyForCommand();
    insertFormat_ = {};
    styles_.reset(insertFormat_);
    editor_->insert(0, text, 0);
    commandChangeDone();
    worthKeeping_ = false;
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
    if (end > start)
        editor_->SendScintilla(Sci::SCI_DELETERANGE, at(start), end - start);
    // A text that fills the emptied pane (a report, a file) takes style 0,
    // the style inserted text has anyway.
    const bool intoEmpty = length() == 0;
    if (intoEmpty)
        styles_.reset(insertFormat_);
    editor_->insert(start, text, styles_.styleOf(insertFormat_));
    commandChangeDone();
    worthKeeping_ = true;
    if (intoEmpty)
        showFromTheTop();
    else
        editor_->SendScintilla(Sci::SCI_GOTOPOS, at(start + static_cast<long>(text.size())));
}

void QtPane::showFromTheTop()
{
    editor_->SendScintilla(Sci::SCI_GOTOPOS, 0L);
    editor_->SendScintilla(Sci::SCI_SETFIRSTVISIBLELINE, 0L);
    editor_->SendScintilla(Sci::SCI_SETXOFFSET, 0L);
}

void QtPane::setSelectionFontName(const std::string& name)
{
    TextFormat change;
    change.name = name;
    changeSelectionFormat(change);
}

void QtPane::setSelectionFontSize(double points)
{
    TextFormat change;
    change.size = points;
    changeSelectionFormat(change);
}

void QtPane::setFontBold(bool bold)
{
    FontChoice font = styles_.paneFont();
    font.bold = bold;
    styles_.setPaneFont(font);
}

void QtPane::changeSelectionFormat(const TextFormat& change)
{
    const long start = editor_->SendScintilla(Sci::SCI_GETSELECTIONSTART);
    const long end = editor_->SendScintilla(Sci::SCI_GETSELECTIONEND);
    if (start == end) {
        insertFormat_ = merged(insertFormat_, change);
        return;
    }
    // Every stretch of the selection keeps what the change leaves alone.
    std::array<int, 256> restyled;
    restyled.fill(-1);
    constexpr long kChunk = 1 << 20;
    std::vector<char> cells(2 * kChunk + 2);
    std::vector<char> styles;
    for (long from = start; from < end; from += kChunk) {
        const long to = std::min(end, from + kChunk);
        editor_->SendScintilla(Sci::SCI_GETSTYLEDTEXT, from, to, cells.data());
        styles.resize(static_cast<std::size_t>(to - from));
        for (std::size_t i = 0; i < styles.size(); ++i) {
            const auto old = static_cast<unsigned char>(cells[2 * i + 1]);
            if (restyled[old] < 0)
                restyled[old] = styles_.styleOf(merged(styles_.formatOf(old), change)) | (old & 1);
            styles[i] = static_cast<char>(restyled[old]);
        }
        editor_->SendScintilla(Sci::SCI_STARTSTYLING, at(from), 0L);
        editor_->SendScintilla(Sci::SCI_SETSTYLINGEX, static_cast<uintptr_t>(styles.size()), styles.data());
    }
}

namespace {

void strikeOut(PaneEditor& editor, long start, long end, bool strike, std::uint32_t colour)
{
    editor.SendScintilla(Sci::SCI_SETINDICATORCURRENT, static_cast<long>(kStrikeIndicator));
    if (!strike) {
        editor.SendScintilla(Sci::SCI_INDICATORCLEARRANGE, at(start), end - start);
        return;
    }
    const long bgr = static_cast<long>(((colour & 0xFF) << 16) | (colour & 0xFF00) | ((colour >> 16) & 0xFF));
    editor.SendScintilla(Sci::SCI_SETINDICATORVALUE, bgr | Sci::SC_INDICVALUEBIT);
    editor.SendScintilla(Sci::SCI_INDICATORFILLRANGE, at(start), end - start);
}

} // namespace

void QtPane::applyToSelection(const FontChoice& font)
{
    changeSelectionFormat({font.name, font.size, font.bold, font.italic, font.underline, font.colour});
    strikeOut(*editor_, editor_->SendScintilla(Sci::SCI_GETSELECTIONSTART),
              editor_->SendScintilla(Sci::SCI_GETSELECTIONEND), font.strikethrough, font.colour);
}

void QtPane::applyToPane(const FontChoice& font)
{
    FontChoice pane = font;
    pane.colour = styles_.paneFont().colour;
    styles_.keepOnlyColours();
    styles_.setPaneFont(pane);
    insertFormat_ = TextFormat{{}, {}, {}, {}, {}, insertFormat_.colour};
    strikeOut(*editor_, 0, length(), font.strikethrough, 0);
}

void QtPane::setVisible(bool visible) { editor_->setVisible(visible); }

void QtPane::setFocus() { editor_->setFocus(); }

void QtPane::markSaved() { userEdited_ = false; }

QWidget* QtPane::widget() const { return editor_; }

bool QtPane::hasUnsavedEdits() const { return userEdited_; }

QMenu* QtPane::createStandardContextMenu()
{
    QMenu* menu = editor_->createStandardContextMenu();
    // Its first entry is Undo, which can also take back a command's text.
    if (before_ && menu && !menu->actions().isEmpty())
        menu->actions().first()->setEnabled(true);
    return menu;
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

void QtPane::emptyForCommand()
{
    if (!worthKeeping_) {
        editor_->SendScintilla(Sci::SCI_CLEARALL);
        return;
    }
    // The text set aside keeps recording the user's edits when it comes back.
    editor_->SendScintilla(Sci::SCI_SETUNDOCOLLECTION, 1L);
    before_ = Before{editor_->document(), styles_.state(), insertFormat_, userEdited_};
    editor_->setDocument(QsciDocument());
    editor_->SendScintilla(Sci::SCI_SETCODEPAGE, static_cast<long>(Sci::SC_CP_UTF8));
    editor_->SendScintilla(Sci::SCI_SETUNDOCOLLECTION, 0L);
    worthKeeping_ = false;
}

bool QtPane::restoreBeforeCommand()
{
    if (!before_)
        return false;
    Before before = std::move(*before_);
    before_.reset();
    editor_->setDocument(before.document);
    styles_.restore(std::move(before.styles));
    insertFormat_ = before.insertFormat;
    userEdited_ = before.userEdited;
    worthKeeping_ = true;
    showFromTheTop();
    return true;
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
    commandChanging_ = false;
    userEdited_ = false;
}

void QtPane::userChanged(long position, long length, bool inserted)
{
    userEdited_ = true;
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
