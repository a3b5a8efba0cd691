// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "LongWork.h"
#include "Pane.h"

#include <functional>

#include <optional>
#include <string>

// What a file dialog shows. The filter is the one of the original surface,
// "All (*.*)|*.*", offering every file.
struct FileDialogRequest {
    std::string title;
    std::string fileName; // suggested
    std::string filter = "All (*.*)|*.*";
    bool mustExist = false;
};

struct PrintOutcome {
    enum class Kind { Cancelled, Printed, Failed } kind = Kind::Cancelled;
    std::string detail; // where it went, or why it failed
};

// The modal boxes a click can show. Each returns what the user chose;
// an empty optional (or "" from prompt) is Cancel.
class Dialogs {
public:
    virtual ~Dialogs() = default;

    // A prompt with its text, title and default text; "" on Cancel.
    virtual std::string prompt(const std::string& text, const std::string& title,
                               const std::string& defaultText) = 0;
    // A message box with OK and, when details are given, a button that
    // shows them (the odds boxes' tier tables).
    virtual void message(const std::string& text, const std::string& title,
                         const std::string& details) = 0;
    void message(const std::string& text, const std::string& title) { message(text, title, {}); }

    virtual std::optional<std::string> openFile(const FileDialogRequest& request) = 0;
    virtual std::optional<std::string> saveFile(const FileDialogRequest& request) = 0;

    // The print dialog, opened on "selection" when the pane has one, then the
    // selection (or the whole text) printed.
    virtual PrintOutcome printPane(Pane& pane) = 0;

    // The font dialog, opened on the given font.
    virtual std::optional<FontChoice> chooseFont(const FontChoice& initial) = 0;

    // Runs long work to its end. The window runs it off its own thread, with
    // a progress dialog and a Cancel button once it has taken half a second;
    // here it simply runs. The work must not touch the pane or the dialogs.
    virtual void runWork(const std::string& title, const std::function<void(WorkMonitor&)>& work)
    {
        (void)title;
        UnwatchedWork unwatched;
        work(unwatched);
    }
};
