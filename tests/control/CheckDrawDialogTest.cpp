#include "ButtonTable.h"
#include "CheckDrawDialog.h"
#include "DialogTesting.h"
#include "TestSupport.h"

#include <QLineEdit>
#include <QSignalSpy>

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
    const std::string text = lotto6.pane.text();
    const QString tiers = QStringLiteral(
        "Draw: 3 11 19 27 38 45\n6 of 6: 0 lines\n5 of 6: 0 lines\n4 of 6: 2 lines (lines 42, 958)\n"
        "3 of 6: 17 lines\n2 of 6: 123 lines\n1 of 6: 413 lines\n0 of 6: 445 lines");
    const struct {
        std::string text;
        const LastReport* report;
        const char* draw;
        QString result;
    } cases[] = {
        {text, &lotto6.context.report, "3 11 19 27",
         QStringLiteral("The draw holds 4 numbers where 6 are needed.")},
        {text, &lotto6.context.report, "3 11 19 27 38 50",
         QStringLiteral("50 is out of range: the numbers run from 1 to 49.")},
        {text, &lotto6.context.report, "3, 11, 19, 27, 38, 45",
         tiers + "\n1000 distinct lines hold the jackpot with probability 1 in 13,984"},
        // Read by their shape, the lines name no game and no jackpot odds.
        {text, nullptr, "3 11 19 27 38 45", tiers},
        {"Giants\r\n", nullptr, "3 11 19 27 38 45", QStringLiteral("The pane holds no lines to check.")},
    };
    for (const auto& c : cases) {
        CheckDrawDialog dialog(c.text, c.report);
        dialog.show();
        EXPECT_EQ(resultOf(dialog, c.draw), c.result) << c.draw;
        EXPECT_TRUE(dialog.isVisible()) << c.draw;
    }
}

TEST(CheckDrawDialog, ADoubleClickOnALineNumberOfTheBestTierChoosesThatLine)
{
    CheckDrawDialog dialog("   3  11  19  27  38  45\r\n   1   2   4   5   6   7\r\n"
                           "   3  11  19  27  38  46\r\n   3  11  19  27  38  47\r\n",
                           nullptr);
    dialog.show();
    ASSERT_EQ(resultOf(dialog, "3 11 19 27 38 48").split(QLatin1Char('\n'))[2],
              QStringLiteral("5 of 6: 3 lines (lines 1, 3, 4)"));
    auto* result = dialog.findChild<QPlainTextEdit*>(QStringLiteral("result"));
    const struct {
        int line;
        int column;
        QList<QVariant> chosen; // nothing when the click names no line
    } cases[] = {
        {2, 24, {1}}, // after the "1" of "(lines 1, 3, 4)"
        {2, 29, {4}}, // before the "4"
        {2, 25, {}},  // between "," and " "
        {2, 31, {}},  // after the closing parenthesis
        {2, 1, {}},   // "5 of 6"
        {3, 1, {}},   // the next tier
    };
    for (const auto& c : cases) {
        QSignalSpy chosen(&dialog, &CheckDrawDialog::lineChosen);
        doubleClickText(result, c.line, c.column);
        EXPECT_EQ(chosen.size(), c.chosen.isEmpty() ? 0 : 1) << c.line << ":" << c.column;
        if (!chosen.isEmpty()) {
            EXPECT_EQ(chosen.first(), c.chosen) << c.line << ":" << c.column;
        }
    }
}
