#include "PaneMenuTable.h"

#include "ButtonTable.h"
#include "CheckDrawDialog.h"
#include "CsvExport.h"
#include "Dialogs.h"
#include "FrequencyChartWindow.h"
#include "HistoryCheckDialog.h"
#include "QtPane.h"
#include "ShownReport.h"
#include "WheelClicks.h"
#include "WheelDialog.h"
#include "WheelPool.h"

namespace {

// The pane's lines against a typed draw; the pane itself stays as it is.
void checkAgainstADraw(PaneMenuContext& menu)
{
    const std::string text = menu.pane.text();
    CheckDrawDialog dialog(text, menu.reports.inPane(text), menu.window);
    QObject::connect(&dialog, &CheckDrawDialog::lineChosen, &dialog,
                     [&menu](int lineNumber) { menu.pane.selectLine(lineNumber); });
    dialog.exec();
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

// Asks for the pool, K, T, M and the game, then makes the wheel as a click
// does: its tickets become the pane's report.
void wheelNumbers(PaneMenuContext& menu)
{
    const std::string text = menu.pane.text();
    WheelDialog dialog(WheelDialog::Mode::Make, rememberedRequest(menu.dialogs), text, menu.reports.inPane(text),
                       menu.window);
    if (dialog.exec() != QDialog::Accepted)
        return;
    rememberRequest(menu.dialogs, dialog.request());
    menu.runClick([&dialog](ClickContext& click) {
        click.reseed();
        makeWheel(click, dialog.request(), dialog.seconds());
    });
}

void checkAWheel(PaneMenuContext& menu)
{
    const std::string text = menu.pane.text();
    const LastReport* report = menu.reports.inPane(text);
    WheelRequest initial = rememberedRequest(menu.dialogs);
    initial.pool = numbersOfLines(text, report);
    WheelDialog dialog(WheelDialog::Mode::Check, initial, text, report, menu.window);
    if (dialog.exec() == QDialog::Accepted)
        checkWheelLines(menu.dialogs, text, report, dialog.request());
}

void showReportDetails(PaneMenuContext& menu)
{
    menu.dialogs.message(reportDetailsText(*menu.reports.last()), "Report Details");
}

void runAgainWithThisSeed(PaneMenuContext& menu)
{
    // A copy: the click keeps the report it makes in place of this one.
    const LastReport report = *menu.reports.last();
    menu.runClick([&report](ClickContext& click) { runAgain(report, click); });
}

} // namespace

const std::vector<PaneMenuAction> kPaneMenuActions = {
    {"Check Against a Draw...", false, checkAgainstADraw},
    {"Check Against a Draw History...", false, checkAgainstADrawHistory},
    {"Number Frequencies...", false, showNumberFrequencies},
    {"Export as CSV...", false, exportAsCsv},
    {"Wheel Numbers...", false, wheelNumbers},
    {"Check a Wheel...", false, checkAWheel},
    {"Report Details...", true, showReportDetails},
    {"Run Again With This Seed", true, runAgainWithThisSeed},
};
