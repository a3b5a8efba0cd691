// SPDX-License-Identifier: GPL-3.0-or-later
#include "QtPrinting.h"
#include "ButtonTable.h"
#include "CorvaneGen7.h"
#include "DetailsTable.h"
#include "DialogTesting.h"
#include "EuroOdds.h"
#include "TestSupport.h"
#include "TextFile.h"

#include <QFileDialog>
#include <QFontMetricsF>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QStyleOptionButton>
#include <Qsci/qsciscintilla.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <tuple>

namespace {

QsciScintilla* pane(const CorvaneGen7& control)
{
    return control.findChild<QsciScintilla*>(QStringLiteral("RichTextBox1"));
}

std::string paneText(const CorvaneGen7& control) { return pane(control)->text().toStdString(); }

QPushButton* button(const CorvaneGen7& control, const char* name)
{
    return control.findChild<QPushButton*>(QString::fromLatin1(name));
}

} // namespace

TEST(CorvaneGen7Scale, SurfaceScalesWithTheScreenAndEveryCaptionFitsItsButton)
{
    CorvaneGen7 control;
    control.show();
    // The screen scale that the environment asks for; these tests also run
    // under QT_FONT_DPI=144 and under QT_SCALE_FACTOR=2.
    const double scale = qEnvironmentVariable("QT_SCALE_FACTOR", QStringLiteral("1")).toDouble()
                         * qEnvironmentVariable("QT_FONT_DPI", QStringLiteral("96")).toDouble() / 96;
    // Never smaller than the design surface, 7845 x 6690 twips at 96 dots an inch.
    EXPECT_EQ(control.minimumSize(), QSize(523, 446));
    EXPECT_EQ(control.grab().size(), (QSizeF(523, 446) * scale).toSize());
    for (const ButtonSpec& row : kButtons) {
        QPushButton* shown = button(control, row.name);
        QStyleOptionButton option;
        option.initFrom(shown);
        const QRect contents = shown->style()->subElementRect(QStyle::SE_PushButtonContents, &option, shown);
        const QFontMetricsF metrics(shown->font(), shown);
        EXPECT_LE(metrics.horizontalAdvance(shown->text()), contents.width()) << row.name;
        EXPECT_LE(metrics.height(), contents.height()) << row.name;
    }
}

TEST(CorvaneGen7, StartsWithTheBannerTheWelcomeAndTheTablesButtonsAndOnlyThePaneGrowsWithTheWindow)
{
    CorvaneGen7 control;
    const QStringList banner = control.findChild<QLabel*>(QStringLiteral("Label1"))->text().split(QLatin1Char('\n'));
    ASSERT_EQ(banner.size(), 3);
    EXPECT_EQ(banner[0], QStringLiteral("CorvaneGenerator v7.0 ~ January 2005 (5 WE)."));
    const QString welcome = pane(control)->text();
    EXPECT_EQ(welcome.count(QLatin1Char('\n')), 13);
    EXPECT_TRUE(welcome.endsWith(QStringLiteral("\n ~ for the same cost!\n")));

    EXPECT_EQ(control.findChildren<QPushButton*>().size(), 20);
    control.resize(control.sizeHint());
    control.show();
    // Enter presses the focused button. A report fills a whole screen of
    // the pane; its lines themselves are the generator's, tested with it.
    // Its lines are short: no horizontal scroll bar takes a line's room.
    button(control, "Pick3")->setFocus();
    QTest::keyClick(button(control, "Pick3"), Qt::Key_Enter);
    EXPECT_EQ(paneText(control).size(), 11000u);
    const QFontMetrics metrics(pane(control)->font());
    EXPECT_EQ(pane(control)->viewport()->height() / metrics.lineSpacing(), 31);
    EXPECT_FALSE(pane(control)->horizontalScrollBar()->isVisible());
    EXPECT_GE(pane(control)->viewport()->width(), 53 * metrics.horizontalAdvance(QLatin1Char('0')));

    const QSize paneBefore = pane(control)->size();
    control.resize(control.size() + QSize(300, 200));
    EXPECT_EQ(pane(control)->size(), paneBefore + QSize(300, 200));
    // The grid moves as one block, centred over the pane.
    for (const ButtonSpec& row : kButtons) {
        const QPushButton* shown = button(control, row.name);
        EXPECT_EQ(shown->text().toStdString(), row.caption);
        EXPECT_EQ(shown->toolTip().toStdString(), row.tooltip);
        EXPECT_EQ(shown->geometry(), QRect(row.left / 15 + 150, row.top / 15, 81, 20)) << row.name;
    }
}

