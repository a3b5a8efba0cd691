// SPDX-License-Identifier: GPL-3.0-or-later
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

#include <QTimer>

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

// Asks for the pool, K, T, M and the game beside the control, then makes
// the wheel as a click does: its tickets become the pane's report. The
// work starts once the window has gone: the progress dialog's event loop
// may delete it.
void wheelNumbers(PaneMenuContext& menu)
{
    const std::string text = menu.pane.text();
    auto* window = new WheelDialog(WheelDialog::Mode::Make, rememberedRequest(menu.dialogs), text,
                                   menu.reports.inPane(text), menu.window);
    QObject::connect(window, &QDialog::accepted, menu.window, [&menu, window] {
        QTimer::singleShot(0, menu.window, [&menu, request = window->request(), seconds = window->seconds()] {
            rememberRequest(menu.dialogs, request);
            menu.runClick([&request, seconds](ClickContext& click) {
                click.reseed();
                makeWheel(click, request, seconds);
            });
        });
    });
    window->showBesideControl();
}

void checkAWheel(PaneMenuContext& menu)
{
    const std::string text = menu.pane.text();
    const LastReport* report = menu.reports.inPane(text);
    WheelRequest initial = rememberedRequest(menu.dialogs);
    initial.pool = numbersOfLines(text, report);
    auto* window = new WheelDialog(WheelDialog::Mode::Check, initial, text, report, menu.window);
    QObject::connect(window, &QDialog::accepted, menu.window, [&menu, text, window] {
        QTimer::singleShot(0, menu.window, [&menu, text, request = window->request()] {
            // The report is looked up again: one may have come meanwhile.
            checkWheelLines(menu.dialogs, text, menu.reports.inPane(text), request);
        });
    });
    window->showBesideControl();
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
    {"Wheel N&umbers...", false, wheelNumbers},
    {"Chec&k a Wheel...", false, checkAWheel},
    {"Report Detai&ls...", true, showReportDetails},
    {"Run Again With This &Seed", true, runAgainWithThisSeed},
};
