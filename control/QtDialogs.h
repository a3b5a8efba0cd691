// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Dialogs.h"

class QWidget;

// The modal boxes of the control, as Qt dialogs over the control's window.
class QtDialogs : public Dialogs {
public:
    explicit QtDialogs(QWidget* parent) : parent_(parent) {}

    // The bold and italic of the text a font choice will change, which the
    // font dialog opens on; unset, it opens on a regular face.
    std::function<FontChoice()> textLook;

    std::string prompt(const std::string& text, const std::string& title,
                       const std::string& defaultText) override;
    using Dialogs::message;
    void message(const std::string& text, const std::string& title,
                 const std::string& details) override;
    std::optional<std::string> openFile(const FileDialogRequest& request) override;
    std::optional<std::string> saveFile(const FileDialogRequest& request) override;
    PrintOutcome printPane(Pane& pane) override;
    std::optional<FontChoice> chooseFont(const FontChoice& initial) override;
    void runWork(const std::string& title, const std::function<void(WorkMonitor&)>& work) override;

private:
    std::optional<std::string> fileDialog(const FileDialogRequest& request, bool save);

    QWidget* parent_;
};
