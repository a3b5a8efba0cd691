// SPDX-License-Identifier: GPL-3.0-or-later
#include "ButtonTable.h"
#include "DrawCheck.h"
#include "ReportLines.h"
#include "../support/ReportLines.h"
#include "Runner.h"
#include "TestSupport.h"
#include "WheelClicks.h"
#include "WheelPool.h"

#include <gtest/gtest.h>

namespace {

const std::string kTenTwoIfTwo = "   1   2   3   4   5   8\r\n"
                                 "   1   2   6   7   9  10\r\n"
                                 "   3   4   5   6   8   9\r\n"
                                 "   3   4   5   7   8  10\r\n";

struct RunnerRun {
    int status;
    std::string out;
    std::string err;
};

RunnerRun runner(const std::vector<std::string>& args)
{
    std::ostringstream out;
    std::ostringstream err;
    const int status = runCorvane(args, out, err, false);
    return {status, out.str(), err.str()};
}

} // namespace

TEST(WheelClick, AsksShowsTheTicketsAndSaysWhatTheyPromiseAndWin)
{
    TempDirectory dir;
    ScriptedClick click({"1-10", "6", "2", "", "49"});
    click.run(Wheel_Click);
    // M is T unless said otherwise; Cancel at its prompt ends the click.
    EXPECT_EQ(click.pane.text(), "");
    ScriptedClick wheel({"1-10", "6", "2", "2", "49"});
    wheel.run(Wheel_Click);
    EXPECT_EQ(wheel.pane.text(), kTenTwoIfTwo);
    const auto& shown = wheel.dialogs.shown();
    ASSERT_EQ(shown.size(), 6u);
    EXPECT_EQ(shown[3].defaultText, " 2");
    const std::string message = shown.back().text;
    EXPECT_EQ(message.substr(0, message.find("\n\n")),
              "4 tickets of 6 numbers wheel the 10 numbers 1-10, 2 if 2.\n"
              "Proven: whenever 2 of the drawn numbers are among the pool's 10, a ticket holds at least 2 of them. "
              "Every 2-set of the pool was checked.\n"
              "Made by a choice among all tickets; no such wheel has fewer tickets.");
    EXPECT_NE(message.find("\n6 of 6: 2.860E-07 (random tickets 2.860E-07)\n"), std::string::npos);
    EXPECT_NE(shown.back().details.find("\n2 of 6: 0.3456, 0.4333; 0.5295\n"), std::string::npos);
    EXPECT_TRUE(wheel.context.report.shown);
    EXPECT_EQ(readFile("Wheel.INI"), " 6             2             49            0             1 \r\n");
}

TEST(WheelClick, RefusesImpossibleRequestsAndTheRunnerExitsOne)
{
    TempDirectory dir;
    const struct {
        std::vector<std::string> args;
        const char* message;
    } cases[] = {
        {{"1-20", "6", "7"}, "A ticket of 6 numbers can hold from 1 to 6 drawn numbers, not 7."},
        {{"1-20", "6", "3", "7"}, "The drawn numbers in the pool must count from 3 (the numbers a ticket is to hold) "
                                  "to 6 (all that are drawn), not 7."},
        {{"1-5", "6", "2"}, "The pool holds 5 numbers, fewer than the 6 of a ticket."},
        {{"1-9 4", "6", "2"}, "The pool holds 4 twice."},
        {{"1-60 61-100", "6", "2"}, "A pool holds at most 99 numbers."},
        {{"1-20", "0"}, "A ticket holds from 1 to 20 numbers."},
        {{"1-20", "six"}, "Numbers/Ticket must be a whole number, not \"six\"."},
        {{"1-20", "6", "2", "2", "49 + x"}, "Give the game's biggest number, and a second drum's after \"+\": 49, "
                                            "69 + 26 or 50 + 12 2."},
    };
    for (const auto& c : cases) {
        std::vector<std::string> args = {"--seed", "3", "Wheel"};
        args.insert(args.end(), c.args.begin(), c.args.end());
        const RunnerRun run = runner(args);
        EXPECT_EQ(run.status, 1) << c.message;
        EXPECT_EQ(run.err, std::string("[Wheel Numbers] ") + c.message + "\n");
        EXPECT_EQ(run.out.find("   1"), std::string::npos) << c.message;
    }
    const RunnerRun wheel = runner({"--seed", "3", "wheel", "3 5 8 13 21 34 55 89 95 99", "6", "2", "2", "99"});
    EXPECT_EQ(wheel.status, 0);
    EXPECT_EQ(reportLines(wheel.out).size(), 4u);
    EXPECT_EQ(wheel.err.rfind("[Wheel Numbers] 4 tickets of 6 numbers wheel the 10 numbers 3 5 8 13 21 34 55 89 95 99, 2 if 2.\n", 0), 0u);
}

