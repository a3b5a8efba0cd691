#include "DialogTesting.h"
#include "QtDialogs.h"
#include "QtPane.h"

#include <QApplication>
#include <QFileDialog>
#include <QFontDialog>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>
#include <QSizeGrip>
#include <QTemporaryDir>
#include <Qsci/qsciscintillabase.h>

#include <gtest/gtest.h>

namespace {

std::string pdfText(const QString& file)
{
    QProcess process;
    process.start(QStringLiteral("pdftotext"), {file, QStringLiteral("-")});
    process.waitForFinished(10000);
    return process.readAllStandardOutput().toStdString();
}

} // namespace

TEST(QtDialogs, PromptShowsTitleTextAndDefaultAndCancelGivesEmpty)
{
    QWidget parent;
    QtDialogs dialogs(&parent);
    QString title;
    QString label;
    whenDialogShows([&](QWidget* w) {
        auto* input = qobject_cast<QInputDialog*>(w);
        ASSERT_NE(input, nullptr);
        title = input->windowTitle();
        label = input->labelText();
        EXPECT_EQ(input->textValue(), QStringLiteral(" 8"));
        input->setTextValue(QStringLiteral("12"));
        input->accept();
    });
    EXPECT_EQ(dialogs.prompt("How many horses?", "Number of Horses in The Race", " 8"), "12");
    EXPECT_EQ(title, QStringLiteral("Number of Horses in The Race"));
    EXPECT_EQ(label, QStringLiteral("How many horses?"));

    whenDialogShows([](QWidget* w) { qobject_cast<QDialog*>(w)->reject(); });
    EXPECT_EQ(dialogs.prompt("How many horses?", "Number of Horses in The Race", " 8"), "");
}

TEST(QtDialogs, FileDialogsSuggestTheNameAndOfferEveryFile)
{
    QTemporaryDir dir;
    QWidget parent;
    QtDialogs dialogs(&parent);
    const QString chosen = dir.filePath(QStringLiteral("Corvane.Gen"));
    whenDialogShows([&](QWidget* w) {
        auto* files = qobject_cast<QFileDialog*>(w);
        ASSERT_NE(files, nullptr);
        EXPECT_EQ(files->windowTitle(), QStringLiteral("Save Combinations"));
        EXPECT_TRUE(files->nameFilters().first().endsWith(QStringLiteral("(*)")));
        EXPECT_EQ(files->acceptMode(), QFileDialog::AcceptSave);
        files->selectFile(chosen);
        qobject_cast<QDialog*>(files)->accept();
    });
    const auto saved = dialogs.saveFile({"Save Combinations", "Corvane.Gen"});
    ASSERT_TRUE(saved.has_value());
    EXPECT_EQ(QString::fromStdString(*saved), chosen);

    whenDialogShows([](QWidget* w) {
        auto* files = qobject_cast<QFileDialog*>(w);
        EXPECT_EQ(files->fileMode(), QFileDialog::ExistingFile);
        files->reject();
    });
    EXPECT_FALSE(dialogs.openFile({"Open File", "GAMES.5", "All (*.*)|*.*", true}).has_value());
}

TEST(QtDialogs, FontDialogOpensOnTheGivenFontAndReturnsTheChoiceWithItsColour)
{
    QWidget parent;
    QtDialogs dialogs(&parent);
    whenDialogShows([](QWidget* w) {
        auto* fonts = w->findChild<QFontDialog*>();
        ASSERT_NE(fonts, nullptr);
        for (const QSizeGrip* grip : w->findChildren<QSizeGrip*>())
            EXPECT_FALSE(grip->isVisible());
        EXPECT_EQ(fonts->currentFont().pointSizeF(), 10);
        EXPECT_EQ(fonts->currentFont().family(), QFontInfo(QFont(QStringLiteral("Courier New"))).family());
        QFont chosen(QStringLiteral("DejaVu Sans"));
        chosen.setPointSize(14);
        chosen.setItalic(true);
        chosen.setUnderline(true);
        fonts->setCurrentFont(chosen);
        qobject_cast<QDialog*>(w)->accept();
    });
    const auto choice = dialogs.chooseFont(FontChoice{"Courier New", 10, false, false, false, false, 0x123456});
    ASSERT_TRUE(choice.has_value());
    EXPECT_EQ(choice->name, "DejaVu Sans");
    EXPECT_EQ(choice->size, 14);
    EXPECT_TRUE(choice->italic);
    EXPECT_TRUE(choice->underline);
    EXPECT_FALSE(choice->strikethrough);
    EXPECT_EQ(choice->colour, 0x123456u);

    whenDialogShows([](QWidget* w) { qobject_cast<QDialog*>(w)->reject(); });
    EXPECT_FALSE(dialogs.chooseFont(FontChoice{}).has_value());
}

TEST(QtDialogs, PrintsOnlyTheSelectionToTheNamedPdfFileAndSaysWhereItWent)
{
    QTemporaryDir dir;
    QWidget parent;
    QtPane pane(&parent);
    QtDialogs dialogs(&parent);
    pane.setText("first line\r\nsecond line\r\n");
    static_cast<QsciScintillaBase*>(pane.widget())->SendScintilla(QsciScintillaBase::SCI_SETSEL, 12UL, 23L);

    const QString pdf = dir.filePath(QStringLiteral("out.pdf"));
    bool startedOnSelection = false;
    QString told;
    whenDialogShows([&](QWidget* w) {
        auto* print = qobject_cast<QPrintDialog*>(w);
        ASSERT_NE(print, nullptr);
        startedOnSelection = print->printRange() == QAbstractPrintDialog::Selection;
        auto* fileName = print->findChild<QLineEdit*>(QStringLiteral("filename"));
        ASSERT_NE(fileName, nullptr);
        EXPECT_TRUE(fileName->text().endsWith(QStringLiteral("Corvane.pdf")));
        fileName->setText(pdf);
        print->accept();
        whenDialogShows([&](QWidget* box) {
            told = qobject_cast<QMessageBox*>(box)->text();
            qobject_cast<QDialog*>(box)->accept();
        });
    });
    const PrintOutcome outcome = dialogs.printPane(pane);
    EXPECT_TRUE(startedOnSelection);
    EXPECT_EQ(told, "The text was printed to \"" + QDir::toNativeSeparators(pdf) + "\".");
    ASSERT_EQ(outcome.kind, PrintOutcome::Kind::Printed) << outcome.detail;
    const std::string printed = pdfText(pdf);
    EXPECT_NE(printed.find("second line"), std::string::npos) << printed;
    EXPECT_EQ(printed.find("first line"), std::string::npos) << printed;
}
