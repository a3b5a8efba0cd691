// SPDX-License-Identifier: GPL-3.0-or-later
#include "Roulette.h"

#include "Clock.h"
#include "PrintWriter.h"
#include "RandomSource.h"
#include "Rounding.h"
#include "TextFunctions.h"

namespace {

// Bit n set for each red number n.
constexpr std::uint64_t kRed = (1ull << 1) | (1ull << 3) | (1ull << 5) | (1ull << 7) | (1ull << 9)
    | (1ull << 12) | (1ull << 14) | (1ull << 16) | (1ull << 18) | (1ull << 19) | (1ull << 21)
    | (1ull << 23) | (1ull << 25) | (1ull << 27) | (1ull << 30) | (1ull << 32) | (1ull << 34)
    | (1ull << 36);

// 1000 × 24 ÷ 38, whole part: each Bond bet covers 24 of the 38 pockets.
constexpr int kExpectedBondWins = 631;

const char* winOrLoss(bool won, const char* win, const char* loss) { return won ? win : loss; }

void writeRule(PrintWriter& out) { out.tab(1).text(String(54, '-')).endLine(); }

} // namespace

void writeSpin(PrintWriter& out, int pocket, RouletteTally& tally)
{
    const bool number = pocket >= 1 && pocket <= 36;
    if (pocket == kDoubleZero)
        out.tab(1).text(" 00");
    else
        out.tab(1).numberField(pocket, 3);

    static const char* const kDozens[] = {"Doz_1", "Doz_2", "Doz_3"};
    static const char* const kColumns[] = {"Col_1", "Col_2", "Col_3"};
    const char* colour = "";
    const char* range = "";
    const char* parity = "";
    const char* dozen = "";
    const char* column = "";
    if (number) {
        const bool red = (kRed >> pocket) & 1u;
        colour = red ? "  red" : "black";
        ++(red ? tally.red : tally.black);
        range = pocket <= 18 ? " low" : "high";
        ++(pocket <= 18 ? tally.low : tally.high);
        parity = pocket % 2 == 0 ? "even" : " odd";
        ++(pocket % 2 == 0 ? tally.even : tally.odd);
        dozen = kDozens[(pocket - 1) / 12];
        column = kColumns[(pocket - 1) % 3];
    }
    out.tab(5).text(colour).tab(11).text(range).tab(16).text(parity);
    out.tab(22).text(dozen).tab(28).text(column);

    const bool bond12 = number && pocket <= 24;
    const bool bond13 = number && (pocket <= 12 || pocket >= 25);
    const bool bond23 = number && pocket >= 13;
    tally.bond12 += bond12;
    tally.bond13 += bond13;
    tally.bond23 += bond23;
    out.tab(35).text(winOrLoss(bond12, "D1&2+", "D1&2-"));
    out.tab(42).text(winOrLoss(bond13, "D1&3+", "D1&3-"));
    out.tab(49).text(winOrLoss(bond23, "D2&3+", "D2&3-")).endLine();
}

void writeRouletteSummary(PrintWriter& out, const RouletteTally& tally, double seed,
                          std::int32_t secondsSinceMidnight)
{
    writeRule(out);
    out.tab(1).text("+").tab(4).text("blk").number(tally.black).tab(12).text("lo").number(tally.low);
    out.tab(19).text("ev").number(tally.even).endLine();
    out.tab(1).text("+").tab(4).text("red").number(tally.red).tab(12).text("hi").number(tally.high);
    out.tab(19).text("od").number(tally.odd).endLine();
    writeRule(out);
    out.tab(1).text("Total Bond wins (+) ............").tab(35).number(tally.bond12);
    out.tab(42).number(tally.bond13).tab(49).number(tally.bond23).endLine();
    out.tab(1).text("Expected Bond wins (+) .........").tab(35).number(kExpectedBondWins);
    out.tab(42).number(kExpectedBondWins).tab(49).number(kExpectedBondWins).endLine();
    // The differences stand one column right of the wins above them.
    out.tab(1).text("Difference from expected .......").tab(36).number(tally.bond12 - kExpectedBondWins);
    out.tab(43).number(tally.bond13 - kExpectedBondWins);
    out.tab(50).number(tally.bond23 - kExpectedBondWins).endLine();
    writeRule(out);
    out.tab(2).number(seed).text("(random seed)").tab(33).text(" * Timer:");
    out.number(secondsSinceMidnight).text("seconds since mid-nite").endLine();
}

std::string rouletteReport(RandomSource& random, double seed, float timeOfDay)
{
    PrintWriter out;
    out.reserve(1000 * 55 + 9 * 80);
    RouletteTally tally;
    for (int spin = 0; spin < 1000; ++spin)
        writeSpin(out, drawNumber(random, kPockets) - 1, tally); // 0 to 37, 37 for 00
    writeRouletteSummary(out, tally, seed, toInt32(timeOfDay).value_or(0));
    return out.take();
}

void Roulette_Click(ClickContext& click)
{
    const double seed = click.reseed();
    click.clearAndStyle();
    click.show(rouletteReport(click.random, seed, click.clock.timer()));
}
