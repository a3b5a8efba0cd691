// SPDX-License-Identifier: GPL-3.0-or-later
#include "QtPrinting.h"
#include "ButtonTable.h"
#include "CheckDrawDialog.h"
#include "DialogTesting.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

TEST(CheckDrawDialog, ShowsTheTiersOfTheReportAndKeepsAWrongDrawOpenForACorrection)
{
    TempDirectory dir;
    ScriptedClick lotto6({"49"}); // seed 42
    runButton(*findButton("Pick6"), lotto6.context);
    CheckDrawDialog dialog(lotto6.pane.text(), &lotto6.context.report);
    dialog.show();
    EXPECT_EQ(checkResultOf(&dialog, QStringLiteral("3 11 19 27")),
              QStringLiteral("The draw holds 4 numbers where 6 are needed."));
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(checkResultOf(&dialog, QStringLiteral("3, 11, 19, 27, 38, 45")),
              QStringLiteral("Draw: 3 11 19 27 38 45\n6 of 6: 0 lines\n5 of 6: 0 lines\n"
                             "4 of 6: 2 lines (lines 42, 958)\n3 of 6: 17 lines\n2 of 6: 123 lines\n"
                             "1 of 6: 413 lines\n0 of 6: 445 lines\n"
                             "1000 distinct lines hold the jackpot with probability 1 in 13,984"));
}
