// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "IcosahedralGroup.h"
#include "PrimePowerField.h"
#include "WheelShape.h"

#include <vector>

// A group of the pool's positions: `cycles` cycles of `length` positions
// each (0 to length - 1 the first, and so on) that turn, the rest left in
// place; with a multiplier m, also x -> m x within each cycle. With a field
// of `length` elements (one cycle of a prime power), its sums and products
// take the place of the turns and the multiples: x -> x + b for every b,
// and x -> m x. With `swapsInPlace` and a multiplier of an even order, its
// odd powers also swap the first two positions in place: the reflection of
// three cycles of 6 that swaps the two numbers left over makes 70 tickets
// of 6 for 20 numbers, 3 if 3. After the cycles, `halfCycles` cycles of
// half their length may turn with them (a plain turn only): two cycles of 4
// and one of 2, five numbers in place, make 55 tickets of 5 for 15 numbers,
// 3 if 3. With `rotations` the group is theirs instead, on a pool of
// `length` = q + 1 positions, the line of q, and no cycles. A wheel that
// the group maps onto itself is known by one ticket of each orbit, so a
// search among such wheels has a fraction of the choices, and many of the
// smallest wheels known are of this kind.
struct PoolSymmetry {
    int length = 1;
    int cycles = 0;
    int multiplier = 1; // prime to length
    const PrimePowerField* field = nullptr;
    bool swapsInPlace = false;
    int halfCycles = 0;
    const IcosahedralGroup* rotations = nullptr;

    // The first position left in place.
    int inPlace() const { return length * cycles + length / 2 * halfCycles; }
    // Where a position goes in `turns` turns (not for the rotations).
    int image(int position, int turns = 1) const
    {
        if (position >= inPlace())
            return position;
        if (position >= length * cycles) {
            const int half = length / 2;
            const int offset = (position - length * cycles) % half;
            return position - offset + (offset + turns) % half;
        }
        const int offset = position % length;
        return position - offset + (field ? field->plus(offset, turns % length) : (offset + turns) % length);
    }
    // Where a position goes multiplied once.
    int scaled(int position) const { return scaledBy(position, multiplier); }
    bool multiplies() const { return multiplier != 1; }
    // More than a turn, with multiples or the rotations: a small search
    // that settles soon.
    bool settlesSoon() const { return multiplies() || rotations; }
    // How often the multiplier is applied before it is the identity.
    int scalings() const;
    // The number of group elements: each a scaling then a turn.
    int order() const
    {
        return rotations ? static_cast<int>(rotations->elements().size()) : length * scalings();
    }
    // Calls f with every image of the positions, one per group element
    // (an image may come more than once), each in `scratch`.
    template <class F>
    void forEachImage(const std::vector<int>& positions, std::vector<int>& scratch, F f) const
    {
        scratch.resize(positions.size());
        if (rotations) {
            for (const std::vector<int>& element : rotations->elements()) {
                for (std::size_t i = 0; i < positions.size(); ++i)
                    scratch[i] = element[static_cast<std::size_t>(positions[i])];
                f(scratch);
            }
            return;
        }
        const int times = scalings();
        const int first = inPlace();
        for (int s = 0, factor = 1; s < times; ++s, factor = product(factor, multiplier)) {
            const bool swap = swapsInPlace && s % 2 == 1;
            for (int turn = 0; turn < length; ++turn) {
                for (std::size_t i = 0; i < positions.size(); ++i) {
                    const int p = positions[i];
                    scratch[i] = swap && (p == first || p == first + 1) ? 2 * first + 1 - p
                                                                        : image(scaledBy(p, factor), turn);
                }
                f(scratch);
            }
        }
    }

private:
    int product(int a, int b) const { return field ? field->times(a, b) : a * b % length; }
    int scaledBy(int position, int factor) const
    {
        return position < length * cycles ? position - position % length + product(position % length, factor)
                                          : position;
    }
};

// Every ticket of the orbits of the given ones, each once.
Tickets expandOrbits(const Tickets& base, const PoolSymmetry& symmetry);

// The most multipliers (powers of one) a group worth trying has; in a
// field, whose sums mix the numbers more than a turn does, more.
constexpr int kMostScalings = 6;
constexpr int kMostFieldScalings = 8;
// The most positions the turns with cycles of 4 and 2 leave in place.
constexpr int kMostMixedInPlace = 5;

// The groups worth trying for a pool of v positions: turns of every cycle
// length from 2 up with as many whole cycles as fit, and those with one
// cycle fewer; the turns of one or two cycles that leave at most two
// positions in place also with a multiplier, one for each group of
// multipliers; the turns of three or more cycles that leave one position
// in place or none, and of any cycles that leave exactly two, also
// mirrored (x -> -x within each cycle, the two in place swapped); and
// turns of one or two cycles of 4 with one or two of 2 that leave at most
// five positions in place; and the rotations of the icosahedron where v - 1
// is a prime they act on.
std::vector<PoolSymmetry> symmetriesFor(int v);
// Those for a pool too big for every turn: one cycle of all v positions and
// one of v - 1 with one in place, each also with a multiplier, one for each
// group of multipliers.
std::vector<PoolSymmetry> bigPoolSymmetries(int v);
