#include "PaneMenuTable.h"

#include "ButtonTable.h"
#include "CheckDrawDialog.h"
#include "Dialogs.h"
#include "QtPane.h"
#include "ShownReport.h"

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
    {"Report Details...", true, showReportDetails},
    {"Run Again With This Seed", true, runAgainWithThisSeed},
};
