// SPDX-License-Identifier: GPL-3.0-or-later
#include "QtPrinting.h"
#include "DetailsTable.h"
#include "DialogTesting.h"
#include "QtDialogs.h"
#include "QtPane.h"

#include <QFileDialog>
#include <QFontDialog>
#include <QLineEdit>
#include <QPrintDialog>
#include <QProcess>
#include <QSizeGrip>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <sys/stat.h>

#include <tuple>

struct QtDialogsTest : ::testing::Test {
    QWidget parent;
    QtDialogs dialogs{&parent};
};

// A tier line fills the three columns; a line of another shape stands
// across the whole table.
TEST(DetailsTable, PutsTiersInColumnsAndOtherLinesAcrossTheTable)
{
    const auto box = messageWithDetails(nullptr, QStringLiteral("Lotto Odds"), QStringLiteral("text"),
                                        "6 of 6: 1 combinations, 1 in 13,983,816\nBonus tiers follow\n"
                                        "A note, not a tier: 3 combinations");
    const auto* table = box->findChild<QTableWidget*>(QStringLiteral("details"));
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(tableText(table),
              QStringLiteral("6 of 6|1|1 in 13,983,816\nBonus tiers follow\nA note, not a tier: 3 combinations"));
    EXPECT_EQ(table->columnSpan(0, 0), 1);
    EXPECT_EQ(table->columnSpan(1, 0), 3);
    EXPECT_EQ(table->columnSpan(2, 0), 3); // its comma stands before its colon

    // A wheel's chances hold no tier: they stand as their own lines, each whole.
    const std::string chances = "Game: 6 of 49\nPer prize: the chance that a ticket wins it\n6 of 6: 1.073E-06, 1.073E-06";
    const auto wheel = messageWithDetails(nullptr, QStringLiteral("Wheel Numbers"), QStringLiteral("text"), chances);
    EXPECT_EQ(wheel->findChild<QTableWidget*>(QStringLiteral("details")), nullptr);
    const auto* lines = wheel->findChild<QPlainTextEdit*>(QStringLiteral("details"));
    ASSERT_NE(lines, nullptr);
    EXPECT_EQ(lines->toPlainText().toStdString(), chances);
    const QString longest = lines->toPlainText().section(QLatin1Char('\n'), 1, 1);
    EXPECT_GT(lines->minimumWidth(), QFontMetrics(lines->font()).horizontalAdvance(longest));

    // Lines wider than the screen scroll, and the box still fits the screen.
    std::string wide;
    for (int word = 0; word < 500; ++word)
        wide += "chance ";
    const auto tooWide = messageWithDetails(nullptr, QStringLiteral("Wheel Numbers"), QString::fromStdString(wide), wide);
    const QSize screen = tooWide->screen()->availableGeometry().size();
    EXPECT_LE(tooWide->minimumSizeHint().width(), screen.width());
}

// A wheel's message, long lines that wrap above its chances, shows every
// line of it at any scale of the screen, the box no wider than the screen.
TEST(CorvaneGen7Scale, AMessageWhoseLinesWrapShowsThemAllAboveItsDetails)
{
    std::string message = "15 tickets of 6 numbers wheel the 12 numbers 1-12, 3 if 3.\nProven: whenever 3 of the drawn"
                          " numbers are among the pool's 12, a ticket holds at least 3 of them. Every 3-set of the pool"
                          " was checked.\n\nChance of each prize in one draw of 6 of 49, with these 15 tickets and"
                          " with as many random ones:";
    std::string details = "Game: 6 of 49\nPer prize: the chance that a ticket wins it, with these tickets and with as"
                          " many random ones; the winning tickets expected, the same for any tickets";
    for (int prize = 6; prize >= 0; --prize) {
        message += "\n" + std::to_string(prize) + " of 6: 0.0002745 (random tickets 0.0002767)";
        details += "\n" + std::to_string(prize) + " of 6: 0.0002745, 0.0002767; 0.0002767";
    }
    for (int drawn = 6; drawn >= 0; --drawn)
        details += "\n" + std::to_string(drawn) + ": 0.002096";
    const auto box = messageWithDetails(nullptr, QStringLiteral("Wheel Numbers"), QString::fromStdString(message), details);
    box->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(box.get()));
    const auto* label = box->findChild<QLabel*>(QStringLiteral("text"));
    EXPECT_GE(label->height(), label->heightForWidth(label->width()));
    EXPECT_LE(box->width(), box->screen()->availableGeometry().width());
}

TEST_F(QtDialogsTest, PromptShowsTitleTextAndDefaultAndCancelGivesEmpty)
{
    QString shown;
    whenDialogShows<QInputDialog>([&](QInputDialog* input) {
        shown = input->windowTitle() + "|" + input->labelText() + "|" + input->textValue();
        input->setTextValue(QStringLiteral("12"));
        input->accept();
    });
    EXPECT_EQ(dialogs.prompt("How many horses?", "Number of Horses in The Race", " 8"), "12");
    EXPECT_EQ(shown, QStringLiteral("Number of Horses in The Race|How many horses?| 8"));

    whenDialogShows([](QWidget* w) { qobject_cast<QDialog*>(w)->reject(); });
    EXPECT_EQ(dialogs.prompt("How many horses?", "Number of Horses in The Race", " 8"), "");
}

