// SPDX-License-Identifier: GPL-3.0-or-later
#include "QtPrinting.h"
#include "CorvaneGen7.h"
#include "DialogTesting.h"
#include "TestSupport.h"

#include <QContextMenuEvent>
#include <QMenu>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <Qsci/qsciscintilla.h>

#include <gtest/gtest.h>

namespace {

QsciScintilla* paneOf(const CorvaneGen7& control)
{
    return control.findChild<QsciScintilla*>(QStringLiteral("RichTextBox1"));
}

// Opens the pane's context menu (a right-click reaches the pane's inner
// area, the Menu key the pane) and gives its entries, "-" for a separator
// and "(off)" after a disabled one; `choose` triggers that entry.
QStringList openMenu(const CorvaneGen7& control, const QString& choose = {},
                     QContextMenuEvent::Reason reason = QContextMenuEvent::Mouse)
{
    QWidget* target = reason == QContextMenuEvent::Mouse ? paneOf(control)->viewport() : paneOf(control);
    QContextMenuEvent event(reason, QPoint(20, 20), target->mapToGlobal(QPoint(20, 20)));
    QApplication::sendEvent(target, &event);
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    if (!menu)
        return {};
    menu->hide();
    QStringList entries;
    for (QAction* action : menu->actions()) {
        entries << (action->isSeparator() ? QStringLiteral("-")
                                          : action->text() + (action->isEnabled() ? "" : " (off)"));
        if (action->text() == choose)
            action->trigger();
    }
    return entries;
}

// The window that a menu entry opened, with this object name.
QDialog* toolWindow(const CorvaneGen7& control, const char* name)
{
    return control.findChild<QDialog*>(QString::fromLatin1(name));
}

// Types a draw into the open check window and gives its result.
QString checkResult(const CorvaneGen7& control, const QString& draw)
{
    return checkResultOf(toolWindow(control, "CheckAgainstADraw"), draw);
}

} // namespace

