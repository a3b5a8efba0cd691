#include "QtPane.h"

#include <QApplication>
#include <QTextCursor>
#include <QTextEdit>
#include <QTest>

#include <gtest/gtest.h>

namespace {

class QtPaneTest : public ::testing::Test {
protected:
    QTextEdit edit;
    QtPane pane{&edit};
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
    };
    for (const std::string& text : texts) {
        pane.setText(text);
        EXPECT_EQ(pane.text(), text);
        pane.setText("");
        pane.setSelectionText(text);
        EXPECT_EQ(pane.text(), text);
    }
}

TEST_F(QtPaneTest, InsertingAtTheCaretKeepsTheLineEndsAround)
{
    pane.setText("ab\r\ncd\n");
    QTextCursor cursor = edit.textCursor();
    cursor.setPosition(1);
    edit.setTextCursor(cursor);
    pane.setSelectionText("X\r\nY");
    EXPECT_EQ(pane.text(), "aX\r\nYb\r\ncd\n");
}

TEST_F(QtPaneTest, SelectionIsReplacedAndReadWithItsLineEnds)
{
    pane.setText("one\r\ntwo\r\nthree\n");
    QTextCursor cursor = edit.textCursor();
    cursor.setPosition(1);
    cursor.setPosition(6, QTextCursor::KeepAnchor); // "ne\r\ntw"
    edit.setTextCursor(cursor);
    EXPECT_EQ(pane.selectionLength(), 5);
    EXPECT_EQ(pane.selectedText(), "ne\r\ntw");
    pane.setSelectionText("-");
    EXPECT_EQ(pane.text(), "o-o\r\nthree\n");
}

TEST_F(QtPaneTest, ALineTheUserAddsTakesTheEndOfTheLineItWasSplitFrom)
{
    pane.setText(" 1 \r\n 2 \r\n");
    edit.setFocus();
    QTextCursor cursor = edit.textCursor();
    cursor.setPosition(2);
    edit.setTextCursor(cursor);
    QTest::keyClick(&edit, Qt::Key_Return);
    EXPECT_EQ(pane.text(), " 1\r\n \r\n 2 \r\n");

    pane.setText("help\n");
    cursor = edit.textCursor();
    cursor.movePosition(QTextCursor::End);
    edit.setTextCursor(cursor);
    QTest::keyClicks(&edit, "more");
    QTest::keyClick(&edit, Qt::Key_Return);
    EXPECT_EQ(pane.text(), "help\nmore\n");
}

TEST_F(QtPaneTest, GeneratedTextShowsInBoldCourierTen)
{
    pane.setText("");
    pane.setSelectionFontName("Courier");
    pane.setSelectionFontSize(10);
    pane.setFontBold(true);
    pane.setSelectionText(" 1 \r\n");
    QTextCursor cursor(edit.document());
    cursor.setPosition(1);
    // What shows: the character's own format over the document's font.
    const QFont font = cursor.charFormat().font().resolve(edit.document()->defaultFont());
    EXPECT_EQ(font.family(), QStringLiteral("Courier"));
    EXPECT_EQ(font.pointSizeF(), 10);
    EXPECT_TRUE(font.bold());
    EXPECT_TRUE(QFontInfo(font).fixedPitch());
}

TEST_F(QtPaneTest, FontChoicesGoToTheSelectionWithColourOrToThePaneWithout)
{
    pane.setText("abc\r\n");
    QTextCursor cursor = edit.textCursor();
    cursor.setPosition(0);
    cursor.setPosition(2, QTextCursor::KeepAnchor);
    edit.setTextCursor(cursor);
    FontChoice choice{"DejaVu Sans", 14, false, true, true, true, 0xFF0000};
    pane.applyToSelection(choice);
    QTextCursor probe(edit.document());
    probe.setPosition(1);
    EXPECT_TRUE(probe.charFormat().fontItalic());
    EXPECT_EQ(probe.charFormat().foreground().color(), QColor(255, 0, 0));
    probe.setPosition(3);
    EXPECT_FALSE(probe.charFormat().fontItalic());

    choice.colour = 0x00FF00;
    pane.applyToPane(choice);
    probe.setPosition(3);
    EXPECT_TRUE(probe.charFormat().fontUnderline());
    EXPECT_NE(probe.charFormat().foreground().color(), QColor(0, 255, 0));
    EXPECT_EQ(pane.text(), "abc\r\n");
}
