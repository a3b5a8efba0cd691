// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "NumberFrequencies.h"
#include "ToolWindow.h"

#include <string>

class Dialogs;
struct LastReport;

// "Check Against a Draw History": the number of draws a history file held,
// the pairs of each tier and the lines whose best tier each one was, and a
// button that charts how often the history drew each number.
class HistoryCheckDialog : public ToolWindow {
    Q_OBJECT

public:
    HistoryCheckDialog(const std::string& result, Frequencies frequencies, QWidget* control);

    // Asks for a history file, checks the pane's lines against its draws
    // (off the window's thread, with progress and a Cancel once it takes
    // half a second) and shows the result; what went wrong goes to a
    // message box. The pane is left as it is.
    static void open(QWidget* parent, Dialogs& dialogs, const std::string& paneText,
                     const LastReport* report);

private:
    void showFrequencies();

    Frequencies frequencies_;
};
