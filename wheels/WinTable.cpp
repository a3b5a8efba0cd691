// SPDX-License-Identifier: GPL-3.0-or-later
#include "WinTable.h"

#include "ExactCount.h"
#include "Subsets.h"

namespace {

constexpr std::uint64_t kStopEvery = 4096;

mpq_class powerOfTen(long exponent)
{
    mpz_class power;
    mpz_ui_pow_ui(power.get_mpz_t(), 10, static_cast<unsigned long>(exponent < 0 ? -exponent : exponent));
    return exponent < 0 ? mpq_class(1, power) : mpq_class(power);
}

// How often some ticket meets a set of j of the tickets' numbers in exactly
// m places, for every j up to K: a depth-first walk through the sets, each
// ticket's count of the set's numbers kept up to date.
class DrawCount {
public:
    DrawCount(int numbers, int deepest, const Tickets& tickets);
    // False when the walk would take too long or was stopped.
    bool run(const std::function<bool()>& stop);
    // hits[j][m]
    std::vector<std::vector<std::uint64_t>> hits;

private:
    void walk(int from, int depth);

    int numbers_;
    int deepest_;
    std::vector<std::vector<int>> ticketsOf_; // per number, the tickets holding it
    std::vector<int> count_;                  // per ticket, the set's numbers it holds
    std::vector<std::uint64_t> holding_;      // per count, the tickets holding that many
    std::uint64_t steps_ = 0;
    const std::function<bool()>* stop_ = nullptr;
    bool stopped_ = false;
};

DrawCount::DrawCount(int numbers, int deepest, const Tickets& tickets)
    : hits(static_cast<std::size_t>(deepest) + 1, std::vector<std::uint64_t>(kMostPoolNumbers + 1, 0)),
      numbers_(numbers), deepest_(deepest), ticketsOf_(static_cast<std::size_t>(numbers)),
      count_(tickets.size(), 0), holding_(kMostPoolNumbers + 1, 0)
{
    for (std::size_t t = 0; t < tickets.size(); ++t)
        tickets[t].forEach([&](int p) { ticketsOf_[static_cast<std::size_t>(p)].push_back(static_cast<int>(t)); });
    holding_[0] = tickets.size();
}

bool DrawCount::run(const std::function<bool()>& stop)
{
    std::uint64_t held = 0;
    for (const auto& list : ticketsOf_)
        held += list.size();
    // Each set costs a look at every count, each number added a step per ticket holding it.
    std::uint64_t sets = 0;
    for (int j = 0; j <= deepest_; ++j)
        sets += binomial(numbers_, j);
    const std::uint64_t perSet = static_cast<std::uint64_t>(deepest_) + 1 + held / std::max(1, numbers_);
    if (sets > kMostWinSteps / perSet)
        return false;
    stop_ = &stop;
    walk(0, 0);
    return !stopped_;
}

void DrawCount::walk(int from, int depth)
{
    auto& row = hits[static_cast<std::size_t>(depth)];
    for (int m = 0; m <= depth; ++m)
        row[static_cast<std::size_t>(m)] += holding_[static_cast<std::size_t>(m)] > 0;
    if (depth == deepest_ || stopped_)
        return;
    if (++steps_ % kStopEvery == 0 && *stop_ && (*stop_)()) {
        stopped_ = true;
        return;
    }
    for (int p = from; p < numbers_; ++p) {
        const auto& holders = ticketsOf_[static_cast<std::size_t>(p)];
        for (int t : holders) {
            --holding_[static_cast<std::size_t>(count_[static_cast<std::size_t>(t)])];
            ++holding_[static_cast<std::size_t>(++count_[static_cast<std::size_t>(t)])];
        }
        walk(p + 1, depth + 1);
        for (int t : holders) {
            --holding_[static_cast<std::size_t>(count_[static_cast<std::size_t>(t)])];
            ++holding_[static_cast<std::size_t>(--count_[static_cast<std::size_t>(t)])];
        }
    }
}

// The chance that a line of a drum holds exactly `matched` of its drawn numbers.
mpq_class drumChance(const Drum& drum, long matched)
{
    mpq_class chance(exactCombinations(drum.perLine, matched)
                         * exactCombinations(drum.biggest - drum.perLine, drum.perLine - matched),
                     exactCombinations(drum.biggest, drum.perLine));
    chance.canonicalize();
    return chance;
}

// 1 - (1 - p)^n, exactly.
mpq_class someOf(const mpq_class& p, std::size_t n)
{
    mpz_class missed = p.get_den() - p.get_num();
    mpz_class all = p.get_den();
    mpz_pow_ui(missed.get_mpz_t(), missed.get_mpz_t(), n);
    mpz_pow_ui(all.get_mpz_t(), all.get_mpz_t(), n);
    mpq_class some(all - missed, all);
    some.canonicalize();
    return some;
}

std::string gameText(const TierGame& game)
{
    std::string text = std::to_string(game.first.perLine) + " of " + std::to_string(game.first.biggest);
    if (game.second)
        text += " + " + std::to_string(game.second->perLine) + " of " + std::to_string(game.second->biggest);
    return text;
}

std::string plural(std::size_t count, const char* word)
{
    return std::to_string(count) + " " + word + (count == 1 ? "" : "s");
}

} // namespace

