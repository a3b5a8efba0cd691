// SPDX-License-Identifier: GPL-3.0-or-later
#include "CsvExport.h"
#include "PaneCommands.h"
#include "ShownReport.h"
#include "TestSupport.h"
#include "TextFile.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <tuple>

// The system's words, in the language of the locale the tests run under.
static std::string noSuchFile() { return std::strerror(ENOENT); }

TEST(OpenClick, LoadsTheFileOrReportsWhyNot)
{
    // Both line ends and UTF-8 come in as they are; "big.txt" is above the limit.
    const std::string bytes = "a\r\nb\nz\xC3\xA9\xE2\x80\xA2\xF0\x9F\x8E\xB2";
    const std::pair<std::string, std::string> cases[] = {
        {"in.txt", ""},
        {"", ""},
        {"big.txt", "[Open File] Cannot open \"big.txt\": the file is larger than 64 MiB.\n"},
    };
    for (const auto& [answer, message] : cases) {
        TempDirectory dir;
        writeFile("in.txt", bytes);
        writeFile("big.txt", "");
        std::filesystem::resize_file("big.txt", kLargestTextBytes + 1);
        ScriptedClick click({answer});
        click.pane.setText("before");
        click.pane.setVisible(false);
        click.run(Open_Click);
        const bool loaded = answer == "in.txt";
        EXPECT_EQ(click.pane.text(), loaded ? bytes : "") << answer;
        EXPECT_EQ(click.messages.str(), message) << answer;
        // A loaded file is shown and takes the focus.
        EXPECT_EQ(click.pane.visible(), loaded) << answer;
        EXPECT_EQ(click.pane.focusCount() > 0, loaded) << answer;
        EXPECT_EQ(click.dialogs.shown().front().title + " " + click.dialogs.shown().front().defaultText,
                  "Open File GAMES.5");
    }
}

// The limit is a size a file may have: one of exactly 64 MiB opens whole.
TEST(OpenClick, OpensAFileOfExactlyTheLimit)
{
    TempDirectory dir;
    writeFile("exact.txt", "");
    std::filesystem::resize_file("exact.txt", kLargestTextBytes);
    ScriptedClick click({"exact.txt"});
    click.run(Open_Click);
    EXPECT_EQ(click.messages.str(), "");
    EXPECT_EQ(click.pane.text().size(), kLargestTextBytes);
}

TEST(EditClick, ReplacesThePaneWithEightHelpLines)
{
    ScriptedClick click({});
    click.pane.setText("before\r\n");
    click.run(Edit_Click);
    const std::string help = click.pane.text();
    EXPECT_EQ(std::count(help.begin(), help.end(), '\n'), 8);
    EXPECT_EQ(help.rfind("You can edit files in this option.\n", 0), 0u);
    EXPECT_EQ(help.substr(help.size() - 47), "When done editing, click Save to save to file.\n");
}

TEST(SaveClick, WritesThePaneAsItStandsOrReportsWhyNot)
{
    const std::string edited = "Giants, Vikings\r\nK\xC3\xB6ln, Bonn\nlast";
    TempDirectory dir;
    writeFile("out.txt", "old");
    ScriptedClick click({"out.txt", "", "missing/out.txt"});
    click.pane.setText(edited);
    for (int i = 0; i < 3; ++i)
        click.run(Save_Click);
    EXPECT_EQ(readFile("out.txt"), edited);
    EXPECT_EQ(click.pane.savedCount(), 1); // the cancel and the failure save nothing
    EXPECT_TRUE(click.context.fileUnwritten);
    EXPECT_EQ(click.messages.str(), "[Save Combinations] Cannot save \"missing/out.txt\": " + noSuchFile() + ".\n");
    EXPECT_EQ(click.dialogs.shown()[0].title + " " + click.dialogs.shown()[0].defaultText,
              "Save Combinations Corvane.Gen");
}

// What was typed after Open is saved in the file's encoding while it can
// be; a text a command put in is UTF-8.
TEST(SaveClick, WritesBackTheEncodingTheFileWasOpenedIn)
{
    const std::string latin1 = "K\xf6ln\r\n";
    // what is typed, whether the help text replaced the file first, the bytes saved, the message
    const std::tuple<const char*, bool, std::string, std::string> cases[] = {
        {"", false, latin1, ""},
        {"\xe2\x82\xac", false, latin1 + "\x80", ""},
        {"\xc5\x81", false, "K\xc3\xb6ln\r\n\xc5\x81",
         "[Save Combinations] \"out.txt\" is saved as UTF-8: \"\xc5\x81\" cannot be written in Windows-1252.\n"},
        {"\xc3\xb6", true, "\xc3\xb6", ""},
    };
    for (const auto& [typed, editFirst, saved, message] : cases) {
        TempDirectory dir;
        writeFile("in.txt", latin1);
        ScriptedClick click({"in.txt", "out.txt", "again.txt"});
        click.run(Open_Click);
        if (editFirst)
            click.pane.setText("");
        click.pane.select(click.pane.text().size(), 0);
        click.pane.setSelectionText(typed);
        click.run(Save_Click);
        // Once saved as UTF-8, the text stays UTF-8 without a word.
        click.run(Save_Click);
        EXPECT_EQ(readFile("out.txt"), saved) << typed;
        EXPECT_EQ(readFile("again.txt"), saved) << typed;
        EXPECT_EQ(click.messages.str(), message) << typed;
    }
}

