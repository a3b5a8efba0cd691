// SPDX-License-Identifier: GPL-3.0-or-later
#include "ButtonTable.h"
#include "DialogTesting.h"
#include "FrequencyChartWindow.h"
#include "HistoryCheckDialog.h"
#include "TestSupport.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>

#include <gtest/gtest.h>

TEST(HistoryCheckDialog, ShowsWhereTheLinesHitAndChartsTheHistorysNumbersWithTheirUniformity)
{
    TempDirectory dir;
    ScriptedClick lotto6({"49", "history.csv", "missing.csv"}); // seed 42
    runButton(*findButton("Pick6"), lotto6.context);
    writeFile("history.csv", "date,n1,n2,n3,n4,n5,n6\r\n2026-11-21,4,15,23,30,41,47\r\n"
                             "2026-11-25,2,9,17,25,38,44\r\n2026-11-28,3,11,19,27,38,45\r\n");
    QWidget parent;
    HistoryCheckDialog::open(&parent, lotto6.dialogs, lotto6.pane.text(), &lotto6.context.report);
    auto* window = parent.findChild<HistoryCheckDialog*>();
    ASSERT_NE(window, nullptr);
    const QString shown = window->findChild<QPlainTextEdit*>()->toPlainText();
    for (QPushButton* button : window->findChild<QDialogButtonBox*>()->findChildren<QPushButton*>())
        if (button->text() == QStringLiteral("Number Frequencies..."))
            button->click();
    auto* chart = parent.findChild<FrequencyChartWindow*>();
    ASSERT_NE(chart, nullptr);
    const QString uniformity = chart->findChild<QLabel*>(QStringLiteral("uniformity"))->text();
    EXPECT_TRUE(shown.startsWith(QStringLiteral("Draws read: 3\n6 of 6: 0 pairs\n5 of 6: 0 pairs\n"
                                                "4 of 6: 3 pairs (rows 2 on 2026-11-21, 4 on 2026-11-28)\n")))
        << shown.toStdString();
    EXPECT_TRUE(shown.contains(QStringLiteral("\nbest 4 of 6: 3 lines (lines 42, 682, 958)\n")));
    EXPECT_EQ(uniformity, QStringLiteral("Uniformity: no test: too few draws (each number expected 0.37 times; "
                                         "the test needs at least 5)."));
    // A new report in the pane leaves the history's chart as it was.
    ToolWindow::tellPaneReplaced(&parent, "1 2 3 4 5 6\r\n", nullptr);
    EXPECT_EQ(chart->findChild<QLabel*>(QStringLiteral("uniformity"))->text(), uniformity);

    HistoryCheckDialog::open(&parent, lotto6.dialogs, lotto6.pane.text(), &lotto6.context.report);
    EXPECT_NE(lotto6.messages.str().find("[Check Against a Draw History] Cannot open \"missing.csv\": "),
              std::string::npos);
}
