#pragma once

#include <QDialog>

#include <optional>
#include <string>

class Dialogs;
class QTabWidget;
struct Frequencies;
struct LastReport;

// "Number Frequencies": a bar chart of how often each value stands in the
// pane's lines, a tab per drum, digit position or finishing place, with a
// line at the mean count. The chart saves as PNG or SVG.
class FrequencyChartWindow : public QDialog {
    Q_OBJECT

public:
    FrequencyChartWindow(const Frequencies& frequencies, QWidget* parent);

    // Opens the window on the pane's text, or says in a message box why it
    // holds no lines.
    static void open(QWidget* parent, Dialogs& dialogs, const std::string& paneText,
                     const LastReport* report);

    // Writes the shown chart as SVG when the name ends in ".svg", else as
    // PNG; the reason when it could not be written.
    std::optional<std::string> saveChart(const std::string& path) const;

private:
    void saveClicked();

    QTabWidget* tabs_;
};
