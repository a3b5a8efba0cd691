#include "CorvaneGen7.h"
#include "DialogTesting.h"
#include "TestSupport.h"

#include <QContextMenuEvent>
#include <QMenu>
#include <QPushButton>
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

} // namespace

TEST(PaneContextMenu, OnceAReportIsShownOffersItsDetailsAndToRunItAgainWithoutAsking)
{
    TempDirectory dir;
    CorvaneGen7 control;
    control.show();
    const QStringList edits = {"&Undo (off)", "&Redo (off)", "-", "Cu&t (off)", "&Copy (off)", "&Paste",
                               "Delete (off)", "-", "Select All", "-", "Check Against a Draw...",
                               "Check Against a Draw History...", "Number Frequencies...",
                               "Export as CSV...", "Wheel Numbers...", "Check a Wheel..."};
    for (const auto reason : {QContextMenuEvent::Mouse, QContextMenuEvent::Keyboard})
        EXPECT_EQ(openMenu(control, {}, reason),
                  edits + QStringList({"Report Details... (off)", "Run Again With This Seed (off)"}));

    Answering answering({{QStringLiteral("Biggest Number"), QStringLiteral("49")}});
    control.findChild<QPushButton*>(QStringLiteral("Pick6"))->click();
    const QString report = paneOf(control)->text();
    // An entry left off would trigger nothing: the details below would be missing.
    openMenu(control, QStringLiteral("Report Details..."));
    paneOf(control)->setText(QStringLiteral("Giants\r\n"));
    openMenu(control, QStringLiteral("Run Again With This Seed"));
    EXPECT_EQ(paneOf(control)->text(), report);
    openMenu(control, QStringLiteral("Report Details..."));

    // The check knows the game while the pane shows the report as it was
    // made, and reads the lines by their shape once it is edited.
    const auto checkOdds = [&control] {
        QString odds;
        whenDialogShows([&odds](QWidget* dialog) {
            odds = checkResultOf(dialog, QStringLiteral("1 2 3 4 5 6")).section('\n', -1);
            qobject_cast<QDialog*>(dialog)->reject();
        });
        openMenu(control, QStringLiteral("Check Against a Draw..."));
        return odds;
    };
    EXPECT_TRUE(checkOdds().startsWith(QStringLiteral("1000 distinct lines hold the jackpot")));
    paneOf(control)->setText(QString(report).replace(0, 1, QLatin1Char('\t')));
    EXPECT_FALSE(checkOdds().contains(QStringLiteral("jackpot")));

    // The prompt, then the same details before and after the run again.
    const QString details = answering.shown.value(1);
    EXPECT_EQ(answering.shown, QStringList({"Biggest Number", details, details}))
        << answering.shown.join(QLatin1Char('|')).toStdString();
    EXPECT_TRUE(details.startsWith(QStringLiteral("Report Details: Button: Lotto 6\nBiggest Number: 49\nSeed: ")));
}

TEST(PaneContextMenu, CheckAndFrequenciesLeaveThePaneAsItIsAndADoubleClickedLineNumberSelectsThatLine)
{
    CorvaneGen7 control;
    control.show();
    control.findChild<QPushButton*>(QStringLiteral("Pick3"))->click();
    QsciScintilla* pane = paneOf(control);
    const QString text = pane->text();
    const QStringList paneLines = text.split(QStringLiteral("\r\n"));
    const QString line17 = paneLines[16]; // " 3  1  4 "

    whenDialogShows([&](QWidget* dialog) {
        // "in order: N lines (lines 17, ..." or "(line 17)"; the tier's name is no line number.
        const QString inOrder = checkResultOf(dialog, line17.simplified()).split(QLatin1Char('\n'))[1];
        auto* result = dialog->findChild<QPlainTextEdit*>(QStringLiteral("result"));
        doubleClickText(result, 1, 1);
        EXPECT_TRUE(pane->selectedText().isEmpty());
        doubleClickText(result, 1, inOrder.indexOf(QLatin1Char('(')) + 7);
        qobject_cast<QDialog*>(dialog)->reject();
    });
    openMenu(control, QStringLiteral("Check Against a Draw..."));
    // The first line in order (line 17 or an earlier one just like it), the
    // caret at its start.
    EXPECT_EQ(pane->SendScintilla(QsciScintillaBase::SCI_GETCURRENTPOS),
              pane->positionFromLineIndex(static_cast<int>(paneLines.indexOf(line17)), 0));
    EXPECT_EQ(pane->selectedText(), line17);

    openMenu(control, QStringLiteral("Number Frequencies..."));
    auto* chart = control.window()->findChild<QDialog*>(QStringLiteral("NumberFrequencies"));
    ASSERT_TRUE(chart && chart->isVisible());
    EXPECT_EQ(chart->findChild<QTabWidget*>()->count(), 3); // a tab per digit position
    EXPECT_EQ(pane->text(), text);
    chart->close();
}