TEST(PrintClick, PrintsTheSelectionAndReportsOnlyFailures)
{
    ScriptedClick click({});
    click.pane.setText("first line\r\nsecond line\r\n");
    click.pane.select(12, 6);
    click.dialogs.prints = {{PrintOutcome::Kind::Printed, "out.pdf"}, {},
                            {PrintOutcome::Kind::Failed, "the printer reported an error"},
                            {PrintOutcome::Kind::Printed, "out.pdf"}};
    for (int i = 0; i < 3; ++i)
        click.run(Print_Click);
    click.pane.select(0, 0); // nothing selected: the whole pane
    click.run(Print_Click);
    EXPECT_EQ(click.dialogs.printed, (std::vector<std::string>{"second", "first line\r\nsecond line\r\n"}));
    EXPECT_EQ(click.messages.str(), "[Print] The text could not be printed: the printer reported an error.\n");
}

TEST(FontClick, StylesTheSelectionOrTheWholePaneStartingFromCourierNewTen)
{
    const FontChoice chosen{"DejaVu Sans", 14.5, true, true, true, true, 0xFF0000};
    ScriptedClick click({});
    click.pane.setText("some text");
    click.pane.select(0, 1);
    click.dialogs.fonts = {chosen, chosen};
    click.run(Font_Click);
    EXPECT_EQ(click.pane.selectionFont().colour, 0xFF0000u);
    EXPECT_EQ(click.pane.paneFont().name, "Courier New"); // untouched

    click.pane.select(0, 0);
    click.run(Font_Click);
    EXPECT_EQ(click.pane.paneFont().name, "DejaVu Sans");
    EXPECT_EQ(click.pane.paneFont().colour, 0u); // the pane keeps its colour
    click.run(Font_Click); // Cancel
    EXPECT_EQ(click.pane.focusCount(), 2); // once for each font applied
    for (const auto& shown : click.dialogs.shown())
        EXPECT_EQ(shown.text + " " + shown.defaultText, "Courier New 10");
}

TEST(ExportCsv, WritesTheLinesAsCsvOrSaysWhyNot)
{
    const struct {
        std::string pane;
        const char* answer;
        std::string file; // "out.csv" afterwards
        std::string message;
    } cases[] = {
        {"  1  2  3\r\n", "out.csv", "n1,n2,n3\r\n1,2,3\r\n", ""},
        {"  1  2  3\r\n", "", "old", ""},
        {"  1  2  3\r\n", "no/such/out.csv", "old",
         "[Export as CSV] Cannot save \"no/such/out.csv\": " + noSuchFile() + ".\n"},
        {"Welcome.\n", "out.csv", "old", "[Export as CSV] The pane holds no lines to check.\n"},
    };
    for (const auto& c : cases) {
        TempDirectory dir;
        writeFile("out.csv", "old");
        ScriptedClick click({c.answer});
        exportCsv(click.dialogs, c.pane, nullptr);
        EXPECT_EQ(readFile("out.csv"), c.file) << c.answer;
        EXPECT_EQ(click.messages.str(), c.message) << c.answer;
    }
}

// Undo may bring an earlier report's text back: the pane holds the latest
// of the last eight reports whose very text it shows.
TEST(ShownReport, FindsTheLatestOfTheLastEightReportsWhoseTextThePaneHolds)
{
    ShownReport reports;
    const char* const texts[] = {"a", "b", "a", "c", "d", "e", "f", "g", "h", "i"};
    for (const char* const& text : texts) {
        LastReport report;
        report.button = "R" + std::to_string(&text - texts);
        reports.keep(report, text);
    }
    const std::pair<const char*, const char*> cases[] = {{"i", "R9"}, {"a", "R2"}, {"c", "R3"}, {"b", ""}, {"x", ""}};
    for (const auto& [text, button] : cases)
        EXPECT_EQ(reports.inPane(text) ? reports.inPane(text)->button : "", button) << text;
}
