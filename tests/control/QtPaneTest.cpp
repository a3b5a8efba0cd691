#include "PaneCommands.h"
#include "QtPane.h"
#include "TestSupport.h"

#include <QApplication>
#include <QFontInfo>
#include <QMenu>
#include <QTest>
#include <Qsci/qsciscintilla.h>

#include <gtest/gtest.h>

namespace {

using Sci = QsciScintillaBase;

class QtPaneTest : public ::testing::Test {
protected:
    long send(unsigned int message, unsigned long a = 0, long b = 0)
    {
        return editor().SendScintilla(message, a, b);
    }
    QsciScintilla& editor() { return *static_cast<QsciScintilla*>(pane.widget()); }
    void select(long start, long end) { send(Sci::SCI_SETSEL, static_cast<unsigned long>(start), end); }
    void caretAt(long position) { select(position, position); }
    std::string fontAt(long position)
    {
        char name[128] = {};
        editor().SendScintilla(Sci::SCI_STYLEGETFONT, static_cast<unsigned long>(send(Sci::SCI_GETSTYLEAT, position)),
                               static_cast<void*>(name));
        return name;
    }
    long styleAttribute(unsigned int message, long position)
    {
        return send(message, static_cast<unsigned long>(send(Sci::SCI_GETSTYLEAT, position)));
    }
    bool struckOut(long position) { return send(Sci::SCI_INDICATORVALUEAT, 8, position) != 0; }

    QWidget window;
    QtPane pane{&window};
};

} // namespace

TEST_F(QtPaneTest, GivesBackExactlyTheTextItWasGiven)
{
    const std::string texts[] = {
        " 3  7  0 \r\n 1  2  3 \r\n",
        "You can edit files in this option.\nWhen done editing.\n",
        "no end",
        "mixed\r\nends\nand\rlone CR\r\n\r\n",
        "\r\n",
        "",
        " \u2022\u2022 bullets \u00e9\r\n",
        "\xEF\xBB\xBF" "bom, \u2029 paragraph, \uFDD0\uFDD1 non-characters\n",
        std::string("nul\0byte\r\n", 11),
    };
    for (const std::string& text : texts) {
        pane.setText(text);
        EXPECT_EQ(pane.text(), text);
        pane.setText("");
        pane.setSelectionText(text);
        EXPECT_EQ(pane.text(), text);
    }
}

TEST_F(QtPaneTest, TextGoesInAtTheCaretOrOverTheSelectionKeepingTheLineEndsAround)
{
    pane.setText("ab\r\ncd\n");
    caretAt(1);
    pane.setSelectionText("X\r\nY");
    EXPECT_EQ(pane.text(), "aX\r\nYb\r\ncd\n");
    select(4, 10);
    EXPECT_EQ(pane.selectionLength(), 6);
    EXPECT_EQ(pane.selectedText(), "Yb\r\ncd");
    pane.setSelectionText("-");
    EXPECT_EQ(pane.text(), "aX\r\n-\n");
}

TEST_F(QtPaneTest, ALineTheUserAddsTakesTheEndOfTheLineItWasSplitFrom)
{
    pane.setText(" 1 \r\n 2 \r\n");
    caretAt(2);
    QTest::keyClick(pane.widget(), Qt::Key_Return);
    EXPECT_EQ(pane.text(), " 1\r\n \r\n 2 \r\n");

    pane.setText("help\n");
    caretAt(5);
    QTest::keyClicks(pane.widget(), "more");
    QTest::keyClick(pane.widget(), Qt::Key_Return);
    EXPECT_EQ(pane.text(), "help\nmore\n");
    // On the last line, which has no end of its own, the line before counts.
    pane.setText(" 1 \r\n");
    caretAt(5);
    QTest::keyClick(pane.widget(), Qt::Key_Return);
    EXPECT_EQ(pane.text(), " 1 \r\n\r\n");
}

