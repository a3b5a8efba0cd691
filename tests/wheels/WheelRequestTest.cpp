// SPDX-License-Identifier: GPL-3.0-or-later
#include "WheelPool.h"
#include "WheelRequest.h"

#include "../draws/DrawsTesting.h"

#include <gtest/gtest.h>

TEST(WheelPool, ReadsNumbersAndRangesOrSaysWhatIsWrong)
{
    const struct {
        const char* text;
        std::vector<int> numbers;
        const char* error;
    } cases[] = {
        {"1-5", {1, 2, 3, 4, 5}, ""},
        {" 19, 3 7;11\t4-5 ", {3, 4, 5, 7, 11, 19}, ""},
        {"42", {42}, ""},
        {"", {}, "Give the numbers to wheel, as 1-20 or 3 7 11 19."},
        {"1-3 x", {}, "\"x\" is neither a number nor a range like 1-20."},
        {"1-3-5", {}, "\"1-3-5\" is neither a number nor a range like 1-20."},
        {"-4", {}, "\"-4\" is neither a number nor a range like 1-20."},
        {"0-4", {}, "The numbers start at 1; the pool holds 0."},
        {"9-3", {}, "The range \"9-3\" runs backwards."},
        {"1-99", {}, ""},
        {"1-100", {}, "A pool holds at most 99 numbers."},
        {"1-50 51-99 100", {}, "A pool holds at most 99 numbers."},
        {"1-999999999", {}, "A pool holds at most 99 numbers."},
        {"1-10 7", {}, "The pool holds 7 twice."},
    };
    for (const auto& c : cases) {
        const PoolReading reading = readPool(c.text);
        EXPECT_EQ(reading.error, c.error) << c.text;
        if (c.error[0] == '\0' && !c.numbers.empty()) {
            EXPECT_EQ(reading.numbers, c.numbers) << c.text;
        }
    }
    EXPECT_EQ(readPool("1-99").numbers.size(), 99u);
}

TEST(WheelPool, WritesRunsOfThreeOrMoreAsRanges)
{
    EXPECT_EQ(poolText({1, 2, 3, 4, 5}), "1-5");
    EXPECT_EQ(poolText({3, 7, 11, 12, 13, 14, 15, 20, 21}), "3 7 11-15 20 21");
    EXPECT_EQ(readPool(poolText({3, 7, 11, 12, 13, 20, 21})).numbers, (std::vector<int>{3, 7, 11, 12, 13, 20, 21}));
}

TEST(WheelPool, TakesThePanesNumbersAndTheMostAndLeastFrequentOnes)
{
    const std::string lines = "   1   2   3   4   5   6\r\n   1   2   3   7   8   9\r\n   1   2  10  11  12  13\r\n";
    EXPECT_EQ(numbersOfLines(lines, nullptr), (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13}));
    EXPECT_EQ(frequentNumbers(lines, nullptr, 3, true), (std::vector<int>{1, 2, 3}));
    // Numbers up to the game's biggest that no line holds are the least frequent.
    const LastReport lotto = reportOf("Pick6", {"15"});
    EXPECT_EQ(frequentNumbers(lines, &lotto, 2, false), (std::vector<int>{14, 15}));
    EXPECT_TRUE(numbersOfLines(" 3  7  0 \r\n", nullptr).empty());
}

TEST(WheelRequest, RefusesWhatCannotBeWheeledInASentence)
{
    const auto request = [](int v, int k, int t, int m, long n = 49) {
        WheelRequest r;
        for (int i = 1; i <= v; ++i)
            r.pool.push_back(i);
        r.ticket = k;
        r.guarantee = t;
        r.drawn = m;
        r.game = {{n, k}, std::nullopt};
        return r;
    };
    const struct {
        WheelRequest request;
        const char* error;
    } cases[] = {
        {request(20, 6, 3, 3), ""},
        {request(20, 6, 7, 7), "A ticket of 6 numbers can hold from 1 to 6 drawn numbers, not 7."},
        {request(20, 6, 0, 3), "A ticket of 6 numbers can hold from 1 to 6 drawn numbers, not 0."},
        {request(20, 6, 3, 7), "The drawn numbers in the pool must count from 3 (the numbers a ticket is to hold) "
                               "to 6 (all that are drawn), not 7."},
        {request(20, 6, 3, 2), "The drawn numbers in the pool must count from 3 (the numbers a ticket is to hold) "
                               "to 6 (all that are drawn), not 2."},
        {request(5, 6, 2, 2), "The pool holds 5 numbers, fewer than the 6 of a ticket."},
        {request(30, 21, 2, 2), "A ticket holds from 1 to 20 numbers."},
        {request(50, 6, 2, 2), "The pool holds 50, above the game's biggest number 49."},
        {request(99, 6, 5, 5, 99), "Such a wheel needs at least 12,046,007 tickets, more than the 100,000 this program "
                                   "makes. Choose fewer numbers or a smaller guarantee."},
        {request(99, 20, 6, 6, 99), "The pool's 99 numbers hold 1,120,529,256 sets of 6, too many to search. Choose "
                                    "fewer numbers or a smaller guarantee."},
        // The split's parts of 20 are searched, though 99 numbers hold too many 4-sets.
        {request(99, 20, 5, 10, 99), ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(requestError(c.request), c.error) << c.request.pool.size() << "/" << c.request.ticket;
    EXPECT_EQ(uncheckableNote(request(20, 6, 3, 3)), "");
    EXPECT_EQ(uncheckableNote(request(99, 6, 3, 6, 99)),
              "The pool's 99 numbers hold 1,120,529,256 sets of 6, more than can surely be checked in a few "
              "seconds: the wheel may come without a proven guarantee.");
}

TEST(WheelRequest, ReadsTheGameWithASecondDrumAfterAPlus)
{
    const struct {
        const char* text;
        std::string answer; // as read back; empty when refused
    } cases[] = {
        {" 49", "49"}, {"69 + 26", "69 + 26"}, {"50+12 2", "50 + 12 2"}, {"49 +", ""},
        {"forty", ""}, {"49 + 2 3", ""}, {"5", ""}, {"49 + 0", ""},
    };
    for (const auto& c : cases) {
        const GameReading reading = readGame(c.text, 6);
        EXPECT_EQ(reading.game ? gameAnswer(*reading.game) : std::string(), c.answer) << c.text;
        EXPECT_EQ(reading.error.empty(), !c.answer.empty()) << c.text;
    }
}
