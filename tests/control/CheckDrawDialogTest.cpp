#include "ButtonTable.h"
#include "CheckDrawDialog.h"
#include "DialogTesting.h"
#include "TestSupport.h"

#include <QLineEdit>

#include <gtest/gtest.h>

namespace {

// Types the draw, presses Enter and gives the dialog's result.
QString resultOf(CheckDrawDialog& dialog, const char* draw)
{
    auto* line = dialog.findChild<QLineEdit*>(QStringLiteral("draw"));
    line->setText(QString::fromUtf8(draw));
    QTest::keyClick(line, Qt::Key_Return);
    return dialog.findChild<QPlainTextEdit*>(QStringLiteral("result"))->toPlainText();
}

} // namespace

TEST(CheckDrawDialog, ShowsTheTiersOfTheReportAndKeepsAWrongDrawOpenForACorrection)
{
    TempDirectory dir;
    ScriptedClick lotto6({"49"}); // seed 42
    runButton(*findButton("Pick6"), lotto6.context);
    const QString tiers = QStringLiteral(
        "Draw: 3 11 19 27 38 45\n6 of 6: 0 lines\n5 of 6: 0 lines\n4 of 6: 2 lines (lines 42, 958)\n"
        "3 of 6: 17 lines\n2 of 6: 123 lines\n1 of 6: 413 lines\n0 of 6: 445 lines");
    const struct {
        const LastReport* report;
        const char* draw;
        QString result;
    } cases[] = {
        {&lotto6.context.report, "3 11 19 27", QStringLiteral("The draw holds 4 numbers where 6 are needed.")},
        {&lotto6.context.report, "3, 11, 19, 27, 38, 45",
         tiers + "\n1000 distinct lines hold the jackpot with probability 1 in 13,984"},
        // Read by their shape, the lines name no game and no jackpot odds.
        {nullptr, "3 11 19 27 38 45", tiers},
    };
    for (const auto& c : cases) {
        CheckDrawDialog dialog(lotto6.pane.text(), c.report);
        dialog.show();
        EXPECT_EQ(resultOf(dialog, c.draw), c.result) << c.draw;
        EXPECT_TRUE(dialog.isVisible()) << c.draw;
    }
}