WinTable winTable(const TierGame& game, const std::vector<int>& numbers, const Tickets& tickets,
                  const std::function<bool()>& stop)
{
    WinTable table;
    table.game = game;
    table.tickets = tickets.size();
    table.numbers = numbers.size();
    const long n = game.first.biggest;
    const long k = game.first.perLine;
    const auto u = static_cast<long>(numbers.size());
    const mpz_class all = exactCombinations(n, k);
    for (long j = 0; j <= std::min(k, u); ++j)
    {
        table.drawnInPool.emplace_back(exactCombinations(u, j) * exactCombinations(n - u, k - j), all);
        table.drawnInPool.back().canonicalize();
    }

    DrawCount count(static_cast<int>(u), static_cast<int>(std::min(k, u)), tickets);
    table.counted = count.run(stop);
    for (const Tier& tier : tiersOf(game)) {
        WinTier win{tier, std::nullopt, 0, 0};
        const mpq_class second = game.second ? drumChance(*game.second, tier.second) : mpq_class(1);
        const mpq_class line = drumChance(game.first, tier.first) * second;
        win.randomChance = someOf(line, tickets.size());
        win.expected = line * static_cast<unsigned long>(tickets.size());
        if (table.counted) {
            mpz_class draws = 0;
            for (long j = tier.first; j <= std::min(k, u); ++j)
                draws += exactCombinations(n - u, k - j)
                         * mpz_class(static_cast<unsigned long>(
                             count.hits[static_cast<std::size_t>(j)][static_cast<std::size_t>(tier.first)]));
            win.wheelChance = mpq_class(draws, all) * second;
            win.wheelChance->canonicalize();
        }
        table.tiers.push_back(std::move(win));
    }
    return table;
}

std::string significantText(const mpq_class& value)
{
    if (value <= 0)
        return "0";
    long exponent = static_cast<long>(mpz_sizeinbase(value.get_num_mpz_t(), 10))
                    - static_cast<long>(mpz_sizeinbase(value.get_den_mpz_t(), 10));
    while (value < powerOfTen(exponent))
        --exponent;
    while (value >= powerOfTen(exponent + 1))
        ++exponent;
    const mpq_class scaled = value * powerOfTen(3 - exponent);
    // A half rounds up.
    mpz_class digits = (2 * scaled.get_num() + scaled.get_den()) / (2 * scaled.get_den());
    if (digits == 10000) {
        digits = 1000;
        ++exponent;
    }
    const std::string d = digits.get_str();
    if (exponent < -4) {
        const long e = -exponent;
        return d.substr(0, 1) + "." + d.substr(1) + "E-" + (e < 10 ? "0" : "") + std::to_string(e);
    }
    if (exponent >= 3) {
        mpz_class whole;
        mpz_ui_pow_ui(whole.get_mpz_t(), 10, static_cast<unsigned long>(exponent - 3));
        return groupedText(digits * whole);
    }
    if (exponent >= 0)
        return d.substr(0, static_cast<std::size_t>(exponent) + 1) + "." + d.substr(static_cast<std::size_t>(exponent) + 1);
    return "0." + std::string(static_cast<std::size_t>(-exponent - 1), '0') + d;
}

std::string winSummary(const WinTable& table)
{
    std::string text = "Chance of each prize in one draw of " + gameText(table.game) + ", with these "
                       + plural(table.tickets, "ticket") + " and with as many random ones:\n";
    for (const WinTier& tier : table.tiers)
        text += tierName(table.game, tier.tier) + ": "
                + (tier.wheelChance ? significantText(*tier.wheelChance) : std::string("not counted"))
                + " (random tickets " + significantText(tier.randomChance) + ")\n";
    if (!table.counted)
        text += "The tickets' own chances were not counted: there are too many draws to go through.\n";
    return text;
}

std::string winDetails(const WinTable& table)
{
    std::string text = "Game: " + gameText(table.game) + (table.game.second ? ", the same second-drum numbers on every ticket" : "")
                       + "\nTickets: " + std::to_string(table.tickets)
                       + "\nPer prize: the chance that a ticket wins it, with these tickets and with as many"
                         " random ones; the winning tickets expected, the same for any tickets\n";
    for (const WinTier& tier : table.tiers)
        text += tierName(table.game, tier.tier) + ": "
                + (tier.wheelChance ? significantText(*tier.wheelChance) : std::string("not counted")) + ", "
                + significantText(tier.randomChance) + "; " + significantText(tier.expected) + "\n";
    text += "The chance that so many of the drawn numbers are among the tickets' " + std::to_string(table.numbers) + ":\n";
    for (std::size_t j = table.drawnInPool.size(); j-- > 0;)
        text += std::to_string(j) + ": " + significantText(table.drawnInPool[j]) + "\n";
    return text;
}
