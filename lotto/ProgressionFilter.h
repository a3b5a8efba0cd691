// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <initializer_list>

// The ban on numbers in arithmetic progression: a line is thrown away when
// the values at the positions of one of its choices have equal gaps. The
// choices are fixed per game and held inline, so testing a line allocates
// nothing.
class ProgressionFilter {
public:
    static constexpr int kMaxLength = 6;
    static constexpr int kMaxChoices = 21;
    // 0-based positions into the line, in the order their values are compared.
    using Choice = std::array<std::uint8_t, kMaxLength>;

    constexpr ProgressionFilter(int length, std::initializer_list<Choice> choices)
        : length_(length)
    {
        for (const Choice& choice : choices)
            choices_[count_++] = choice;
    }

    // Every choice of `length` of the first `positions` positions, each kept
    // in ascending order; the positions need not be neighbours.
    static constexpr ProgressionFilter everyChoice(int positions, int length)
    {
        ProgressionFilter filter(length, {});
        Choice choice{};
        for (int i = 0; i < length; ++i)
            choice[i] = static_cast<std::uint8_t>(i);
        for (;;) {
            filter.choices_[filter.count_++] = choice;
            // The next choice in lexicographic order: raise the rightmost
            // position that still has room, and close up the ones after it.
            int i = length - 1;
            while (i >= 0 && choice[i] == positions - length + i)
                --i;
            if (i < 0)
                return filter;
            ++choice[i];
            for (int j = i + 1; j < length; ++j)
                choice[j] = static_cast<std::uint8_t>(choice[j - 1] + 1);
        }
    }

    // True when some choice's values stand in arithmetic progression.
    bool holdsProgression(const std::int32_t* values) const;

    int length() const { return length_; }
    int choiceCount() const { return count_; }
    const Choice& choice(int index) const { return choices_[index]; }

private:
    int length_ = 0;
    int count_ = 0;
    std::array<Choice, kMaxChoices> choices_{};
};
