// SPDX-License-Identifier: GPL-3.0-or-later
#include "PaneCommands.h"
#include "QtPrinting.h"
#include "QtPane.h"
#include "TestSupport.h"

#include <QClipboard>
#include <QColor>
#include <QGuiApplication>
#include <QProgressDialog>
#include <QTest>
#include <Qsci/qsciscintilla.h>

#include <gtest/gtest.h>

#include <tuple>
#include <utility>

namespace {

using Sci = QsciScintillaBase;

class QtPaneTest : public ::testing::Test {
protected:
    long send(unsigned int message, unsigned long a = 0, long b = 0)
    {
        return static_cast<Sci*>(pane.widget())->SendScintilla(message, a, b);
    }
    void select(long start, long end) { send(Sci::SCI_SETSEL, static_cast<unsigned long>(start), end); }
    // The look of the character at `position`: font, size in hundredths of
    // a point, the attributes that are on, colour as #RRGGBB.
    std::string formatAt(unsigned long position)
    {
        // The editor gives a style above 127 as a negative char.
        const auto style = static_cast<unsigned long>(send(Sci::SCI_GETSTYLEAT, position) & 0xFF);
        char name[128] = {};
        static_cast<Sci*>(pane.widget())->SendScintilla(Sci::SCI_STYLEGETFONT, style, static_cast<void*>(name));
        const auto bgr = static_cast<int>(send(Sci::SCI_STYLEGETFORE, style)); // the editor's colours are BGR
        return std::string(name) + " " + std::to_string(send(Sci::SCI_STYLEGETSIZEFRACTIONAL, style))
            + (send(Sci::SCI_STYLEGETBOLD, style) ? " bold" : "")
            + (send(Sci::SCI_STYLEGETITALIC, style) ? " italic" : "")
            + (send(Sci::SCI_STYLEGETUNDERLINE, style) ? " underline" : "")
            + (send(Sci::SCI_INDICATORVALUEAT, 8, static_cast<long>(position)) ? " struck" : "") + " "
            + QColor(bgr & 0xFF, bgr >> 8 & 0xFF, bgr >> 16 & 0xFF).name().toStdString();
    }

    QWidget window;
    QtPane pane{&window};
};

} // namespace

// Open reads a file in at the caret of the emptied pane; Save writes what the
// pane gives back.
TEST_F(QtPaneTest, OpenThenSaveKeepEveryByteOfAFile)
{
    const std::string texts[] = {
        "mixed\r\nends\nand\rlone CR\r\n\r\nno end",
        "",
        "\xEF\xBB\xBF" "bom, K\u00f6ln \u2022 \u2029 paragraph, \uFDD0\uFDD1 non-characters\n",
        std::string("nul\0byte\r\n", 11),
        "K\xf6ln \x80 5\r\n",                                          // Windows-1252
        "K\u00f6ln Caf\u00e9 \u20ac \u2026 \x96 \xee\xbe\x96 end\r\n", // UTF-8, a stray byte
    };
    TempDirectory dir;
    for (const std::string& text : texts) {
        writeFile("in.txt", text);
        ScriptedClick script({"in.txt", "out.txt"});
        ClickContext click{pane, script.dialogs, script.random, script.clock, 1.0};
        Open_Click(click);
        Save_Click(click);
        EXPECT_EQ(readFile("out.txt"), text);
    }
    // A stray byte shows as the engine shows a byte that fits no character.
    pane.widget()->grab();
    char shown[8] = {};
    static_cast<Sci*>(pane.widget())->SendScintilla(Sci::SCI_GETREPRESENTATION, standInFor(0x96).c_str(), shown);
    EXPECT_STREQ(shown, "x96");

    // A Windows-1252 file that a report replaced and undo brought back is
    // saved in its own encoding again.
    writeFile("in.txt", texts[4]);
    ScriptedClick script({"in.txt", "out.txt"});
    ClickContext click{pane, script.dialogs, script.random, script.clock, 1.0};
    Open_Click(click);
    pane.setText(" 1  2  3 \r\n");
    pane.undo();
    Save_Click(click);
    EXPECT_EQ(readFile("out.txt"), texts[4]);
}