TEST_F(QtDialogsTest, FileDialogsSuggestTheNameAndOfferEveryFile)
{
    QTemporaryDir dir;
    const QString chosen = dir.filePath(QStringLiteral("Corvane.Gen"));
    whenDialogShows<QFileDialog>([&](QFileDialog* files) {
        EXPECT_EQ(files->windowTitle(), QStringLiteral("Save Combinations"));
        EXPECT_EQ(files->nameFilters().join(QLatin1Char('|')).toStdString(), "All files (*)");
        EXPECT_EQ(files->acceptMode(), QFileDialog::AcceptSave);
        EXPECT_TRUE(files->selectedFiles().value(0).endsWith(QStringLiteral("/Corvane.Gen")));
        files->selectFile(chosen);
        qobject_cast<QDialog*>(files)->accept();
    });
    EXPECT_EQ(dialogs.saveFile({"Save Combinations", "Corvane.Gen"}), chosen.toStdString());

    whenDialogShows<QFileDialog>([](QFileDialog* files) {
        EXPECT_EQ(files->acceptMode(), QFileDialog::AcceptOpen);
        EXPECT_EQ(files->fileMode(), QFileDialog::ExistingFile);
        files->reject();
    });
    EXPECT_FALSE(dialogs.openFile({"Open File", "GAMES.5", "All (*.*)|*.*", true}).has_value());
}

TEST_F(QtDialogsTest, FontDialogOpensOnTheGivenFontAndReturnsTheChoiceWithItsColour)
{
    whenDialogShows([](QWidget* w) {
        auto* fonts = w->findChild<QFontDialog*>();
        ASSERT_NE(fonts, nullptr);
        for (const QSizeGrip* grip : w->findChildren<QSizeGrip*>())
            EXPECT_FALSE(grip->isVisible());
        EXPECT_EQ(fonts->currentFont().pointSizeF(), 10);
        EXPECT_EQ(fonts->currentFont().family(), QFontInfo(QFont(QStringLiteral("Courier New"))).family());
        QFont chosen(QStringLiteral("DejaVu Sans"), 14, QFont::Normal, true);
        chosen.setUnderline(true);
        fonts->setCurrentFont(chosen);
        qobject_cast<QDialog*>(w)->accept();
    });
    const auto choice = dialogs.chooseFont(FontChoice{"Courier New", 10, false, false, false, false, 0x123456});
    ASSERT_TRUE(choice.has_value());
    EXPECT_EQ(std::tie(choice->name, choice->size, choice->bold, choice->italic, choice->strikethrough,
                       choice->underline, choice->colour),
              std::make_tuple(std::string("DejaVu Sans"), 14.0, false, true, false, true, 0x123456u));

    whenDialogShows([](QWidget* w) { qobject_cast<QDialog*>(w)->reject(); });
    EXPECT_FALSE(dialogs.chooseFont(FontChoice{}).has_value());

    // It opens on the weight and slant of the text the choice will change.
    dialogs.textLook = [] { return FontChoice{"Courier", 10, true, false, false, false, 0}; };
    QFont opened;
    whenDialogShows([&opened](QWidget* w) {
        opened = w->findChild<QFontDialog*>()->currentFont();
        qobject_cast<QDialog*>(w)->reject();
    });
    dialogs.chooseFont(FontChoice{"Courier New", 10});
    EXPECT_EQ(std::make_tuple(opened.bold(), opened.italic(), opened.pointSizeF()), std::make_tuple(true, false, 10.0));
}

TEST_F(QtDialogsTest, PrintsOnlyTheSelectionToTheNamedPdfFileAndSaysWhereItWent)
{
    QTemporaryDir dir;
    QtPane pane(&parent);
    pane.setText("Giants\r\nVikings\r\n"); // words the printer sets without ligatures
    pane.selectLine(2);
    const QString pdf = dir.filePath(QStringLiteral("out.pdf"));
    whenDialogShows<QPrintDialog>([&](QPrintDialog* print) {
        EXPECT_EQ(print->printRange(), QAbstractPrintDialog::Selection);
        auto* fileName = print->findChild<QLineEdit*>(QStringLiteral("filename"));
        ASSERT_NE(fileName, nullptr);
        EXPECT_TRUE(fileName->text().endsWith(QStringLiteral("/Corvane.pdf")));
        fileName->setText(pdf);
        print->accept();
    });
    Answering answering;
    const PrintOutcome outcome = dialogs.printPane(pane);
    EXPECT_EQ(answering.shown,
              QStringList("Print: The text was printed to \"" + QDir::toNativeSeparators(pdf) + "\"."));
    ASSERT_EQ(outcome.kind, PrintOutcome::Kind::Printed) << outcome.detail;
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
    pdftotext.waitForFinished(10000);
    EXPECT_EQ(pdftotext.readAllStandardOutput().trimmed(), "Vikings");

    // A file that cannot be made is an error, not a print; a pipe of that
    // name holds nothing up.
    const std::string pipe = dir.filePath(QStringLiteral("pipe.pdf")).toStdString();
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    const std::pair<std::string, std::string> refused[] = {
        {"/proc/Corvane.pdf", "\"/proc/Corvane.pdf\": " + std::string(std::strerror(ENOENT))},
        {pipe, "\"" + pipe + "\": it is a named pipe, not a regular file"},
    };
    for (const auto& [file, detail] : refused) {
        whenDialogShows([file = file](QWidget* w) {
            w->findChild<QLineEdit*>(QStringLiteral("filename"))->setText(QString::fromStdString(file));
            qobject_cast<QDialog*>(w)->accept();
        });
        const PrintOutcome failed = dialogs.printPane(pane);
        EXPECT_EQ(failed.kind, PrintOutcome::Kind::Failed);
        EXPECT_EQ(failed.detail, detail);
    }
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot),
              QStringList({"out.pdf", "pipe.pdf"}));
}
