// SPDX-License-Identifier: GPL-3.0-or-later
#include "PoolSymmetry.h"

#include <algorithm>
#include <numeric>

int PoolSymmetry::scalings() const
{
    int count = 1;
    for (int power = product(multiplier, 1); length > 1 && power != 1; power = product(power, multiplier))
        ++count;
    return count;
}

Tickets expandOrbits(const Tickets& base, const PoolSymmetry& symmetry)
{
    Tickets all;
    std::vector<int> positions;
    std::vector<int> image;
    for (const PoolSet& ticket : base) {
        positions.clear();
        ticket.forEach([&](int p) { positions.push_back(p); });
        symmetry.forEachImage(positions, image, [&](const std::vector<int>& turned) {
            PoolSet set;
            for (int p : turned)
                set.insert(p);
            all.push_back(set);
        });
    }
    std::sort(all.begin(), all.end());
    all.erase(std::unique(all.begin(), all.end()), all.end());
    return all;
}

namespace {

// Each group of multipliers mod length once, by the first multiplier that makes it.
void addMultipliers(std::vector<PoolSymmetry>& groups, int length, int cycles)
{
    std::vector<std::vector<bool>> made;
    for (int m = 2; m < length; ++m) {
        const PoolSymmetry group{length, cycles, m};
        if (std::gcd(m, length) != 1 || group.scalings() > kMostScalings)
            continue;
        std::vector<bool> members(static_cast<std::size_t>(length), false);
        for (int power = m;; power = power * m % length) {
            members[static_cast<std::size_t>(power)] = true;
            if (power == 1)
                break;
        }
        if (std::find(made.begin(), made.end(), members) == made.end()) {
            made.push_back(members);
            groups.push_back(group);
        }
    }
}

} // namespace

std::vector<PoolSymmetry> symmetriesFor(int v)
{
    std::vector<PoolSymmetry> groups;
    for (int length = 2; length <= v; ++length)
        for (int cycles = v / length; cycles >= 1 && cycles >= v / length - 1; --cycles)
            groups.push_back({length, cycles});
    for (int cycles = 1; cycles <= 2; ++cycles)
        for (int length = std::max(3, (v - 2 + cycles - 1) / cycles); length * cycles <= v; ++length)
            addMultipliers(groups, length, cycles);
    // The mirror image x -> -x within every cycle of many short ones, one
    // number or none in place (one or two cycles have all their multipliers
    // above): six cycles of 3 mirrored make 60 tickets of 6 for 19 numbers,
    // 3 if 3, at once. With two numbers in place, the mirror swaps them.
    for (int length = 3; length <= v - 2; ++length)
        for (int inPlace = 0; inPlace <= 2; ++inPlace) {
            const int cycles = (v - inPlace) / length;
            if ((v - inPlace) % length != 0 || (inPlace < 2 && cycles <= 2))
                continue;
            PoolSymmetry mirror{length, cycles, length - 1};
            mirror.swapsInPlace = inPlace == 2;
            groups.push_back(mirror);
        }
    // Designs with a few numbers in place: the 55 tickets of 5 for 15
    // numbers, 3 if 3, turn in two cycles of 4 and one of 2. With more in
    // place the search is hardly smaller than the plain one, and its share
    // of the time goes to waste (21 numbers in 152 tickets of 5 took longer).
    for (int fours = 1; fours <= 2; ++fours)
        for (int twos = 1; twos <= 2; ++twos) {
            PoolSymmetry mixed{4, fours};
            mixed.halfCycles = twos;
            if (mixed.inPlace() <= v && v - mixed.inPlace() <= kMostMixedInPlace)
                groups.push_back(mixed);
        }
    if (const IcosahedralGroup* rotations = IcosahedralGroup::of(v)) {
        PoolSymmetry line{v, 0};
        line.rotations = rotations;
        groups.push_back(line);
    }
    return groups;
}

std::vector<PoolSymmetry> bigPoolSymmetries(int v)
{
    std::vector<PoolSymmetry> groups{{v, 1}, {v - 1, 1}};
    for (int length = v; length >= v - 1; --length)
        addMultipliers(groups, length, 1);
    if (const PrimePowerField* field = PrimePowerField::of(v)) {
        // Each group of multiples bigger than those of the turns: the sums
        // with fewer multiples make wheels like the turns'.
        for (int order = kMostScalings + 1; order <= kMostFieldScalings; ++order) {
            if ((v - 1) % order != 0)
                continue;
            groups.push_back({v, 1, field->power(field->generator(), (v - 1) / order), field});
        }
    }
    return groups;
}