TEST_F(QtPaneTest, TextGoesInAtTheCaretOrOverTheSelectionAndALineIsSelectedByItsNumberFromOne)
{
    pane.setText("ab\r\ncd\n");
    select(1, 1);
    pane.setSelectionText("X\r\nY");
    select(4, 10);
    EXPECT_EQ(pane.selectionLength(), 6);
    EXPECT_EQ(pane.selectedText(), "Yb\r\ncd");
    pane.setSelectionText("-");
    EXPECT_EQ(pane.text(), "aX\r\n-\n");

    // A number outside the lines leaves the selection as it is.
    const std::pair<int, const char*> cases[] = {{3, ""}, {1, "aX"}, {2, "-"}, {0, "-"}, {4, "-"}};
    for (const auto& [line, selected] : cases) {
        pane.selectLine(line);
        EXPECT_EQ(pane.selectedText(), selected) << line;
    }
}

TEST_F(QtPaneTest, ALineTheUserAddsTakesTheEndOfTheLineItWasSplitFrom)
{
    // Pasted lines take it too.
    QGuiApplication::clipboard()->setText("x\ny");
    const std::tuple<const char*, long, QKeySequence, const char*> cases[] = {
        {" 1 \r\n 2 \r\n", 2, Qt::Key_Return, " 1\r\n \r\n 2 \r\n"},
        {"a\rb\r", 1, Qt::Key_Return, "a\r\rb\r"},
        // On the last line, which has no end of its own, the line before counts.
        {"help\nmore", 9, Qt::Key_Enter, "help\nmore\n"},
        {" 1 \r\n", 5, Qt::Key_Enter, " 1 \r\n\r\n"},
        {"a\r\nb\n", 1, QKeySequence::Paste, "ax\r\ny\r\nb\n"},
    };
    for (const auto& [text, caret, key, result] : cases) {
        pane.setText(text);
        select(caret, caret);
        QTest::keySequence(pane.widget(), key);
        EXPECT_EQ(pane.text(), result) << text;
    }
}

TEST_F(QtPaneTest, GeneratedTextShowsFromItsFirstLineInBoldCourierTenAcrossLongLinesToo)
{
    pane.widget()->resize(400, 300);
    // The editor measures a long line in pieces, so its words alternate
    // between two styles that look the same.
    std::string line;
    for (int game = 0; game < 1000; ++game)
        line += game % 2 ? "Vikings   " : "Giants    ";
    // A run without blanks is cut every 16 bytes, never inside a character.
    const std::string dashes(400, '-');
    std::string accents;
    for (int i = 0; i < 200; ++i)
        accents += "\u00e9";
    std::string report = line + "\r\n" + line + "\r\n" + dashes + "\r\n" + accents + "\r\n";
    const long dashesAt = 2 * static_cast<long>(line.size() + 2);
    const long accentsAt = dashesAt + 402;
    for (int row = 0; row < 1000; ++row)
        report += " 1  2  3 \r\n";
    // Seen from the far end before, the new report shows from its first line.
    pane.setText(report);
    send(Sci::SCI_GOTOPOS, static_cast<unsigned long>(report.size()));
    send(Sci::SCI_SETXOFFSET, 3000);
    pane.setText("");
    pane.setSelectionFontName("Courier");
    pane.setSelectionFontSize(10);
    pane.setFontBold(true);
    pane.setSelectionText(report);
    EXPECT_EQ(send(Sci::SCI_GETFIRSTVISIBLELINE), 0);
    EXPECT_EQ(send(Sci::SCI_GETCURRENTPOS), 0);
    EXPECT_EQ(send(Sci::SCI_GETXOFFSET), 0);
    for (long position : {0L, 15L, 5005L, 10020L, 20005L, dashesAt + 20, accentsAt + 33, 31795L})
        EXPECT_EQ(formatAt(position), "Courier 1000 bold #000000") << position;
    EXPECT_NE(send(Sci::SCI_GETSTYLEAT, 0), send(Sci::SCI_GETSTYLEAT, 15));
    const auto styleAt = [this](long position) { return send(Sci::SCI_GETSTYLEAT, static_cast<unsigned long>(position)); };
    EXPECT_EQ(styleAt(dashesAt), styleAt(dashesAt + 15));
    EXPECT_NE(styleAt(dashesAt + 15), styleAt(dashesAt + 16));
    EXPECT_EQ(styleAt(accentsAt + 16), styleAt(accentsAt + 17)); // the second byte of an é
    EXPECT_NE(styleAt(accentsAt + 15), styleAt(accentsAt + 16));

    select(10, 30);
    pane.applyToSelection({"DejaVu Sans", 12, false, true, false, false, 0x0000FF});
    for (long position : {10L, 25L})
        EXPECT_EQ(formatAt(position), "DejaVu Sans 1200 italic #0000ff") << position;
    pane.setFontBold(false); // as U.S. Bet does
    EXPECT_EQ(formatAt(35), "Courier 1000 #000000");
}

