// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "LastReport.h"
#include "ToolWindow.h"

#include <optional>
#include <string>

class Dialogs;
class QLabel;
class QLineEdit;
class QPlainTextEdit;

// Asks for a draw in one line and shows how the lines of a text fared
// against it, tier by tier. A draw that does not fit gets its message and
// may be corrected in place. A new report in the pane is checked against
// the same draw.
class CheckDrawDialog : public ToolWindow {
    Q_OBJECT

public:
    // Checks `text`, read as `report` laid it out when given, else by the
    // lines' shape; through the dialogs' long work when given, so that a big
    // pane's check shows its progress.
    CheckDrawDialog(std::string text, const LastReport* report, QWidget* control = nullptr,
                    Dialogs* dialogs = nullptr);

    // Checks the typed draw and shows the result, or what is wrong with it.
    void check();
    void paneReplaced(const std::string& text, const LastReport* report) override;

signals:
    // A line number of the best tier was double-clicked.
    void lineChosen(int lineNumber);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::optional<int> lineNumberAt(const QPoint& position) const;

    std::string text_;
    std::optional<LastReport> report_;
    Dialogs* dialogs_;
    QLineEdit* draw_;
    QPlainTextEdit* result_;
    QLabel* hint_;
    int bestLine_ = -1; // the result's line that names line numbers
};