// With a large font the control asks for just the room of 53 columns
// beside the vertical bar, with the design's margins: a pixel less and
// a column would not fit.
TEST(CorvaneGen7, WithALargeFontTheSizeHintIsTheLeastThatShowsAScreenOfColumns)
{
    CorvaneGen7 control;
    QWidget* edit = pane(control);
    QFont large = edit->font();
    large.setPointSizeF(large.pointSizeF() * 3);
    edit->setFont(large);
    const int advance = QFontMetrics(large).horizontalAdvance(QLatin1Char('0'));
    // The text keeps this inset from the frame.
    constexpr int kTextInset = 8;
    const QSize hint = control.sizeHint();
    ASSERT_GT(hint.width(), control.minimumWidth());
    control.resize(hint);
    control.show();
    QTest::keyClick(button(control, "Pick3"), Qt::Key_Enter);
    ASSERT_TRUE(pane(control)->verticalScrollBar()->isVisible());
    EXPECT_EQ(pane(control)->viewport()->width(), 53 * advance + kTextInset);
    EXPECT_EQ(control.width() - pane(control)->geometry().right() - 1, pane(control)->x());
}

// Shift+Tab from the pane goes back to the last button; Ctrl+Tab types a tab.
TEST(CorvaneGen7, TabRunsRowByRowExceptTheThirdRow)
{
    CorvaneGen7 control;
    control.show();
    control.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&control));
    const std::string before = paneText(control);
    const std::tuple<const char*, Qt::KeyboardModifier, const char*> steps[] = {
        {"Pick7", Qt::NoModifier, "Power51"},      {"PowerOdds", Qt::NoModifier, "Horses"},
        {"Horses", Qt::NoModifier, "Roulette"},    {"Roulette", Qt::NoModifier, "USBet"},
        {"USBet", Qt::NoModifier, "EuroCombs"},    {"EuroCombs", Qt::NoModifier, "EuroOdds"},
        {"EuroOdds", Qt::NoModifier, "Open"},      {"Save", Qt::NoModifier, "RichTextBox1"},
        {"RichTextBox1", Qt::NoModifier, "Pick3"}, {"RichTextBox1", Qt::ShiftModifier, "Save"},
        {"RichTextBox1", Qt::ControlModifier, "RichTextBox1"}};
    for (const auto& [from, modifier, to] : steps) {
        QWidget* widget = control.findChild<QWidget*>(QString::fromLatin1(from));
        widget->setFocus();
        QTest::keyClick(widget, modifier == Qt::ShiftModifier ? Qt::Key_Backtab : Qt::Key_Tab, modifier);
        EXPECT_EQ(QApplication::focusWidget()->objectName(), QLatin1String(to)) << from << " " << modifier;
    }
    EXPECT_EQ(paneText(control), "\t" + before);

    // The focused button wears a ring in the highlight colour round its
    // edge, not round its caption; the others none.
    button(control, "Pick3")->setFocus();
    const QColor ring = control.palette().color(QPalette::Highlight);
    for (const char* name : {"Pick3", "Pick4"}) {
        QStyleOptionButton option;
        option.initFrom(button(control, name));
        const QRect caption = control.style()->subElementRect(QStyle::SE_PushButtonContents, &option);
        const QImage face = button(control, name)->grab().toImage();
        EXPECT_EQ(face.pixelColor(1, face.height() / 2) == ring, name == std::string("Pick3")) << name;
        EXPECT_EQ(face.pixelColor(face.width() - 2, face.height() / 2) == ring, name == std::string("Pick3")) << name;
        EXPECT_NE(face.pixelColor(caption.left() + 1, face.height() / 2), ring) << name;
    }
    // The pane reached by Tab shows its frame in the same colour; left, it shows none.
    QWidget* pane = control.findChild<QWidget*>(QStringLiteral("RichTextBox1"));
    for (const bool focused : {true, false}) {
        (focused ? pane : button(control, "Pick3"))->setFocus();
        const QImage frame = pane->grab().toImage();
        EXPECT_EQ(frame.pixelColor(0, frame.height() / 2) == ring, focused) << focused;
    }
}