TEST_F(QtPaneTest, FontChoicesGoToTheSelectionWithColourOrToThePaneWithout)
{
    pane.setText("abc\r\n");
    pane.applyToPane({"Liberation Serif", 11, false, false, false, false, 0});
    select(0, 2);
    pane.applyToSelection({"DejaVu Sans", 14, false, true, true, true, 0xFF0000});
    EXPECT_EQ(formatAt(1), "DejaVu Sans 1400 italic underline struck #ff0000");
    EXPECT_EQ(formatAt(2), "Liberation Serif 1100 #000000");
    // The font dialog opens on the look of the selection's first character.
    const FontChoice look = pane.lookOfSelection();
    EXPECT_EQ(std::tie(look.name, look.bold, look.italic), std::make_tuple(std::string("DejaVu Sans"), false, true));

    select(0, 0);
    pane.applyToPane({"Liberation Serif", 11, true, false, false, true, 0x00FF00});
    EXPECT_EQ(formatAt(1), "Liberation Serif 1100 bold underline #ff0000");
    EXPECT_EQ(formatAt(2), "Liberation Serif 1100 bold underline #000000");

    // A change of one attribute leaves each stretch's others as they were.
    select(0, 1);
    pane.setSelectionFontSize(14);
    select(0, 3);
    pane.setSelectionFontName("DejaVu Sans");
    EXPECT_EQ(formatAt(0), "DejaVu Sans 1400 bold underline #ff0000");
    EXPECT_EQ(formatAt(1), "DejaVu Sans 1100 bold underline #ff0000");
    // Typed text looks like the text before it.
    select(1, 1);
    QTest::keyClicks(pane.widget(), "z");
    EXPECT_EQ(formatAt(1), "DejaVu Sans 1400 bold underline #ff0000");
}

// The editor holds a limited number of looks: those no text shows any more
// make room for new ones, and no character loses its own.
TEST_F(QtPaneTest, ManyLooksInTurnLeaveEveryCharacterItsOwn)
{
    // The first and the last character take 300 colours in turn, each other one its own.
    const auto colourOf = [](std::uint32_t position, std::uint32_t turn) { return turn << 8 | position; };
    pane.setText("0123456789");
    pane.applyToPane({"Liberation Serif", 11, false, false, false, false, 0});
    for (std::uint32_t position = 0; position < 10; ++position) {
        select(position, position + 1);
        for (std::uint32_t turn = 1; turn <= (position % 9 == 0 ? 300u : 1u); ++turn)
            pane.applyToSelection({"Liberation Serif", 11, false, false, false, false, colourOf(position, turn)});
    }
    for (std::uint32_t position = 0; position < 10; ++position) {
        const QColor colour = QColor::fromRgb(colourOf(position, position % 9 == 0 ? 300 : 1));
        EXPECT_EQ(formatAt(position), "Liberation Serif 1100 " + colour.name().toStdString()) << position;
    }
}

