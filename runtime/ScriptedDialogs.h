// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Dialogs.h"

#include <deque>
#include <iosfwd>
#include <string>
#include <vector>

// Dialogs answered from a script: each prompt and each file dialog takes the
// next answer in turn. Out of answers, a prompt takes its default text (or,
// when asked to, reads a line from the terminal) and a file dialog cancels.
// Message boxes are written to a stream as "[title] text"; their details,
// when asked for, follow as "[title details]" and the detailed lines. What
// they show has its control characters escaped (escapeControls).
class ScriptedDialogs : public Dialogs {
public:
    ScriptedDialogs(std::vector<std::string> answers, std::ostream& messages,
                    bool askTerminal = false);

    // Whether message boxes write their details too.
    bool writeDetails = false;

    std::string prompt(const std::string& text, const std::string& title,
                       const std::string& defaultText) override;
    using Dialogs::message;
    void message(const std::string& text, const std::string& title,
                 const std::string& details) override;
    std::optional<std::string> openFile(const FileDialogRequest& request) override;
    std::optional<std::string> saveFile(const FileDialogRequest& request) override;
    PrintOutcome printPane(Pane& pane) override;
    std::optional<FontChoice> chooseFont(const FontChoice& initial) override;

    // What was shown, for tests.
    struct Shown {
        std::string kind; // "prompt", "message", "open", "save", "print", "font"
        std::string text;
        std::string title;
        std::string defaultText; // prompt default, suggested file name
        std::string details;     // a message box's details
    };
    const std::vector<Shown>& shown() const { return shown_; }

    // Answers of the font and print dialogs, for tests; none left is Cancel.
    std::deque<FontChoice> fonts;
    std::deque<PrintOutcome> prints;
    std::vector<std::string> printed; // what printPane was given

private:
    std::optional<std::string> nextAnswer();
    // A file dialog: the next answer is the chosen name; "" or none cancels.
    std::optional<std::string> fileAnswer(const char* kind, const FileDialogRequest& request);

    std::deque<std::string> answers_;
    std::ostream& messages_;
    bool askTerminal_;
    std::vector<Shown> shown_;
};
