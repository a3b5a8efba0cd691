// SPDX-License-Identifier: GPL-3.0-or-later
#include "BiggestNumbers.h"
#include "LottoClicks.h"
#include "LottoGames.h"
#include "LottoReports.h"
#include "TestSupport.h"
#include "TextFunctions.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <limits>

// A report is shown as the game's own generator makes it with the click's
// seed; the generators' rules are tested with the reports.
TEST(LottoClicks, AskTheRememberedValuesThenWriteThemAndShowTheReportOrSayWhy)
{
    struct Case {
        const char* name;
        ClickProcedure click;
        const char* fileName; // nullptr: the click has no file
        std::string before;   // "": no file yet
        std::vector<std::string> answers;
        std::vector<std::string> dialogs; // "[title] text <default>" of a prompt, "[title] text" of a message
        std::string after = {};           // "": the file is left as it was
        std::function<std::optional<std::string>(RandomSource&)> report = {}; // none: the pane is left empty
    };
    const std::string lotto6 = "[Biggest Number] Enter the BIGGEST number in the lotto 6 game: < 49>";
    const std::string power51 = "[Biggest Regular Number] Enter the BIGGEST of the first 5 numbers:  < 53>";
    const std::string euro1 = "[Biggest Number - 1st Set] Enter the BIGGEST number in the 1st ballset: < 50>";
    const std::string euro2 = "[Biggest Number - 2nd Set] Enter the BIGGEST number in the 2nd ballset: < 9>";
    const Case cases[] = {
        {"Pick5", Pick5_Click, "Lotto5.INI", "", {},
         {"[Biggest Number] Enter the BIGGEST number in the lotto 5 game: < 39>"}, " 39 \r\n",
         [](RandomSource& r) { return singleDrumReport(kLotto5.shape, 39, r); }},
        {"Pick6 fractional", Pick6_Click, "Lotto6.INI", "", {"49.5"}, {lotto6}, " 49.5 \r\n",
         [](RandomSource& r) { return singleDrumReport(kLotto6.shape, 49.5, r); }},
        {"Pick7", Pick7_Click, "Lotto7.INI", "", {},
         {"[Biggest Number] Enter the BIGGEST number in the lotto 7 game: < 49>"}, " 49 \r\n",
         [](RandomSource& r) { return singleDrumReport(kLotto7.shape, 49, r); }},
        {"Power51 fractional", Power51_Click, "Power51.INI", "", {"53.5"},
         {power51, "[PowerBall] Enter the PowerBall (the 6th number):  < 42>"}, " 53.5          42 \r\n",
         [](RandomSource& r) { return powerBallReport(kPower51.shape, 53.5, 42, r); }},
        {"Power61 Cancel and a negative answer", Power61_Click, "Power61.INI", "40,30\r\n", {"", "-4"},
         {"[Biggest Regular Number] Enter the BIGGEST of the first 6 numbers:  < 40>",
          "[PowerBall] Enter the PowerBall (the 7th number):  < 30>"},
         " 40            30 \r\n", [](RandomSource& r) { return powerBallReport(kPower61.shape, 40, 30, r); }},
        {"EuroCombs", EuroCombs_Click, "Euro.INI", "", {}, {euro1, euro2}, " 50 \r\n 9 \r\n",
         [](RandomSource& r) { return euroReport(50, 9, r); }},
        {"Keno", Keno_Click, nullptr, "", {}, {}, "", [](RandomSource& r) { return singleDrumReport(kKeno, 80, r); }},
        // A refused value's title stands on the message.
        {"second value refused", Power51_Click, "Power51.INI", " 53 , 0\r\n", {"", ""},
         {power51, "[PowerBall] Enter the PowerBall (the 6th number):  < 0>",
          "[PowerBall] The value must be above 0 and at most 16777216."}},
        {"first value refused, the second never asked", Power61_Click, "Power61.INI", " 49            42 \r\n", {"3"},
         {"[Biggest Regular Number] Enter the BIGGEST of the first 6 numbers:  < 49>",
          "[Biggest Regular Number] The value must be above 5 and at most 16777216: a line takes 6 "
          "distinct numbers from 1 to it."}},
        {"second ballset refused", EuroCombs_Click, "Euro.INI", " 50 \r\n 9 \r\n", {"50", "1"}, {euro1, euro2,
          "[Biggest Number - 2nd Set] The value must be above 1 and at most 16777216: a line takes 2 "
          "distinct numbers from 1 to it."}},
        {"hopeless filters", Pick6_Click, "Lotto6.INI", " 49 \r\n", {"6"}, {lotto6,
         "[Biggest Number] No combination passes the filters for the biggest number 6; try a bigger one."}, " 6 \r\n"},
        {"hopeless ballsets", EuroCombs_Click, "Euro.INI", " 50 \r\n 9 \r\n", {"5", "9"}, {euro1, euro2,
          "[Biggest Number - 1st Set] No combination passes the filters for the biggest numbers 5 and 9;"
          " try bigger ones."}, " 5 \r\n 9 \r\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TempDirectory directory;
        if (!c.before.empty())
            writeFile(c.fileName, c.before);
        ScriptedClick click(c.answers);
        click.pane.setText("old text\n");
        click.pane.setVisible(false);
        click.run(c.click);
        // A report shows the pane; a click that makes none leaves it as it was.
        EXPECT_EQ(click.pane.visible(), c.report != nullptr);
        std::vector<std::string> dialogs;
        for (const auto& shown : click.dialogs.shown())
            dialogs.push_back("[" + shown.title + "] " + shown.text
                              + (shown.kind == "prompt" ? " <" + shown.defaultText + ">" : ""));
        EXPECT_EQ(dialogs, c.dialogs);
        if (c.fileName)
            EXPECT_EQ(readFile(c.fileName), c.after.empty() ? c.before : c.after);
        else
            EXPECT_TRUE(std::filesystem::is_empty(directory.path()));
        click.random.reseed(42.0);
        EXPECT_EQ(click.pane.text(), c.report ? c.report(click.random).value() : "");
        EXPECT_EQ(click.pane.selectionFont().name + Str(click.pane.selectionFont().size), "Courier 10");
    }
}

TEST(BiggestNumbers, RefuseValuesThatCannotFillALine)
{
    const std::string range = "The value must be above 5 and at most 16777216";
    const std::tuple<double, int, std::optional<std::string>> cases[] = {
        {6, 6, std::nullopt},
        {16777216, 7, std::nullopt},
        {5.5, 6, std::nullopt}, // 6 can be drawn
        {5, 6, range + ": a line takes 6 distinct numbers from 1 to it."},
        {5.000000001, 6, range + ": a line takes 6 distinct numbers from 1 to it."}, // 6 cannot
        {16777217, 6, range + ": a line takes 6 distinct numbers from 1 to it."},
        {std::numeric_limits<double>::quiet_NaN(), 1, "The value must be above 0 and at most 16777216."},
    };
    for (const auto& [biggest, needed, why] : cases)
        EXPECT_EQ(refusalOf(biggest, needed), why) << biggest;
}
