// SPDX-License-Identifier: GPL-3.0-or-later
#include "PaneCommands.h"

#include "AtomicFile.h"
#include "Dialogs.h"
#include "Pane.h"
#include "TextFile.h"

#include <string>
#include <utility>

namespace {

std::string failure(const char* what, const std::string& path, const std::string& reason)
{
    return std::string(what) + " \"" + path + "\": " + reason + ".";
}

} // namespace

void Open_Click(ClickContext& click)
{
    static const char* const kTitle = "Open File";
    click.pane.setText("");
    FileDialogRequest request{kTitle, "GAMES.5"};
    request.mustExist = true;
    const auto path = click.dialogs.openFile(request);
    if (!path)
        return;
    std::string reason;
    auto bytes = readFileBytes(*path, &reason, kLargestTextBytes);
    if (!bytes) {
        click.dialogs.message(failure("Cannot open", *path, reason), kTitle);
        return;
    }
    DecodedText decoded = decodeBytes(std::move(*bytes));
    click.pane.setSelectionText(decoded.text);
    click.pane.setEncoding(decoded.encoding);
    click.pane.setVisible(true);
    click.pane.setFocus();
}

void Edit_Click(ClickContext& click)
{
    click.pane.setText("");
    click.pane.setFocus();
    click.pane.setText("You can edit files in this option.\n"
                       "You can select the text with the mouse or Shift+Arrows;\n"
                       "You can press Ctrl+X to cut selected text to clipboard;\n"
                       "You can press Ctrl+C to copy selected text;\n"
                       "You can press Ctrl+V to paste clipboard;\n"
                       "You can press Delete to delete selected text;\n"
                       "You can press Ctrl+Z to undo last edit.\n"
                       "When done editing, click Save to save to file.\n");
    click.pane.setFocus();
}

void Save_Click(ClickContext& click)
{
    static const char* const kTitle = "Save Combinations";
    const auto path = click.dialogs.saveFile({kTitle, "Corvane.Gen"});
    if (!path)
        return;
    // The bytes the file was opened from come back, but for a character
    // typed since that its encoding cannot hold: the text is then UTF-8.
    const EncodedText encoded = encodeText(click.pane.text(), click.pane.encoding());
    const FileResult saved = writeFileBytes(*path, encoded.bytes);
    if (!saved.ok) {
        click.fileUnwritten = true;
        click.dialogs.message(failure("Cannot save", *path, saved.error), kTitle);
        return;
    }
    click.pane.markSaved();
    if (encoded.unwritable.empty())
        return;
    click.dialogs.message("\"" + *path + "\" is saved as UTF-8: \"" + encoded.unwritable + "\" cannot be written in "
                              + encodingName(click.pane.encoding()) + ".",
                          kTitle);
    click.pane.setEncoding(TextEncoding::Utf8);
}

void Print_Click(ClickContext& click)
{
    const PrintOutcome outcome = click.dialogs.printPane(click.pane);
    if (outcome.kind == PrintOutcome::Kind::Failed)
        click.dialogs.message("The text could not be printed: " + outcome.detail + ".", "Print");
}

void Font_Click(ClickContext& click)
{
    // The dialog opens on the same font every time, whatever was chosen before.
    const auto choice = click.dialogs.chooseFont(FontChoice{"Courier New", 10});
    if (!choice)
        return;
    if (click.pane.selectionLength() > 0)
        click.pane.applyToSelection(*choice);
    else
        click.pane.applyToPane(*choice);
    click.pane.setFocus();
}
