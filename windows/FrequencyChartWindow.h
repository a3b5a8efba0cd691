// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ToolWindow.h"

#include <optional>
#include <string>

class Dialogs;
class QLabel;
class QTabWidget;
struct Frequencies;
struct LastReport;

// "Number Frequencies": a bar chart of how often each value stands in the
// pane's lines, a tab per drum, digit position or finishing place, with a
// line at the mean count; a bar tells its exact count under the pointer.
// The chart saves as PNG or SVG, and follows a new report in the pane
// (a history's chart stays as it is).
class FrequencyChartWindow : public ToolWindow {
    Q_OBJECT

public:
    FrequencyChartWindow(const Frequencies& frequencies, QWidget* control);

    // Opens the window on the pane's text, or says in a message box why it
    // holds no lines.
    static void open(QWidget* parent, Dialogs& dialogs, const std::string& paneText,
                     const LastReport* report);

    // Writes the shown chart as SVG when the name ends in ".svg", else as
    // PNG; the reason when it could not be written.
    std::optional<std::string> saveChart(const std::string& path) const;

    void paneReplaced(const std::string& text, const LastReport* report) override;

private:
    void showFrequencies(const Frequencies& frequencies);
    void saveClicked();

    QLabel* summary_;
    QTabWidget* tabs_;
    bool followsPane_; // the chart counts the pane's lines, not a history's draws
};
