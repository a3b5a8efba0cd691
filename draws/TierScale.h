// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Draw.h"
#include "LineLayout.h"

#include <cstddef>
#include <string>

// The prize tiers of a draw for lines of a layout, from the best down, each
// at its place (0 is the best). Names are made when asked for: a game of
// 1000 + 1000 numbers a line has a million tiers.
class TierScale {
public:
    TierScale(const Draw& draw, const LineLayout& layout);

    std::size_t size() const;
    std::string name(std::size_t place) const;
    const std::string& unit() const { return unit_; } // "line" or "ticket"
    // A play in a tier counts in the tiers after it too ("in order" is "in any order").
    bool nested() const { return kind_ == LineKind::Digits || kind_ == LineKind::Horses; }

    // Number lines: the place of a line holding `first` numbers of the first
    // drum and `second` of the second.
    std::size_t place(int first, int second) const;
    // Tickets: the place of `right` games of the draw's.
    std::size_t ticketPlace(int right) const { return static_cast<std::size_t>(first_ - right); }

    // Whether a check lists every tier: the odds box shows at most 21; past
    // that only the tiers that hold anything are listed, and one line says
    // how many more hold nothing.
    bool listsEveryTier() const { return size() <= kListedTiers; }
    static constexpr std::size_t kListedTiers = 21;

private:
    LineKind kind_;
    int first_;  // numbers of the first drum (games for tickets)
    int second_; // numbers of the second drum
    long biggest_;
    std::string unit_;
};

// The line that stands for the tiers a check leaves out: "998 other tiers:
// 0 lines".
std::string leftOutTiers(std::size_t tiers, const std::string& unit);