TEST_F(QtPaneTest, UndoTakesBackTheUsersEditsThenWhatACommandReplaced)
{
    QTest::keyClicks(pane.widget(), "my notes");
    pane.setText("");
    pane.setSelectionText(" 1  2  3 \r\n");
    EXPECT_FALSE(pane.hasUnsavedEdits());
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
    // which comes back in its own font, and forward past it again.
    pane.setSelectionFontName("Courier");
    pane.setSelectionText("report\r\n");
    const std::string reportFormat = formatAt(0);
    pane.setText("");
    pane.setText("help\n");
    pane.setText("");
    pane.setSelectionFontSize(14);
    pane.setSelectionText("next report\r\n");
    const std::string nextFormat = formatAt(0);
    pane.undo();
    EXPECT_EQ(pane.text(), "report\r\n");
    EXPECT_EQ(formatAt(0), reportFormat);
    EXPECT_FALSE(pane.canUndo());
    QTest::keyClick(pane.widget(), Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(pane.text(), "next report\r\n");
    EXPECT_EQ(formatAt(0), nextFormat);
    EXPECT_FALSE(pane.canRedo());
}

// Typed text that a command replaced stays aside through later commands,
// which take each other's place, until undo brings it back.
TEST_F(QtPaneTest, TypedTextSetAsideOutlivesLaterReportsAndComesBackForSaving)
{
    const auto report = [this](const char* text) {
        pane.setText("");
        pane.setSelectionText(text);
    };
    pane.setText("welcome\n");
    pane.keepForUndo();
    report("first\r\n");
    QTest::keyClicks(pane.widget(), "notes ");
    EXPECT_TRUE(pane.hasUnsavedEdits());
    report("second\r\n");
    EXPECT_FALSE(pane.hasUnsavedEdits());
    EXPECT_TRUE(pane.typedTextSetAside());
    report("third\r\n");
    report("fourth\r\n");
    // Back: the report before, then the typed text; the welcome and the
    // reports between went.
    const char* back[] = {"third\r\n", "notes first\r\n", "first\r\n"};
    for (const char* text : back) {
        pane.undo();
        EXPECT_EQ(pane.text(), text);
    }
    EXPECT_FALSE(pane.canUndo());
    const char* forward[] = {"notes first\r\n", "third\r\n", "fourth\r\n"};
    for (const char* text : forward) {
        QTest::keyClick(pane.widget(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        EXPECT_EQ(pane.text(), text);
    }

    // Brought back for saving, it leaves the report shown for redo.
    EXPECT_TRUE(pane.bringBackTypedText());
    EXPECT_EQ(pane.text(), "notes first\r\n");
    pane.markSaved();
    EXPECT_FALSE(pane.typedTextSetAside());
    EXPECT_FALSE(pane.bringBackTypedText());
    pane.redo();
    pane.redo();
    EXPECT_EQ(pane.text(), "fourth\r\n");

    // Undo of the first report brings the welcome back, kept for undo.
    pane.setText("welcome\n");
    pane.keepForUndo();
    report("report\r\n");
    pane.undo();
    EXPECT_EQ(pane.text(), "welcome\n");
}

// A text bigger than a slice shows its progress once it takes longer than
// the pane allows; Cancel drops what went in, and the pane shows what undo
// would have brought back.
TEST_F(QtPaneTest, CancelWhileABigTextGoesInLeavesThePaneAsUndoWould)
{
    struct CancelOnShow : QObject {
        bool cancel = true;
        QStringList seen;
        bool eventFilter(QObject* watched, QEvent* event) override
        {
            auto* progress = qobject_cast<QProgressDialog*>(watched);
            if (progress && event->type() == QEvent::Show) {
                seen << progress->windowTitle() + ": " + progress->labelText();
                if (cancel)
                    progress->cancel();
            }
            return false;
        }
    } answer;
    qApp->installEventFilter(&answer);
    std::string big;
    while (big.size() < (3u << 20))
        big += " 3  17  22  31  40  45 \r\n";
    pane.progressAfterMs = 0;
    pane.setText("");
    pane.setSelectionText("report\r\n");
    pane.setText("");
    pane.setSelectionText(big);
    EXPECT_TRUE(pane.textCancelled());
    EXPECT_EQ(pane.text().substr(0, 100), "report\r\n");
    EXPECT_FALSE(pane.canUndo());

    answer.cancel = false;
    pane.setText("");
    pane.setSelectionText(big);
    EXPECT_FALSE(pane.textCancelled());
    EXPECT_TRUE(pane.text() == big);
    qApp->removeEventFilter(&answer);
    answer.seen.removeDuplicates();
    EXPECT_EQ(answer.seen, QStringList(QStringLiteral("Showing the Text: Putting 3.0 MB of text into the text box...")));
}

