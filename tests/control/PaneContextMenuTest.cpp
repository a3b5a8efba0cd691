#include "CorvaneGen7.h"
#include "DialogTesting.h"
#include "TestSupport.h"

#include <QContextMenuEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <Qsci/qsciscintilla.h>

#include <gtest/gtest.h>

namespace {

QsciScintilla* paneOf(const CorvaneGen7& control)
{
    return control.findChild<QsciScintilla*>(QStringLiteral("RichTextBox1"));
}

// Opens the pane's context menu: a right-click reaches the pane's inner
// area, the Menu key the pane itself.
QMenu* openMenu(const CorvaneGen7& control, QContextMenuEvent::Reason reason = QContextMenuEvent::Mouse)
{
    QsciScintilla* pane = paneOf(control);
    QWidget* target = reason == QContextMenuEvent::Mouse ? pane->viewport() : pane;
    QContextMenuEvent event(reason, QPoint(20, 20), target->mapToGlobal(QPoint(20, 20)));
    QApplication::sendEvent(target, &event);
    return qobject_cast<QMenu*>(QApplication::activePopupWidget());
}

// The menu's entries: "-" for a separator, "(off)" after a disabled entry.
QStringList entries(const QMenu& menu)
{
    QStringList list;
    for (const QAction* action : menu.actions())
        list << (action->isSeparator() ? QStringLiteral("-")
                                       : action->text() + (action->isEnabled() ? "" : " (off)"));
    return list;
}

void choose(const CorvaneGen7& control, const QString& entry)
{
    QMenu* menu = openMenu(control);
    ASSERT_NE(menu, nullptr);
    menu->hide();
    for (QAction* action : menu->actions())
        if (action->text() == entry)
            return action->trigger();
    FAIL() << entry.toStdString();
}

} // namespace

TEST(PaneContextMenu, AddsCheckDetailsAndRunAgainToTheEditActionsOnceAReportIsShown)
{
    // The editor's own actions, then the added ones.
    const QStringList edits = {"&Undo (off)", "&Redo (off)", "-",
                               "Cu&t (off)", "&Copy (off)", "&Paste", "Delete (off)", "-",
                               "Select All", "-", "Check Against a Draw..."};
    CorvaneGen7 control;
    control.show();
    for (const auto reason : {QContextMenuEvent::Mouse, QContextMenuEvent::Keyboard}) {
        QMenu* menu = openMenu(control, reason);
        ASSERT_NE(menu, nullptr) << reason;
        const QStringList disabled = {"Report Details... (off)", "Run Again With This Seed (off)"};
        EXPECT_EQ(entries(*menu), edits + disabled);
        menu->hide();
    }
    control.findChild<QPushButton*>(QStringLiteral("Pick3"))->click();
    QMenu* menu = openMenu(control);
    ASSERT_NE(menu, nullptr);
    const QStringList enabled = {"Report Details...", "Run Again With This Seed"};
    EXPECT_EQ(entries(*menu).mid(edits.size()), enabled);
    menu->hide();
}

TEST(PaneContextMenu, CheckShowsTheTiersLeavesThePaneAsItIsAndSelectsADoubleClickedLine)
{
    CorvaneGen7 control;
    control.show();
    control.findChild<QPushButton*>(QStringLiteral("Pick3"))->click();
    QsciScintilla* pane = paneOf(control);
    const QString text = pane->text();
    const QStringList paneLines = text.split(QStringLiteral("\r\n"));
    const QString line17 = paneLines[16]; // " 3  1  4 "
    const QString draw = line17.simplified();

    QString result;
    whenDialogShows([&](QWidget* dialog) {
        auto* line = dialog->findChild<QLineEdit*>(QStringLiteral("draw"));
        line->setText(draw);
        QTest::keyClick(line, Qt::Key_Return);
        auto* shown = dialog->findChild<QPlainTextEdit*>(QStringLiteral("result"));
        result = shown->toPlainText();
        // "in order: N lines (lines 17, ..." or "(line 17)": after the first number's first digit.
        doubleClickText(shown, 1, result.split(QLatin1Char('\n'))[1].indexOf(QLatin1Char('(')) + 7);
        qobject_cast<QDialog*>(dialog)->reject();
    });
    choose(control, QStringLiteral("Check Against a Draw..."));

    const QStringList lines = result.split(QLatin1Char('\n'));
    ASSERT_GE(lines.size(), 3);
    EXPECT_EQ(lines[0], "Draw: " + draw);
    EXPECT_TRUE(lines[1].startsWith(QStringLiteral("in order: "))) << lines[1].toStdString();
    EXPECT_TRUE(lines[2].startsWith(QStringLiteral("in any order: "))) << lines[2].toStdString();
    EXPECT_EQ(pane->text(), text);
    // The first line in order: line 17 or an earlier one just like it.
    int line = 0;
    int index = 0;
    pane->getCursorPosition(&line, &index);
    EXPECT_EQ(line, paneLines.indexOf(line17));
    EXPECT_EQ(pane->selectedText(), line17);
}

TEST(PaneContextMenu, RunAgainMakesTheSameReportWithoutAskingAndKeepsItsDetails)
{
    TempDirectory dir;
    CorvaneGen7 control;
    control.show();
    {
        Answering answering({{QStringLiteral("Biggest Number"), QStringLiteral("49")}});
        control.findChild<QPushButton*>(QStringLiteral("Pick6"))->click();
        EXPECT_EQ(answering.shown, QStringList{"Biggest Number"});
    }
    const QString report = paneOf(control)->text();
    Answering answering;
    choose(control, QStringLiteral("Report Details..."));
    paneOf(control)->setText(QStringLiteral("Giants\r\n"));
    choose(control, QStringLiteral("Run Again With This Seed"));
    EXPECT_EQ(paneOf(control)->text(), report);
    choose(control, QStringLiteral("Report Details..."));

    ASSERT_EQ(answering.shown.size(), 2) << answering.shown.join(QLatin1Char('|')).toStdString();
    const QString details = QStringLiteral("Report Details: Button: Lotto 6\nBiggest Number: 49\nSeed: ");
    EXPECT_TRUE(answering.shown[0].startsWith(details)) << answering.shown[0].toStdString();
    EXPECT_EQ(answering.shown[1], answering.shown[0]);
}
