#include "QtPane.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>

#include <vector>

namespace {

enum LineEnd { Unknown = -1, LF = 1, CRLF = 2, CR = 3 };

const char* lineEndText(int end)
{
    switch (end) {
    case CRLF: return "\r\n";
    case CR: return "\r";
    default: return "\n";
    }
}

// A text cut at its line ends: the lines joined by '\n' for Qt, and the end
// that stood after each line but the last.
struct SplitText {
    QString joined;
    std::vector<int> ends;
};

SplitText split(const std::string& text)
{
    SplitText result;
    std::string plain;
    plain.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\r') {
            const bool pair = i + 1 < text.size() && text[i + 1] == '\n';
            result.ends.push_back(pair ? CRLF : CR);
            if (pair)
                ++i;
            plain += '\n';
        } else if (c == '\n') {
            result.ends.push_back(LF);
            plain += '\n';
        } else {
            plain += c;
        }
    }
    result.joined = QString::fromUtf8(plain.data(), static_cast<qsizetype>(plain.size()));
    return result;
}

// The line end of every block; a block with none recorded (one the user
// made with Enter) takes the end of the nearest block before it, or after it.
std::vector<int> blockEnds(const QTextDocument* document)
{
    std::vector<int> ends;
    ends.reserve(static_cast<std::size_t>(document->blockCount()));
    for (QTextBlock b = document->begin(); b.isValid(); b = b.next()) {
        const int state = b.userState();
        ends.push_back(state == LF || state == CRLF || state == CR ? state : Unknown);
    }
    if (!ends.empty())
        ends.back() = Unknown; // the last block has no end
    int known = Unknown;
    for (int& end : ends) {
        if (end != Unknown)
            known = end;
        else
            end = known;
    }
    int later = LF;
    for (auto it = ends.rbegin(); it != ends.rend(); ++it) {
        if (*it != Unknown)
            later = *it;
        else
            *it = later;
    }
    return ends;
}

// Records the line ends from `block` on; the block after the last end takes
// `tailEnd`, the end of the block the text went into.
void setLineEnds(QTextBlock block, const std::vector<int>& ends, int tailEnd)
{
    for (int end : ends) {
        block.setUserState(end);
        block = block.next();
    }
    block.setUserState(tailEnd);
}

} // namespace

std::string QtPane::textBetween(int start, int end) const
{
    const QTextDocument* document = edit_->document();
    const std::vector<int> ends = blockEnds(document);
    QString out;
    for (QTextBlock b = document->findBlock(start); b.isValid() && b.position() <= end; b = b.next()) {
        const int blockStart = b.position();
        const int from = std::max(start, blockStart) - blockStart;
        const int to = std::min(end, blockStart + b.length() - 1) - blockStart;
        if (to > from)
            out += b.text().mid(from, to - from);
        // The block's end lies in the range when the range runs past it.
        if (b.next().isValid() && end >= blockStart + b.length())
            out += QLatin1String(lineEndText(ends[static_cast<std::size_t>(b.blockNumber())]));
    }
    const QByteArray bytes = out.toUtf8();
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

std::string QtPane::text() const
{
    return textBetween(0, edit_->document()->characterCount());
}

void QtPane::setText(const std::string& text)
{
    // Undo is for the user's own edits, not for what a command puts in.
    edit_->document()->setUndoRedoEnabled(false);
    edit_->clear();
    edit_->setCurrentCharFormat(QTextCharFormat());
    if (!text.empty())
        setSelectionText(text);
    edit_->moveCursor(QTextCursor::Start);
    edit_->document()->setUndoRedoEnabled(true);
}

std::string QtPane::selectedText() const
{
    const QTextCursor cursor = edit_->textCursor();
    return textBetween(cursor.selectionStart(), cursor.selectionEnd());
}

int QtPane::selectionLength() const
{
    const QTextCursor cursor = edit_->textCursor();
    return cursor.selectionEnd() - cursor.selectionStart();
}

void QtPane::setSelectionText(const std::string& text)
{
    const SplitText pieces = split(text);
    QTextDocument* document = edit_->document();
    if (document->isEmpty()) {
        // Into the emptied pane (every report): the whole text at once in
        // the selection font, far faster than inserting it line by line.
        const QFont font = edit_->currentCharFormat().font().resolve(document->defaultFont());
        document->setUndoRedoEnabled(false);
        document->setDefaultFont(font); // before the text, so it is laid out once
        document->setPlainText(pieces.joined);
        setLineEnds(document->begin(), pieces.ends, Unknown);
        document->setUndoRedoEnabled(true);
        edit_->moveCursor(QTextCursor::End);
        return;
    }
    QTextCursor cursor = edit_->textCursor();
    const QTextCharFormat format = edit_->currentCharFormat();
    if (cursor.hasSelection()) {
        // The merged block keeps the line end of the selection's last block.
        const int endState = document->findBlock(cursor.selectionEnd()).userState();
        cursor.removeSelectedText();
        cursor.block().setUserState(endState);
    }
    const int first = cursor.blockNumber();
    const int tailEnd = cursor.block().userState();
    cursor.insertText(pieces.joined, format);
    setLineEnds(document->findBlockByNumber(first), pieces.ends, tailEnd);
    edit_->setTextCursor(cursor);
}

void QtPane::setSelectionFontName(const std::string& name)
{
    QTextCharFormat format;
    format.setFontFamilies(QStringList{QString::fromStdString(name)});
    edit_->mergeCurrentCharFormat(format);
}

void QtPane::setSelectionFontSize(double points)
{
    QTextCharFormat format;
    format.setFontPointSize(points);
    edit_->mergeCurrentCharFormat(format);
}

void QtPane::setFontBold(bool bold)
{
    QFont font = edit_->font();
    font.setBold(bold);
    edit_->setFont(font);
    edit_->document()->setDefaultFont(font);
}

namespace {

QTextCharFormat charFormat(const FontChoice& font, bool withColour)
{
    QTextCharFormat format;
    format.setFontFamilies(QStringList{QString::fromStdString(font.name)});
    format.setFontPointSize(font.size);
    format.setFontWeight(font.bold ? QFont::Bold : QFont::Normal);
    format.setFontItalic(font.italic);
    format.setFontStrikeOut(font.strikethrough);
    format.setFontUnderline(font.underline);
    if (withColour)
        format.setForeground(QColor::fromRgb(font.colour));
    return format;
}

} // namespace

void QtPane::applyToSelection(const FontChoice& font)
{
    edit_->mergeCurrentCharFormat(charFormat(font, true));
}

void QtPane::applyToPane(const FontChoice& font)
{
    QFont whole(QString::fromStdString(font.name));
    whole.setPointSizeF(font.size);
    whole.setBold(font.bold);
    whole.setItalic(font.italic);
    whole.setStrikeOut(font.strikethrough);
    whole.setUnderline(font.underline);
    edit_->setFont(whole);
    edit_->document()->setDefaultFont(whole);
    // Text styled on insertion carries its own format; the whole pane changes.
    QTextCursor all(edit_->document());
    all.select(QTextCursor::Document);
    all.mergeCharFormat(charFormat(font, false));
}

void QtPane::setVisible(bool visible) { edit_->setVisible(visible); }

void QtPane::setFocus() { edit_->setFocus(); }
