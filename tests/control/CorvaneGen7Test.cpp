#include "ButtonTable.h"
#include "CorvaneGen7.h"
#include "DialogTesting.h"
#include "TestSupport.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QDir>
#include <QInputDialog>
#include <QFile>
#include <QFileDialog>
#include <QFontMetricsF>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QStyleOptionButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
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

// The screen scale that the environment asks for; the control's scale tests
// also run under QT_FONT_DPI=144 and under QT_SCALE_FACTOR=2.
double environmentScale()
{
    double scale = 1;
    if (qEnvironmentVariableIsSet("QT_SCALE_FACTOR"))
        scale = qEnvironmentVariable("QT_SCALE_FACTOR").toDouble();
    if (qEnvironmentVariableIsSet("QT_FONT_DPI"))
        scale *= qEnvironmentVariable("QT_FONT_DPI").toDouble() / 96;
    return scale;
}

} // namespace

TEST(CorvaneGen7Scale, SurfaceScalesWithTheScreenAndEveryCaptionFitsItsButton)
{
    CorvaneGen7 control;
    control.show();
    const double scale = environmentScale();
    EXPECT_DOUBLE_EQ(control.devicePixelRatioF(), scale);
    // Never smaller than the design surface, 7845 x 6690 twips at 96 dots an inch.
    EXPECT_EQ(control.minimumSize(), QSize(523, 446));
    EXPECT_EQ(control.grab().size(), (QSizeF(523, 446) * scale).toSize());
    for (const ButtonSpec& row : kButtons) {
        auto* button = control.findChild<QPushButton*>(QString::fromLatin1(row.name));
        QStyleOptionButton option;
        option.initFrom(button);
        option.text = button->text();
        const QRect contents = button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
        const QFontMetricsF metrics(button->font(), button);
        EXPECT_LE(metrics.horizontalAdvance(button->text()), contents.width()) << row.name;
        EXPECT_LE(metrics.height(), contents.height()) << row.name;
    }
}

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
    const char* const steps[][2] = {{"Pick7", "Power51"}, {"PowerOdds", "Horses"}, {"Horses", "Roulette"},
                                    {"Roulette", "USBet"},  {"USBet", "EuroCombs"},  {"EuroCombs", "EuroOdds"},
                                    {"EuroOdds", "Open"},   {"Save", "RichTextBox1"}};
    for (const auto& [from, to] : steps)
        EXPECT_EQ(next(from), QLatin1String(to)) << from;
}

TEST(CorvaneGen7, OpensOnAScreenOfReportLinesAndOnlyThePaneGrowsWithTheWindow)
{
    CorvaneGen7 control;
    control.resize(control.sizeHint());
    control.show();
    click(control, "Pick3"); // a scroll bar appears
    auto* pane = control.findChild<QAbstractScrollArea*>(QStringLiteral("RichTextBox1"));
    const QFontMetrics metrics(pane->font());
    EXPECT_GE(pane->viewport()->height(), 30 * metrics.lineSpacing());
    EXPECT_GE(pane->viewport()->width(), 53 * metrics.horizontalAdvance(QLatin1Char('0')));

    const QSize paneBefore = pane->size();
    control.resize(control.size() + QSize(300, 200));
    EXPECT_EQ(pane->size(), paneBefore + QSize(300, 200));
    // The grid moves as one block, centred over the pane.
    for (const ButtonSpec& row : kButtons)
        EXPECT_EQ(control.findChild<QPushButton*>(QString::fromLatin1(row.name))->geometry(),
                  QRect(row.left / 15 + 150, row.top / 15, 81, 20))
            << row.name;
}

// The report's lines themselves are the generator's, tested with it.
TEST(CorvaneGen7, EnterAndSpacePressTheFocusedButtonAndTheReportShowsFromItsTop)
{
    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space}) {
        CorvaneGen7 control;
        control.show();
        auto* button = control.findChild<QPushButton*>(QStringLiteral("Pick3"));
        button->setFocus();
        QTest::keyClick(button, key);
        EXPECT_EQ(paneText(control).size(), 11000u) << key;
        EXPECT_EQ(pane(control)->firstVisibleLine(), 0);
        int caretLine = -1;
        int caretIndex = -1;
        pane(control)->getCursorPosition(&caretLine, &caretIndex);
        EXPECT_EQ(std::pair(caretLine, caretIndex), std::pair(0, 0));
    }
}

