// SPDX-License-Identifier: GPL-3.0-or-later
#include "QtPane.h"

#include "PaneEditor.h"

#include <algorithm>

namespace {

using Sci = QsciScintillaBase;

} // namespace

bool QtPane::hasUnsavedEdits() const { return editor_->SendScintilla(Sci::SCI_GETMODIFY) != 0; }

bool QtPane::typedTextSetAside() const
{
    return std::any_of(back_.begin(), back_.end(), [](const SetAside& text) { return text.typed; });
}

bool QtPane::bringBackTypedText()
{
    if (!typedTextSetAside())
        return false;
    // Back as undo goes, through the texts set aside after it; redo keeps them.
    for (bool typed = false; !typed;) {
        typed = back_.back().typed;
        forward_.push_back(setAside());
        show(std::move(back_.back()));
        back_.pop_back();
    }
    return true;
}

bool QtPane::canUndo() const { return editor_->isUndoAvailable() || !back_.empty(); }

bool QtPane::canRedo() const { return editor_->isRedoAvailable() || !forward_.empty(); }

void QtPane::undo()
{
    if (editor_->isUndoAvailable()) {
        editor_->QsciScintilla::undo();
        return;
    }
    stepBetween(back_, forward_);
}

void QtPane::redo()
{
    if (editor_->isRedoAvailable()) {
        editor_->QsciScintilla::redo();
        return;
    }
    stepBetween(forward_, back_);
}

void QtPane::stepBetween(std::vector<SetAside>& from, std::vector<SetAside>& to)
{
    if (from.empty())
        return;
    // A help text is no step of its own: redo skips it as undo did.
    if (worthKeeping_)
        to.push_back(setAside());
    show(std::move(from.back()));
    from.pop_back();
}

void QtPane::emptyForCommand()
{
    forward_.clear();
    if (!worthKeeping_) {
        editor_->SendScintilla(Sci::SCI_CLEARALL);
        return;
    }
    // The text set aside keeps recording the user's edits when it comes back.
    editor_->SendScintilla(Sci::SCI_SETUNDOCOLLECTION, 1L);
    back_.push_back(setAside());
    // Of the older texts only those with unsaved edits stay: the others a
    // button or a file gives again, the user's typing nothing does.
    back_.erase(std::remove_if(back_.begin(), back_.end() - 1, [](const SetAside& text) { return !text.typed; }),
                back_.end() - 1);
    editor_->setDocument(QsciDocument());
    editor_->SendScintilla(Sci::SCI_SETCODEPAGE, static_cast<long>(Sci::SC_CP_UTF8));
    editor_->SendScintilla(Sci::SCI_SETUNDOCOLLECTION, 0L);
    worthKeeping_ = false;
}

QtPane::SetAside QtPane::setAside() const
{
    return {editor_->document(), styles_.state(), insertFormat_, hasUnsavedEdits(), encoding_};
}

void QtPane::show(SetAside text)
{
    editor_->setDocument(text.document);
    styles_.restore(std::move(text.styles));
    insertFormat_ = text.insertFormat;
    encoding_ = text.encoding;
    worthKeeping_ = true;
    ++textsShown_;
    showFromTheTop();
    if (changed)
        changed();
}
