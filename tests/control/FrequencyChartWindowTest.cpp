// SPDX-License-Identifier: GPL-3.0-or-later
#include "QtPrinting.h"
#include "ButtonTable.h"
#include "FrequencyChartWindow.h"
#include "NumberFrequencies.h"
#include "TestSupport.h"
#include "TextFile.h"

#include <QBarSeries>
#include <QBarSet>
#include <QCategoryAxis>
#include <QChartView>
#include <QLabel>
#include <QLineSeries>
#include <QToolTip>

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>

TEST(FrequencyChartWindow, ChartsALotto6ReportsNumbersSavesThePictureAndRefusesTextWithoutReportLines)
{
    TempDirectory dir;
    ScriptedClick click({"49"});
    runButton(*findButton("Pick6"), click.context);

    FrequencyChartWindow window(numberFrequencies(click.pane.text(), &click.context.report), nullptr);
    EXPECT_EQ(window.findChild<QLabel*>()->text(), QStringLiteral("1000 lines of Lotto 6 (Biggest Number: 49)"));
    ASSERT_EQ(window.findChildren<QChartView*>().size(), 1);
    const QList<QAbstractSeries*> series = window.findChild<QChartView*>()->chart()->series();
    ASSERT_EQ(series.size(), 2);
    const QBarSet* bars = static_cast<QBarSeries*>(series[0])->barSets().front();
    EXPECT_EQ(bars->count(), 49);
    EXPECT_EQ(bars->sum(), 6000);
    // The mean runs from the first bar's left edge to the last one's right edge.
    EXPECT_EQ(static_cast<QLineSeries*>(series[1])->points(),
              QList<QPointF>({{-0.5, 6000.0 / 49}, {48.5, 6000.0 / 49}}));

    // Many bars name every fifth (..., five-thousandth) value only.
    const std::pair<int, int> steps[] = {{49, 5}, {1000, 50}, {32767, 5000}};
    for (const auto& [biggest, step] : steps) {
        const FrequencyChartWindow chart(numberFrequencies("  1 " + std::to_string(biggest), nullptr), nullptr);
        QStringList names;
        for (int value = step; value <= biggest; value += step)
            names << QString::number(value);
        QAbstractAxis* axis = chart.findChild<QChartView*>()->chart()->axes(Qt::Horizontal).front();
        EXPECT_EQ(static_cast<QCategoryAxis*>(axis)->categoriesLabels(), names);
    }

    // A bar under the pointer tells its exact count.
    const_cast<QBarSet*>(bars)->hovered(true, 2);
    EXPECT_EQ(QToolTip::text(), QStringLiteral("3: %1 times").arg(bars->at(2)));

    window.show();
    EXPECT_EQ(window.saveChart("chart.png"), std::nullopt);
    EXPECT_EQ(readFileBytes("chart.png").value_or("").substr(0, 8), "\x89PNG\r\n\x1a\n");
    EXPECT_EQ(window.saveChart("chart.svg"), std::nullopt);
    EXPECT_NE(readFileBytes("chart.svg").value_or("").find("<svg"), std::string::npos);
    EXPECT_EQ(window.saveChart("no/such/folder/chart.png"), std::string(std::strerror(ENOENT)));

    QWidget parent;
    FrequencyChartWindow::open(&parent, click.dialogs, "Welcome.\n", nullptr);
    EXPECT_EQ(click.messages.str(), "[Number Frequencies] The pane holds no lines to check.\n");
    EXPECT_EQ(parent.findChild<FrequencyChartWindow*>(), nullptr);
}