TEST_F(QtPaneTest, GeneratedTextShowsFromItsFirstLineInBoldCourierTen)
{
    window.resize(400, 300);
    pane.widget()->resize(400, 300);
    std::string report;
    for (int line = 0; line < 1000; ++line)
        report += " 1  2  3 \r\n";
    pane.setText("");
    pane.setSelectionFontName("Courier");
    pane.setSelectionFontSize(10);
    pane.setFontBold(true);
    pane.setSelectionText(report);
    EXPECT_EQ(send(Sci::SCI_GETFIRSTVISIBLELINE), 0);
    EXPECT_EQ(send(Sci::SCI_GETCURRENTPOS), 0);
    EXPECT_EQ(send(Sci::SCI_GETANCHOR), 0);
    for (long position : {1L, 10990L}) {
        EXPECT_EQ(fontAt(position), "Courier");
        EXPECT_EQ(styleAttribute(Sci::SCI_STYLEGETSIZEFRACTIONAL, position), 1000);
        EXPECT_EQ(styleAttribute(Sci::SCI_STYLEGETBOLD, position), 1);
    }
    EXPECT_TRUE(QFontInfo(QFont(QStringLiteral("Courier"))).fixedPitch());

    pane.setFontBold(false); // as U.S. Bet does
    EXPECT_EQ(styleAttribute(Sci::SCI_STYLEGETBOLD, 1), 0);
}

TEST_F(QtPaneTest, LongLinesKeepTheirFormatAcrossTheirWords)
{
    std::string line;
    for (int game = 0; game < 1000; ++game)
        line += game % 2 ? "Vikings   " : "Giants    ";
    pane.setText("");
    pane.setSelectionFontName("Courier");
    pane.setSelectionText(line + "\r\n" + line + "\r\n");
    for (long position : {0L, 15L, 5005L, 10020L})
        EXPECT_EQ(fontAt(position), "Courier") << position;
    EXPECT_NE(send(Sci::SCI_GETSTYLEAT, 0), send(Sci::SCI_GETSTYLEAT, 15)); // measured in pieces

    select(10, 30);
    pane.applyToSelection({"DejaVu Sans", 12, false, true, false, false, 0x0000FF});
    for (long position : {10L, 25L})
        EXPECT_EQ(fontAt(position), "DejaVu Sans") << position;
    EXPECT_EQ(fontAt(35), "Courier");
}

TEST_F(QtPaneTest, FontChoicesGoToTheSelectionWithColourOrToThePaneWithout)
{
    pane.setText("abc\r\n");
    select(0, 2);
    FontChoice choice{"DejaVu Sans", 14, false, true, true, true, 0xFF0000};
    pane.applyToSelection(choice);
    EXPECT_EQ(fontAt(1), "DejaVu Sans");
    EXPECT_EQ(styleAttribute(Sci::SCI_STYLEGETSIZEFRACTIONAL, 1), 1400);
    EXPECT_EQ(styleAttribute(Sci::SCI_STYLEGETITALIC, 1), 1);
    EXPECT_EQ(styleAttribute(Sci::SCI_STYLEGETUNDERLINE, 1), 1);
    EXPECT_EQ(styleAttribute(Sci::SCI_STYLEGETFORE, 1), 0x0000FF); // the editor's colours are BGR
    EXPECT_TRUE(struckOut(1));
    EXPECT_EQ(styleAttribute(Sci::SCI_STYLEGETITALIC, 2), 0);
    EXPECT_FALSE(struckOut(2));

    choice = {"Liberation Serif", 11, true, false, false, true, 0x00FF00};
    caretAt(0);
    pane.applyToPane(choice);
    for (long position : {1L, 2L}) {
        EXPECT_EQ(fontAt(position), "Liberation Serif");
        EXPECT_EQ(styleAttribute(Sci::SCI_STYLEGETBOLD, position), 1);
        EXPECT_EQ(styleAttribute(Sci::SCI_STYLEGETUNDERLINE, position), 1);
        EXPECT_FALSE(struckOut(position));
    }
    EXPECT_EQ(styleAttribute(Sci::SCI_STYLEGETFORE, 1), 0x0000FF);
    EXPECT_EQ(styleAttribute(Sci::SCI_STYLEGETFORE, 2), 0);
    EXPECT_EQ(pane.text(), "abc\r\n");

    // A change of one attribute leaves each stretch's others as they were.
    select(0, 1);
    pane.setSelectionFontSize(14);
    select(0, 3);
    pane.setSelectionFontName("DejaVu Sans");
    EXPECT_EQ(styleAttribute(Sci::SCI_STYLEGETSIZEFRACTIONAL, 0), 1400);
    EXPECT_NE(styleAttribute(Sci::SCI_STYLEGETSIZEFRACTIONAL, 1), 1400);
    EXPECT_EQ(fontAt(1), "DejaVu Sans");
}

