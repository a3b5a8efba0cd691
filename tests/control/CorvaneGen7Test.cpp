#include "ButtonTable.h"
#include "CorvaneGen7.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <Qsci/qsciscintilla.h>

#include <gtest/gtest.h>

#include <regex>

namespace {

QsciScintilla* pane(const CorvaneGen7& control)
{
    return control.findChild<QsciScintilla*>(QStringLiteral("RichTextBox1"));
}

std::string paneText(const CorvaneGen7& control) { return pane(control)->text().toStdString(); }

void click(const CorvaneGen7& control, const char* button)
{
    control.findChild<QPushButton*>(QString::fromLatin1(button))->click();
}

} // namespace

TEST(CorvaneGen7, ShowsTwentyButtonsFromTheTable)
{
    CorvaneGen7 control;
    const auto buttons = control.findChildren<QPushButton*>();
    EXPECT_EQ(buttons.size(), 20);
    for (const ButtonSpec& row : kButtons) {
        auto* button = control.findChild<QPushButton*>(QString::fromLatin1(row.name));
        ASSERT_NE(button, nullptr) << row.name;
        EXPECT_EQ(button->text().toStdString(), row.caption);
        EXPECT_EQ(button->toolTip().toStdString(), row.tooltip);
        EXPECT_EQ(button->geometry(), QRect(row.left / 15, row.top / 15, 81, 20)) << row.name;
    }
    EXPECT_EQ(control.findChild<QPushButton*>("Pick3")->toolTip(),
              QStringLiteral("Generate pick-3 combinations from 000  to 999"));
}

TEST(CorvaneGen7, TabOrderRunsRowByRowExceptTheThirdRow)
{
    CorvaneGen7 control;
    // The next widget that Tab reaches (inner widgets without a name are skipped).
    auto next = [&](const char* name) {
        QWidget* w = control.findChild<QWidget*>(QString::fromLatin1(name))->nextInFocusChain();
        while (w->objectName().isEmpty() || !(w->focusPolicy() & Qt::TabFocus))
            w = w->nextInFocusChain();
        return w->objectName();
    };
    EXPECT_EQ(next("Pick7"), "Power51");
    EXPECT_EQ(next("PowerOdds"), "Horses");
    EXPECT_EQ(next("Horses"), "Roulette");
    EXPECT_EQ(next("Roulette"), "USBet");
    EXPECT_EQ(next("USBet"), "EuroCombs");
    EXPECT_EQ(next("EuroCombs"), "EuroOdds");
    EXPECT_EQ(next("EuroOdds"), "Open");
    EXPECT_EQ(next("Save"), "RichTextBox1");
}

TEST(CorvaneGen7, StartsWithTheBannerAndThirteenWelcomeLines)
{
    CorvaneGen7 control;
    const QString banner = control.findChild<QLabel*>(QStringLiteral("Label1"))->text();
    const QStringList lines = banner.split(QLatin1Char('\n'));
    ASSERT_EQ(lines.size(), 3);
    EXPECT_EQ(lines[0], QStringLiteral("CorvaneGenerator v7.0 ~ January 2005 (5 WE)."));

    const std::string text = paneText(control);
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 13);
    EXPECT_EQ(text.back(), '\n');
    EXPECT_EQ(text.rfind(" \u2022\u2022 Your combinations will be displayed in this text box.\n", 0), 0u);
    EXPECT_NE(text.find("\n ~ for the same cost!\n"), std::string::npos);
}

TEST(CorvaneGen7, Pick3ClickFillsThePaneWithAThousandLines)
{
    CorvaneGen7 control;
    pane(control)->resize(500, 200);
    control.findChild<QPushButton*>(QStringLiteral("Pick3"))->click();
    const std::string text = paneText(control);
    ASSERT_EQ(text.size(), 11000u);
    const std::regex line(" [0-9]  [0-9]  [0-9] \r\n");
    for (std::size_t at = 0; at < text.size(); at += 11)
        ASSERT_TRUE(std::regex_match(text.substr(at, 11), line)) << at;
    // The report shows from its first line, the caret at its start.
    EXPECT_EQ(pane(control)->firstVisibleLine(), 0);
    int caretLine = -1;
    int caretIndex = -1;
    pane(control)->getCursorPosition(&caretLine, &caretIndex);
    EXPECT_EQ(caretLine, 0);
    EXPECT_EQ(caretIndex, 0);
}

TEST(CorvaneGen7, TabAndShiftTabLeaveThePaneCtrlTabTypesATab)
{
    CorvaneGen7 control;
    control.show();
    control.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&control));
    QWidget* edit = pane(control);
    const std::string before = paneText(control);
    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget()->objectName(), QStringLiteral("Pick3"));
    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(QApplication::focusWidget()->objectName(), QStringLiteral("Save"));
    EXPECT_EQ(paneText(control), before);
    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_EQ(paneText(control), "\t" + before);
}

TEST(CorvaneGen7, UndoAfterACommandBringsBackWhatThePaneHeld)
{
    CorvaneGen7 control;
    QWidget* edit = pane(control);
    click(control, "Pick3");
    const std::string report = paneText(control);
    QTest::keyClicks(edit, "typed ");
    const std::string typed = paneText(control);
    for (const char* button : {"Edit", "Pick4"}) {
        click(control, button);
        EXPECT_NE(paneText(control), typed) << button;
        QTest::keyClick(edit, Qt::Key_Z, Qt::ControlModifier);
        EXPECT_EQ(paneText(control), typed) << button;
    }
    EXPECT_EQ(typed, "typed " + report);
}

TEST(CorvaneGen7, TheSeederGivesAPositiveSeedWithAFraction)
{
    CorvaneGen7 control;
    const double seed = control.TheSeeder();
    EXPECT_GT(seed, 0);
}
