#include "LottoClicks.h"
#include "LottoGames.h"
#include "LottoReports.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace {

RandomSource seeded(double seed)
{
    RandomSource random;
    random.reseed(seed);
    return random;
}

// Each dialog shown, as "[title] text <default>".
std::vector<std::string> dialogsShown(const ScriptedClick& click)
{
    std::vector<std::string> shown;
    for (const auto& dialog : click.dialogs.shown())
        shown.push_back("[" + dialog.title + "] " + dialog.text + " <" + dialog.defaultText + ">");
    return shown;
}

struct DefaultCase {
    const char* name;
    ClickProcedure click;
    std::vector<std::string> prompts;
    const char* fileName;
    std::string file;
    std::function<std::optional<std::string>(RandomSource&)> report;
};

} // namespace

TEST(LottoClicks, FirstClickCreatesTheFileAndShowsTheDefaultReport)
{
    const DefaultCase cases[] = {
        {"Pick5", Pick5_Click, {"[Biggest Number] Enter the BIGGEST number in the lotto 5 game: < 39>"},
         "Lotto5.INI", " 39 \r\n",
         [](RandomSource& r) { return singleDrumReport(kLotto5.shape, 39, r); }},
        {"Pick6", Pick6_Click, {"[Biggest Number] Enter the BIGGEST number in the lotto 6 game: < 49>"},
         "Lotto6.INI", " 49 \r\n",
         [](RandomSource& r) { return singleDrumReport(kLotto6.shape, 49, r); }},
        {"Pick7", Pick7_Click, {"[Biggest Number] Enter the BIGGEST number in the lotto 7 game: < 49>"},
         "Lotto7.INI", " 49 \r\n",
         [](RandomSource& r) { return singleDrumReport(kLotto7.shape, 49, r); }},
        {"Power51", Power51_Click,
         {"[Biggest Regular Number] Enter the BIGGEST of the first 5 numbers:  < 53>",
          "[PowerBall] Enter the PowerBall (the 6th number):  < 42>"},
         "Power51.INI", " 53            42 \r\n",
         [](RandomSource& r) { return powerBallReport(kPower51.shape, 53, 42, r); }},
        {"Power61", Power61_Click,
         {"[Biggest Regular Number] Enter the BIGGEST of the first 6 numbers:  < 49>",
          "[PowerBall] Enter the PowerBall (the 7th number):  < 42>"},
         "Power61.INI", " 49            42 \r\n",
         [](RandomSource& r) { return powerBallReport(kPower61.shape, 49, 42, r); }},
        {"EuroCombs", EuroCombs_Click,
         {"[Biggest Number - 1st Set] Enter the BIGGEST number in the 1st ballset: < 50>",
          "[Biggest Number - 2nd Set] Enter the BIGGEST number in the 2nd ballset: < 9>"},
         "Euro.INI", " 50 \r\n 9 \r\n", [](RandomSource& r) { return euroReport(50, 9, r); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TempDirectory directory;
        ScriptedClick click({}); // every prompt keeps its default
        click.pane.setText("old text\n");
        click.run(c.click);
        EXPECT_EQ(dialogsShown(click), c.prompts);
        EXPECT_EQ(readFile(c.fileName), c.file);
        RandomSource same = seeded(42.0);
        EXPECT_EQ(click.pane.text(), c.report(same).value());
        EXPECT_EQ(click.messages.str(), "");
        EXPECT_EQ(click.pane.selectionFont().name, "Courier");
        EXPECT_EQ(click.pane.selectionFont().size, 10);
        EXPECT_TRUE(click.pane.paneFont().bold);
    }
}

TEST(LottoClicks, NotPositiveAnswersTakeTheRememberedValueAndRewriteIt)
{
    TempDirectory directory;
    writeFile("Power61.INI", "40,30\r\n");
    ScriptedClick click({"", "-4"}); // Cancel, then a negative answer
    click.run(Power61_Click);
    EXPECT_EQ(click.dialogs.shown()[0].defaultText, " 40");
    EXPECT_EQ(click.dialogs.shown()[1].defaultText, " 30");
    EXPECT_EQ(readFile("Power61.INI"), " 40            30 \r\n");
    RandomSource same = seeded(42.0);
    EXPECT_EQ(click.pane.text(), powerBallReport(kPower61.shape, 40, 30, same).value());
}

TEST(LottoClicks, FractionalBiggestNumberIsKeptAndRemembered)
{
    TempDirectory directory;
    ScriptedClick click({"49.5"});
    click.run(Pick6_Click);
    EXPECT_EQ(readFile("Lotto6.INI"), " 49.5 \r\n");
    RandomSource same = seeded(42.0);
    EXPECT_EQ(click.pane.text(), singleDrumReport(kLotto6.shape, 49.5, same).value());

    ScriptedClick again({""});
    again.run(Pick6_Click);
    EXPECT_EQ(again.dialogs.shown()[0].defaultText, " 49.5");
}

TEST(LottoClicks, ImpossibleValuesAreRefusedAndNotRemembered)
{
    struct Case {
        const char* why;
        ClickProcedure click;
        const char* fileName;
        std::string file; // before and after
        std::vector<std::string> answers;
        std::size_t prompts; // shown before the refusal
        std::string message;
    };
    const std::string range = "at most 16777216";
    const Case cases[] = {
        {"fewer numbers than a line", Pick6_Click, "Lotto6.INI", " 49 \r\n", {"5"}, 1,
         "[Biggest Number] The value must be above 5 and " + range
             + ": a line takes 6 distinct numbers from 1 to it.\n"},
        {"too close to a whole number", Pick5_Click, "Lotto5.INI", " 39 \r\n", {"4.000000001"}, 1,
         "[Biggest Number] The value must be above 4 and " + range
             + ": a line takes 5 distinct numbers from 1 to it.\n"},
        {"beyond single precision", Pick7_Click, "Lotto7.INI", " 49 \r\n", {"16777217"}, 1,
         "[Biggest Number] The value must be above 6 and " + range
             + ": a line takes 7 distinct numbers from 1 to it.\n"},
        {"0 remembered in an edited file", Power51_Click, "Power51.INI", " 53 , 0\r\n", {"", ""}, 2,
         "[PowerBall] The value must be above 0 and " + range + ".\n"},
        {"first value refused, second never asked", Power61_Click, "Power61.INI",
         " 49            42 \r\n", {"3"}, 1,
         "[Biggest Regular Number] The value must be above 5 and " + range
             + ": a line takes 6 distinct numbers from 1 to it.\n"},
        {"one number in the second ballset", EuroCombs_Click, "Euro.INI", " 50 \r\n 9 \r\n",
         {"50", "1"}, 2,
         "[Biggest Number - 2nd Set] The value must be above 1 and " + range
             + ": a line takes 2 distinct numbers from 1 to it.\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.why);
        TempDirectory directory;
        writeFile(c.fileName, c.file);
        ScriptedClick click(c.answers);
        click.pane.setText("old text\n");
        click.run(c.click);
        EXPECT_EQ(click.messages.str(), c.message);
        EXPECT_EQ(click.dialogs.shown().size(), c.prompts + 1);
        EXPECT_EQ(click.pane.text(), "");
        EXPECT_EQ(readFile(c.fileName), c.file);
    }
}

TEST(LottoClicks, NoPassingCombinationEndsWithAMessageAndAnEmptyPane)
{
    struct Case {
        ClickProcedure click;
        std::vector<std::string> answers;
        std::string message;
    };
    const Case cases[] = {
        {Pick6_Click, {"6"},
         "[Biggest Number] No combination passes the filters for the biggest number 6; try a bigger one.\n"},
        {EuroCombs_Click, {"5", "9"},
         "[Biggest Number - 1st Set] No combination passes the filters for the biggest numbers 5 and 9;"
         " try bigger ones.\n"},
    };
    for (const auto& c : cases) {
        TempDirectory directory;
        ScriptedClick click(c.answers);
        click.run(c.click);
        EXPECT_EQ(click.messages.str(), c.message);
        EXPECT_TRUE(click.pane.text().empty());
    }
}

TEST(LottoClicks, KenoAsksNothingAndWritesNoFile)
{
    TempDirectory directory;
    ScriptedClick click({});
    click.run(Keno_Click);
    EXPECT_TRUE(click.dialogs.shown().empty());
    EXPECT_TRUE(std::filesystem::is_empty(directory.path()));
    RandomSource same = seeded(42.0);
    EXPECT_EQ(click.pane.text(), singleDrumReport(kKeno, 80, same).value());
}
