// SPDX-License-Identifier: GPL-3.0-or-later
#include "ExactCount.h"

#include "PrizeTiers.h"

mpz_class exactCombinations(long n, long k)
{
    if (k < 0 || n < 0 || k > n)
        return 0;
    mpz_class count;
    mpz_bin_uiui(count.get_mpz_t(), static_cast<unsigned long>(n), static_cast<unsigned long>(k));
    return count;
}

std::string groupedText(const mpz_class& count)
{
    const std::string digits = count.get_str();
    std::string text;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0)
            text += ',';
        text += digits[i];
    }
    return text;
}

std::string quotientText(const mpz_class& total, const mpz_class& divisor, int decimals)
{
    mpz_class scale;
    mpz_ui_pow_ui(scale.get_mpz_t(), 10, static_cast<unsigned long>(decimals));
    // Both are positive, so a half away from zero is floor(q + 1/2).
    const mpz_class scaled = (2 * total * scale + divisor) / (2 * divisor);
    if (decimals == 0)
        return groupedText(scaled);
    const mpz_class whole = scaled / scale;
    std::string fraction = mpz_class(scaled % scale).get_str();
    fraction.insert(0, static_cast<std::size_t>(decimals) - fraction.size(), '0');
    return groupedText(whole) + "." + fraction;
}

mpz_class totalCombinations(const TierGame& game)
{
    mpz_class count = exactCombinations(game.first.biggest, game.first.perLine);
    if (game.second)
        count *= exactCombinations(game.second->biggest, game.second->perLine);
    return count;
}

std::string jackpotLine(const mpz_class& total, long distinctLines, const std::string& unit)
{
    // Below 10 a whole number hides too much: 1 in 1.31 is not 1 in 1.
    const int decimals = total < 10 * mpz_class(distinctLines) ? 2 : 0;
    return std::to_string(distinctLines) + " distinct " + unit
           + (distinctLines == 1 ? " holds" : "s hold")
           + " the jackpot with probability 1 in " + quotientText(total, distinctLines, decimals);
}
