#pragma once

#include "ToolWindow.h"

#include <string>

class Dialogs;
struct LastReport;

// "Check Against a Draw History": the number of draws a history file held,
// the pairs of each tier and the lines whose best tier each one was.
class HistoryCheckDialog : public ToolWindow {
    Q_OBJECT

public:
    HistoryCheckDialog(const std::string& result, QWidget* control);

    // Asks for a history file, checks the pane's lines against its draws and
    // shows the result; what went wrong goes to a message box.
    static void open(QWidget* parent, Dialogs& dialogs, const std::string& paneText,
                     const LastReport* report);
};