TEST(CorvaneGen7, ClosingOverTypedTextAsksToSaveItFirst)
{
    QTemporaryDir dir;
    const QString saved = dir.filePath(QStringLiteral("typed.txt"));
    struct Case {
        bool typed;
        QMessageBox::StandardButton answer;
        bool closes;
    };
    const Case cases[] = {
        {false, QMessageBox::NoButton, true},
        {true, QMessageBox::Cancel, false},
        {true, QMessageBox::Discard, true},
        {true, QMessageBox::Save, true}, // after the file dialog has saved it
    };
    for (const Case& c : cases) {
        QWidget window;
        new CorvaneGen7(&window);
        window.show();
        if (c.typed)
            QTest::keyClicks(window.findChild<QWidget*>(QStringLiteral("RichTextBox1")), QStringLiteral("Giants"));
        QString asked;
        QTimer answer;
        QObject::connect(&answer, &QTimer::timeout, [&] {
            QWidget* modal = QApplication::activeModalWidget();
            if (auto* box = qobject_cast<QMessageBox*>(modal)) {
                asked = box->text();
                if (QAbstractButton* button = box->button(c.answer))
                    button->click();
                else
                    box->reject();
            } else if (auto* files = qobject_cast<QFileDialog*>(modal)) {
                files->selectFile(saved);
                qobject_cast<QDialog*>(files)->accept();
            }
        });
        answer.start(5);
        EXPECT_EQ(window.close(), c.closes) << c.answer;
        EXPECT_EQ(asked.isEmpty(), !c.typed) << c.answer;
    }
    QFile file(saved);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.readAll().startsWith("Giants \xE2\x80\xA2\xE2\x80\xA2 Your combinations"));
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

// The application takes the C library's numeric locale from the environment;
// the window's numbers must not follow it.
TEST(CorvaneGen7, WritesAndRemembersNumbersWithAPointUnderAGermanLocale)
{
    const GermanNumbers german;
    ASSERT_TRUE(german.active()) << "the de_DE.UTF-8 locale is not installed";
    QTemporaryDir dir;
    const QString previous = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(dir.path()));
    CorvaneGen7 control;

    control.findChild<QPushButton*>(QStringLiteral("Roulette"))->click();
    const std::string roulette = paneText(control);
    EXPECT_TRUE(std::regex_search(roulette, std::regex("\n  [0-9]+(\\.[0-9]+)? \\(random seed\\) +\\* Timer:")))
        << roulette.substr(roulette.size() - 100);

    auto answer = [](const QString& text, QString* shown) {
        whenDialogShows([text, shown](QWidget* w) {
            auto* input = qobject_cast<QInputDialog*>(w);
            *shown = input->textValue();
            input->setTextValue(text);
            input->accept();
        });
    };
    QString shown;
    answer(QStringLiteral("8.5"), &shown);
    control.findChild<QPushButton*>(QStringLiteral("Horses"))->click();
    EXPECT_EQ(readFile("Horses.INI"), " 8.5 \r\n");
    answer(QString(), &shown); // an empty answer ends the click
    control.findChild<QPushButton*>(QStringLiteral("Horses"))->click();
    EXPECT_EQ(shown, QStringLiteral(" 8.5"));
    QDir::setCurrent(previous);
}

TEST(CorvaneGen7, TheLottoOddsBoxKeepsItsTextAndGivesEveryTierAsItsDetails)
{
    TempDirectory dir;
    CorvaneGen7 control;
    Answering answering({{QStringLiteral("Biggest Number"), QStringLiteral("49")},
                         {QStringLiteral("Numbers/Line"), QStringLiteral("6")}});
    click(control, "AnyLotto");
    const QStringList shown = {"Biggest Number", "Numbers/Line",
                               "Lotto Odds:  Total combinations of 49 taken 6 at a time is : 13,983,816"};
    EXPECT_EQ(answering.shown, shown);
    ASSERT_EQ(answering.details.size(), 1);
    const QString& details = answering.details[0];
    EXPECT_TRUE(details.startsWith(QStringLiteral("6 of 6: 1 combination, 1 in 13,983,816.00\n")))
        << details.toStdString();
    EXPECT_TRUE(details.contains(QStringLiteral("\n3 of 6: 246,820 combinations, 1 in 56.66\n")));
}
