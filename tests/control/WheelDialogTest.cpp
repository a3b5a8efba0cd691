// SPDX-License-Identifier: GPL-3.0-or-later
#include "CorvaneGen7.h"
#include "DialogTesting.h"
#include "TestSupport.h"
#include "WheelDialog.h"

#include <QContextMenuEvent>
#include <QLabel>
#include <QMenu>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>

#include <Qsci/qsciscintilla.h>

#include <gtest/gtest.h>

namespace {

const std::string kLines = "   1   2   3   4   5   6\r\n   1   2   3   7   8   9\r\n   1   2  10  11  12  13\r\n";

template <typename Widget>
Widget* field(const QWidget& dialog, const char* name)
{
    return dialog.findChild<Widget*>(QString::fromLatin1(name));
}

// Chooses an entry of the pane's context menu.
void chooseFromMenu(const CorvaneGen7& control, const QString& entry)
{
    QWidget* pane = control.findChild<QsciScintilla*>(QStringLiteral("RichTextBox1"))->viewport();
    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(20, 20), pane->mapToGlobal(QPoint(20, 20)));
    QApplication::sendEvent(pane, &event);
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_NE(menu, nullptr);
    menu->hide();
    for (QAction* action : menu->actions())
        if (action->text() == entry)
            action->trigger();
}

} // namespace

TEST(WheelDialog, TakesThePoolFromThePanesLinesAndRefusesWhatCannotBeWheeled)
{
    WheelRequest initial;
    WheelDialog dialog(WheelDialog::Mode::Make, initial, kLines, nullptr);
    dialog.show();
    field<QPushButton>(dialog, "allNumbers")->click();
    EXPECT_EQ(field<QLineEdit>(dialog, "pool")->text(), QStringLiteral("1-13"));
    field<QSpinBox>(dialog, "taken")->setValue(3);
    field<QPushButton>(dialog, "mostFrequent")->click();
    EXPECT_EQ(field<QLineEdit>(dialog, "pool")->text(), QStringLiteral("1-3"));
    // Three numbers cannot fill a ticket of six: the dialog stays open and says why.
    dialog.accept();
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(field<QLabel>(dialog, "problem")->text(), QStringLiteral("The pool holds 3 numbers, fewer than the 6 of a ticket."));

    field<QLineEdit>(dialog, "pool")->setText(QStringLiteral("2-11"));
    field<QSpinBox>(dialog, "guarantee")->setValue(4);
    EXPECT_EQ(field<QSpinBox>(dialog, "drawn")->value(), 4); // M follows T up
    field<QSpinBox>(dialog, "drawn")->setValue(5);
    field<QLineEdit>(dialog, "game")->setText(QStringLiteral("69 + 26"));
    dialog.accept();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    const WheelRequest& request = dialog.request();
    EXPECT_EQ(request.pool, (std::vector<int>{2, 3, 4, 5, 6, 7, 8, 9, 10, 11}));
    EXPECT_EQ((std::vector<int>{request.ticket, request.guarantee, request.drawn}), (std::vector<int>{6, 4, 5}));
    EXPECT_EQ(gameAnswer(request.game), "69 + 26");
}

TEST(WheelDialog, SaysSoWhenThePaneHoldsNoLinesToTakeNumbersFrom)
{
    WheelDialog dialog(WheelDialog::Mode::Check, WheelRequest{}, "Welcome\n", nullptr);
    dialog.show();
    field<QPushButton>(dialog, "leastFrequent")->click();
    EXPECT_EQ(field<QLabel>(dialog, "problem")->text(), QStringLiteral("The pane holds no lotto lines to take numbers from."));
    EXPECT_FALSE(field<QSpinBox>(dialog, "ticket")->isVisible());
}

// The menu's dialog, the search off the window's thread, the message and
// the tickets in the pane, then the check of those lines.
TEST(WheelDialog, WheelNumbersFromThePanesMenuFillsThePaneAndCheckAWheelProvesIt)
{
    TempDirectory dir;
    CorvaneGen7 control;
    control.setProperty("fixedSeed", 42.0);
    control.show();
    Answering answering;
    // The control's library holds its own copy of the dialog's class: it is known by its name.
    chooseFromMenu(control, QStringLiteral("Wheel N&umbers..."));
    auto* dialog = control.findChild<QDialog*>(QStringLiteral("WheelNumbers"));
    ASSERT_NE(dialog, nullptr);
    EXPECT_FALSE(dialog->isModal()); // the control stays usable beside it
    field<QLineEdit>(*dialog, "pool")->setText(QStringLiteral("1-10"));
    field<QSpinBox>(*dialog, "guarantee")->setValue(2);
    field<QSpinBox>(*dialog, "drawn")->setValue(2);
    dialog->accept();
    QCoreApplication::processEvents(); // the wheel is made once the window has gone
    const QString pane = control.findChild<QsciScintilla*>(QStringLiteral("RichTextBox1"))->text();
    EXPECT_EQ(pane.count(QStringLiteral("\r\n")), 4);
    ASSERT_EQ(answering.shown.size(), 1);
    EXPECT_TRUE(answering.shown[0].startsWith(QStringLiteral("Wheel Numbers: 4 tickets of 6 numbers wheel the 10 numbers 1-10, 2 if 2.")));

    chooseFromMenu(control, QStringLiteral("Chec&k a Wheel..."));
    dialog = control.findChild<QDialog*>(QStringLiteral("CheckAWheel"));
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(field<QLineEdit>(*dialog, "pool")->text(), QStringLiteral("1-10"));
    dialog->accept();
    QCoreApplication::processEvents();
    ASSERT_EQ(answering.shown.size(), 2);
    EXPECT_TRUE(answering.shown[1].contains(QStringLiteral("\nProven: whenever 2 of the drawn numbers")))
        << answering.shown[1].toStdString();
}