TEST_F(QtPaneTest, UndoTakesBackTheUsersEditsThenWhatACommandReplaced)
{
    pane.setText("");
    QTest::keyClicks(pane.widget(), "my notes");
    EXPECT_TRUE(pane.hasUnsavedEdits());
    pane.setText("");
    pane.setSelectionText(" 1  2  3 \r\n");
    EXPECT_FALSE(pane.hasUnsavedEdits());
    caretAt(0);
    QTest::keyClick(pane.widget(), Qt::Key_X);
    QTest::keyClick(pane.widget(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(pane.text(), " 1  2  3 \r\n");
    QTest::keyClick(pane.widget(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(pane.text(), "my notes");
    EXPECT_TRUE(pane.hasUnsavedEdits());
    // Edits after the way back undo as usual, down to the first typing.
    QTest::keyClicks(pane.widget(), "!");
    QTest::keyClick(pane.widget(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(pane.text(), "my notes");
    QTest::keyClick(pane.widget(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(pane.text(), "");

    // A help text is not a step of its own: back past it to the report,
    // which comes back in its own font.
    pane.setText("");
    pane.setSelectionFontName("Courier");
    pane.setSelectionText("report\r\n");
    pane.setText("");
    pane.setText("help\n");
    pane.setText("");
    pane.setSelectionText("next report\r\n");
    // The edit menu's Undo goes the same way back.
    const std::unique_ptr<QMenu> menu(pane.createStandardContextMenu());
    QAction* undo = menu->actions().first();
    EXPECT_TRUE(undo->isEnabled());
    undo->trigger();
    EXPECT_EQ(pane.text(), "report\r\n");
    EXPECT_EQ(fontAt(0), "Courier");
    EXPECT_FALSE(std::unique_ptr<QMenu>(pane.createStandardContextMenu())->actions().first()->isEnabled());
}

TEST_F(QtPaneTest, SelectLineSelectsTheWholeLineCountedFromOne)
{
    pane.setText("first\r\nsecond\nthird");
    const struct {
        int line;
        const char* selected;
    } cases[] = {{2, "second"}, {1, "first"}, {3, "third"}, {0, "third"}, {4, "third"}};
    for (const auto& row : cases) {
        pane.selectLine(row.line);
        EXPECT_EQ(pane.selectedText(), row.selected) << row.line;
    }
}

TEST_F(QtPaneTest, OpenThenSaveKeepsEveryByteOfAUtf8FileAndReadsOthersAsLatin1)
{
    const struct {
        std::string file;
        std::string saved;
    } cases[] = {
        {"\xEF\xBB\xBF" "Giants, Vikings\r\nK\u00f6ln \u2029 \uFDD0\uFDD1\nlast", ""},
        {"Rams, 49ers\r\nJets\rDolphins\n", ""},
        {"caf\xE9, na\xEFve\r\n", "caf\u00e9, na\u00efve\r\n"},
    };
    TempDirectory dir;
    for (const auto& row : cases) {
        writeFile("in.txt", row.file);
        ScriptedDialogs dialogs({"in.txt", "out.txt"}, std::cerr);
        RandomSource random;
        FixedClock clock(0, {1, 1, 2026});
        ClickContext click{pane, dialogs, random, clock, 1.0};
        Open_Click(click);
        EXPECT_EQ(send(Sci::SCI_GETCURRENTPOS), 0);
        QTest::keyClicks(pane.widget(), "x");
        QTest::keyClick(pane.widget(), Qt::Key_Backspace);
        EXPECT_TRUE(pane.hasUnsavedEdits());
        Save_Click(click);
        EXPECT_FALSE(pane.hasUnsavedEdits());
        EXPECT_EQ(readFile("out.txt"), row.saved.empty() ? row.file : row.saved);
    }
}