TEST(PaneContextMenu, OnceAReportIsShownOffersItsDetailsAndToRunItAgainAsLongAsThePaneShowsIt)
{
    TempDirectory dir;
    CorvaneGen7 control;
    // Some seeds give a report with a line twice, and fewer distinct lines.
    control.setProperty("fixedSeed", 42.0);
    control.show();
    const QStringList edits = {"&Undo (off)", "&Redo (off)", "-", "Cu&t (off)", "&Copy (off)", "&Paste",
                               "&Delete (off)", "-", "Select &All", "-", "Check Against a Dra&w...",
                               "Check Against a Draw &History...", "&Number Frequencies...",
                               "&Export as CSV...", "Wheel N&umbers...", "Chec&k a Wheel..."};
    for (const auto reason : {QContextMenuEvent::Mouse, QContextMenuEvent::Keyboard})
        EXPECT_EQ(openMenu(control, {}, reason),
                  edits + QStringList({"Report Detai&ls... (off)", "Run Again With This &Seed (off)"}));

    Answering answering({{QStringLiteral("Biggest Number"), QStringLiteral("49")}});
    QPushButton* pick6 = control.findChild<QPushButton*>(QStringLiteral("Pick6"));
    pick6->click();
    const QString report = paneOf(control)->text();
    // An entry left off would trigger nothing: the details below would be missing.
    openMenu(control, QStringLiteral("Report Detai&ls..."));
    paneOf(control)->selectAll();
    paneOf(control)->replaceSelectedText(QStringLiteral("Giants")); // as a paste would
    openMenu(control, QStringLiteral("Run Again With This &Seed"));
    EXPECT_EQ(paneOf(control)->text(), QStringLiteral("Giants"));
    // Undo from the button that made the report brings it back, and with it
    // the report that runs again.
    control.activateWindow(); // the message boxes took the activation with them
    ASSERT_TRUE(QTest::qWaitForWindowActive(&control));
    pick6->setFocus();
    QTest::keyClick(pick6, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(paneOf(control)->text(), report);
    openMenu(control, QStringLiteral("Run Again With This &Seed"));
    EXPECT_EQ(paneOf(control)->text(), report);
    openMenu(control, QStringLiteral("Report Detai&ls..."));

    // The check knows the game while the pane shows the report as it was
    // made, and reads the lines by their shape once it is edited.
    openMenu(control, QStringLiteral("Check Against a Dra&w..."));
    const QString odds = checkResult(control, QStringLiteral("1 2 3 4 5 6")).section('\n', -1);
    // The report is not seeded: two of its lines may be alike.
    EXPECT_TRUE(odds.contains(QStringLiteral(" distinct lines hold the jackpot"))) << odds.toStdString();
    toolWindow(control, "CheckAgainstADraw")->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    paneOf(control)->setText(QString(report).replace(0, 1, QLatin1Char('\t')));
    openMenu(control, QStringLiteral("Check Against a Dra&w..."));
    EXPECT_FALSE(checkResult(control, QStringLiteral("1 2 3 4 5 6")).contains(QStringLiteral("jackpot")));

    // The prompt, the details, the refusal, the details again.
    const QString details = answering.shown.value(1);
    EXPECT_EQ(answering.shown, QStringList({"Biggest Number", details,
                                            "Run Again With This Seed: The pane shows no report.", details}))
        << answering.shown.join(QLatin1Char('|')).toStdString();
    EXPECT_TRUE(details.startsWith(QStringLiteral("Report Details: Button: Lotto 6\nBiggest Number: 49\nSeed: ")));
}

// While the check and the chart are open the control works on: a new report
// is checked against the same draw and charted; a text without lines
// closes the chart.
TEST(PaneContextMenu, CheckAndChartStayBesideTheControlFollowItsReportsAndSelectALineInThePane)
{
    TempDirectory dir;
    CorvaneGen7 control;
    control.show();
    control.findChild<QPushButton*>(QStringLiteral("Pick3"))->click();
    QsciScintilla* pane = paneOf(control);
    const QString text = pane->text();
    const QStringList paneLines = text.split(QStringLiteral("\r\n"));
    const QString line17 = paneLines[16]; // " 3  1  4 "

    openMenu(control, QStringLiteral("Check Against a Dra&w..."));
    QDialog* check = toolWindow(control, "CheckAgainstADraw");
    ASSERT_TRUE(check && check->isVisible() && !check->isModal());
    // "in order: N lines (lines 17, ..." or "(line 17)"; the tier's name is no line number.
    const QString inOrder = checkResult(control, line17.simplified()).split(QLatin1Char('\n'))[1];
    auto* result = check->findChild<QPlainTextEdit*>(QStringLiteral("result"));
    doubleClickText(result, 1, 1);
    EXPECT_TRUE(pane->selectedText().isEmpty());
    doubleClickText(result, 1, inOrder.indexOf(QLatin1Char('(')) + 7);
    // The first line in order (line 17 or an earlier one just like it), the
    // caret at its start.
    EXPECT_EQ(pane->SendScintilla(QsciScintillaBase::SCI_GETCURRENTPOS),
              pane->positionFromLineIndex(static_cast<int>(paneLines.indexOf(line17)), 0));
    EXPECT_EQ(pane->selectedText(), line17);

    openMenu(control, QStringLiteral("&Number Frequencies..."));
    QDialog* chart = toolWindow(control, "NumberFrequencies");
    ASSERT_TRUE(chart && chart->isVisible());
    EXPECT_EQ(chart->findChild<QTabWidget*>()->count(), 3); // a tab per digit position
    EXPECT_EQ(pane->text(), text);

    const QString pick3Result = result->toPlainText();
    Answering answering({{QStringLiteral("Biggest Number"), QStringLiteral("49")}});
    control.findChild<QPushButton*>(QStringLiteral("Pick6"))->click();
    // Three digits make no lotto draw: the same draw, checked again, says why.
    EXPECT_EQ(check->findChild<QLineEdit*>(QStringLiteral("draw"))->text(), line17.simplified());
    EXPECT_NE(result->toPlainText(), pick3Result);
    EXPECT_FALSE(result->toPlainText().contains(QStringLiteral("lines")));
    // One drum, one chart, no tab to name it.
    EXPECT_EQ(chart->findChild<QTabWidget*>()->count(), 1);
    EXPECT_FALSE(chart->findChild<QTabBar*>()->isVisible());

    control.findChild<QPushButton*>(QStringLiteral("Edit"))->click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(toolWindow(control, "NumberFrequencies"), nullptr);
    EXPECT_EQ(result->toPlainText(), QStringLiteral("The pane holds no lines to check."));

    control.close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(toolWindow(control, "CheckAgainstADraw"), nullptr);
}
