// SPDX-License-Identifier: GPL-3.0-or-later
#include "PrizeTiers.h"

#include "ExactCount.h"

namespace {

constexpr std::size_t kMostTiers = 21;

// The combinations of one drum that hold exactly `matched` of the drawn
// numbers: the matched ones from those drawn, the rest from those not drawn.
mpz_class drumCount(const Drum& drum, long matched)
{
    return exactCombinations(drum.perLine, matched)
           * exactCombinations(drum.biggest - drum.perLine, drum.perLine - matched);
}

bool drumFits(const Drum& drum) { return drum.perLine > 0 && drum.biggest >= drum.perLine; }

} // namespace

bool makesGame(const TierGame& game)
{
    return drumFits(game.first) && (!game.second || drumFits(*game.second));
}

std::vector<Tier> tiersOf(const TierGame& game)
{
    std::vector<Tier> tiers;
    const long secondTop = game.second ? game.second->perLine : 0;
    for (long m = game.first.perLine; m >= 0 && tiers.size() < kMostTiers; --m)
        for (long b = secondTop; b >= 0 && tiers.size() < kMostTiers; --b)
            tiers.push_back({m, b});
    return tiers;
}

std::string tierName(const TierGame& game, const Tier& tier)
{
    std::string name = std::to_string(tier.first) + " of " + std::to_string(game.first.perLine);
    if (game.second)
        name += " + " + std::to_string(tier.second) + " of " + std::to_string(game.second->perLine);
    return name;
}

std::string tierTable(const TierGame& game)
{
    if (!makesGame(game))
        return "These values make no game: a line must take at least one number, and no "
               "more than its drum holds.\n";
    const mpz_class all = totalCombinations(game);
    std::string table;
    for (const Tier& tier : tiersOf(game)) {
        mpz_class count = drumCount(game.first, tier.first);
        if (game.second)
            count *= drumCount(*game.second, tier.second);
        table += tierName(game, tier) + ": " + groupedText(count)
                 + (count == 1 ? " combination, " : " combinations, ")
                 + (count == 0 ? std::string("never") : "1 in " + quotientText(all, count, 2))
                 + "\n";
    }
    return table;
}