// Typed text, whether a click then replaced it (undo could still bring it
// back), the answer, whether the window closes, the question, the file
// saved. Save closes once the file dialog has saved the text, brought back
// when a click had replaced it; the question never comes up over text that
// nobody typed.
TEST(CorvaneGen7, ClosingOverTypedTextAsksToSaveItFirstEvenWhenAClickReplacedIt)
{
    TempDirectory dir;
    const QString shown = QStringLiteral("The text box holds text you typed that is not saved.\nSave it before closing?");
    const QString setAside = QStringLiteral("A click replaced text you typed that is not saved; Undo can still bring it "
                                            "back.\nSave it before closing?");
    // Typed at the caret, which waits at the top of the welcome.
    const std::string typedWelcome = "Giants \u2022\u2022 Your combinations will be displayed in this text box.\n";
    const std::tuple<bool, bool, QMessageBox::StandardButton, bool, QString> cases[] = {
        {false, false, QMessageBox::NoButton, true, {}},     {false, true, QMessageBox::NoButton, true, {}},
        {true, false, QMessageBox::Cancel, false, shown},    {true, false, QMessageBox::Discard, true, shown},
        {true, false, QMessageBox::Save, true, shown},       {true, true, QMessageBox::Cancel, false, setAside},
        {true, true, QMessageBox::Save, true, setAside},
    };
    for (const auto& [typed, clicked, answer, closes, question] : cases) {
        QWidget window;
        new CorvaneGen7(&window);
        window.show();
        if (typed)
            QTest::keyClicks(window.findChild<QWidget*>(QStringLiteral("RichTextBox1")), QStringLiteral("Giants"));
        if (clicked)
            window.findChild<QPushButton*>(QStringLiteral("Pick3"))->click();
        std::filesystem::remove("typed.txt");
        QString asked;
        QTimer answering;
        QObject::connect(&answering, &QTimer::timeout, [&dir, &asked, reply = answer] {
            QWidget* modal = QApplication::activeModalWidget();
            if (auto* box = qobject_cast<QMessageBox*>(modal)) {
                asked = box->text();
                box->done(reply);
            } else if (auto* files = qobject_cast<QFileDialog*>(modal)) {
                files->selectFile(QString::fromStdString((dir.path() / "typed.txt").string()));
                qobject_cast<QDialog*>(files)->accept();
            }
        });
        answering.start(5);
        EXPECT_EQ(window.close(), closes) << typed << clicked << answer;
        EXPECT_EQ(asked, question) << typed << clicked << answer;
        EXPECT_EQ(readFileBytes("typed.txt").value_or("").rfind(typedWelcome, 0) == 0, answer == QMessageBox::Save)
            << typed << clicked << answer;
    }
}

// The odds boxes' tier tables show every tier whole, and the box fits half
// of a 1280 x 1024 screen, which it has at twice the scale.
TEST(CorvaneGen7Scale, TheOddsDetailsShowEveryTierOnOneLineWithinTheScreen)
{
    QWidget parent;
    const auto box = messageWithDetails(&parent, QStringLiteral("EuroOdds"), QStringLiteral("Euro Millions"),
                                        euroOddsDetails({{50, 5}, {12, 2}}));
    box->show();
    const auto* table = box->findChild<QTableWidget*>();
    for (int row = 0; row < table->rowCount(); ++row)
        for (int column = 0; column < 3; ++column)
            EXPECT_LE(table->fontMetrics().horizontalAdvance(table->item(row, column)->text()),
                      table->columnWidth(column)) << row << "," << column;
    EXPECT_TRUE(box->width() <= 600 && box->height() <= 480) << box->width() << " x " << box->height();
}

// The prompts and the box's text are the click's, tested with it.
TEST(CorvaneGen7, TheLottoOddsBoxKeepsItsTextAndGivesEveryTierAsItsDetails)
{
    TempDirectory dir;
    CorvaneGen7 control;
    Answering answering({{"Biggest Number", "49"}, {"Numbers/Line", "6"}});
    button(control, "AnyLotto")->click();
    EXPECT_EQ(answering.shown.value(2),
              QStringLiteral("Lotto Odds:  Total combinations of 49 taken 6 at a time is : 13,983,816"));
    EXPECT_EQ(answering.details.value(0).section(QLatin1Char('\n'), 0, 1),
              QStringLiteral("6 of 6|1|1 in 13,983,816.00\n5 of 6|258|1 in 54,200.84"));
}