// "2 if 6": six drawn numbers among the pool's 49 put two on one ticket.
TEST(WheelClick, TwoIfSixOnFortyNineNumbersIsNineteenTicketsCheckedAgainstADraw)
{
    TempDirectory dir;
    ScriptedClick click({"1-49", "6", "2", "6", "49"});
    runAgain(LastReport{}, click.context); // no report: nothing happens
    click.run(Wheel_Click);
    const auto lines = reportLines(click.pane.text());
    ASSERT_EQ(lines.size(), 19u);
    for (const std::string& line : lines)
        EXPECT_EQ(line.size(), 24u);
    const CheckResult check = checkDraw(click.pane.text(), "4 15 23 30 41 47", &click.context.report);
    ASSERT_EQ(check.error, "");
    std::size_t twoOrMore = 0;
    for (std::size_t i = 0; i + 2 < check.tiers.size(); ++i)
        twoOrMore += check.tiers[i].lineNumbers.size();
    EXPECT_GE(twoOrMore, 1u);
    EXPECT_EQ(check.lines().back(), "19 distinct lines hold the jackpot with probability 1 in 735,990");
    // The same seed gives the same tickets again, asking nothing.
    ScriptedClick again({});
    runAgain(click.context.report, again.context);
    EXPECT_EQ(again.pane.text(), click.pane.text());
    EXPECT_TRUE(again.dialogs.shown().size() >= 1 && again.dialogs.shown().front().kind == "message");
}

TEST(CheckWheel, ProvesThePanesLinesOrNamesTheDrawThatBeatsThem)
{
    std::ostringstream messages;
    ScriptedDialogs dialogs({}, messages);
    WheelRequest request;
    request.pool = readPool("1-10").numbers;
    request.guarantee = request.drawn = 2;
    checkWheelLines(dialogs, kTenTwoIfTwo, nullptr, request);
    const std::string proven = dialogs.shown().back().text;
    EXPECT_EQ(proven.substr(0, proven.find("\n\n")),
              "The pane's 4 lines of 6 numbers, for the 10 numbers 1-10, 2 if 2:\n"
              "Proven: whenever 2 of the drawn numbers are among the pool's 10, a line holds at least 2 of them. "
              "Every 2-set of the pool was checked.");
    // Without its last line the wheel misses 3 and 7 together.
    checkWheelLines(dialogs, kTenTwoIfTwo.substr(0, 78), nullptr, request);
    const std::string holed = dialogs.shown().back().text;
    EXPECT_NE(holed.find("\nNo guarantee: when 3 7 are drawn, no line holds 2 of them.\n"), std::string::npos) << holed;
    checkWheelLines(dialogs, " 3  7  0 \r\n", nullptr, request);
    EXPECT_EQ(dialogs.shown().back().text, "A wheel's lines hold lotto numbers of one drum; the pane holds other plays.");
    checkWheelLines(dialogs, "", nullptr, request);
    EXPECT_EQ(dialogs.shown().back().text, "The pane holds no lines to check.");
}
