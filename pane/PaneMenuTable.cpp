#include "PaneMenuTable.h"

#include "ButtonTable.h"
#include "CheckDrawDialog.h"
#include "CsvExport.h"
#include "Dialogs.h"
#include "FrequencyChartWindow.h"
#include "HistoryCheckDialog.h"
#include "QtPane.h"
#include "ShownReport.h"

namespace {

// The pane's lines against a typed draw; the pane itself stays as it is.
void checkAgainstADraw(PaneMenuContext& menu)
{
    const std::string text = menu.pane.text();
    auto* window = new CheckDrawDialog(text, menu.reports.inPane(text), menu.window, &menu.dialogs);
    QObject::connect(window, &CheckDrawDialog::lineChosen, window,
                     [&pane = menu.pane](int lineNumber) { pane.selectLine(lineNumber); });
    window->showBesideControl();
}

// The commands below read the pane's lines as the check does: as the last
// report laid them out while the pane still holds it, else by their shape.
void checkAgainstADrawHistory(PaneMenuContext& menu)
{
    const std::string text = menu.pane.text();
    HistoryCheckDialog::open(menu.window, menu.dialogs, text, menu.reports.inPane(text));
}

void showNumberFrequencies(PaneMenuContext& menu)
{
    const std::string text = menu.pane.text();
    FrequencyChartWindow::open(menu.window, menu.dialogs, text, menu.reports.inPane(text));
}

void exportAsCsv(PaneMenuContext& menu)
{
    const std::string text = menu.pane.text();
    exportCsv(menu.dialogs, text, menu.reports.inPane(text));
}

// Both say so when the pane no longer shows the last report, after an undo
// or an edit: the report they would describe or make again is not the
// text in sight.
const LastReport* reportShown(PaneMenuContext& menu, const char* title)
{
    const LastReport* report = menu.reports.inPane(menu.pane.textView());
    if (!report)
        menu.dialogs.message("The pane shows no report.", title);
    return report;
}

void showReportDetails(PaneMenuContext& menu)
{
    if (const LastReport* report = reportShown(menu, "Report Details"))
        menu.dialogs.message(reportDetailsText(*report), "Report Details");
}

void runAgainWithThisSeed(PaneMenuContext& menu)
{
    const LastReport* shown = reportShown(menu, "Run Again With This Seed");
    if (!shown)
        return;
    // A copy: the click keeps the report it makes in place of this one.
    const LastReport report = *shown;
    menu.runClick([&report](ClickContext& click) { runAgain(report, click); });
}

} // namespace

const std::vector<PaneMenuAction> kPaneMenuActions = {
    {"Check Against a Dra&w...", false, checkAgainstADraw},
    {"Check Against a Draw &History...", false, checkAgainstADrawHistory},
    {"&Number Frequencies...", false, showNumberFrequencies},
    {"&Export as CSV...", false, exportAsCsv, "File"},
    {"Report Detai&ls...", true, showReportDetails},
    {"Run Again With This &Seed", true, runAgainWithThisSeed},
};
