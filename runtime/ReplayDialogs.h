// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Dialogs.h"
#include "LastReport.h"

#include <cstddef>

// The dialogs of a report made again: each prompt and file dialog takes the
// next value the report was made with, so nothing is asked; message boxes
// and the rest go to the dialogs the user sees.
class ReplayDialogs : public Dialogs {
public:
    ReplayDialogs(const LastReport& report, Dialogs& shown);

    using Dialogs::message;
    std::string prompt(const std::string& text, const std::string& title,
                       const std::string& defaultText) override;
    void message(const std::string& text, const std::string& title,
                 const std::string& details) override;
    std::optional<std::string> openFile(const FileDialogRequest& request) override;
    std::optional<std::string> saveFile(const FileDialogRequest& request) override;
    PrintOutcome printPane(Pane& pane) override;
    std::optional<FontChoice> chooseFont(const FontChoice& initial) override;
    void runWork(const std::string& title, const std::function<void(WorkMonitor&)>& work) override;

private:
    std::optional<std::string> nextValue();

    const LastReport& report_;
    Dialogs& shown_;
    std::size_t next_ = 0;
};
