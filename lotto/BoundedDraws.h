// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

class RandomSource;

// The draws of one line, drawNumber each, within a budget of
// random values. The budget is what keeps a hopeless biggest number from
// freezing the control: when no drawn set ever passes the filters, or the
// last number of a range can hardly be drawn, the line gives up instead of
// drawing forever.
class BoundedDraws {
public:
    // Generous: a line at the defaults uses about ten values.
    static constexpr std::int64_t kValuesPerLine = 1'000'000;

    explicit BoundedDraws(RandomSource& random) : random_(random) {}

    void startLine() { left_ = kValuesPerLine; }
    bool exhausted() const { return left_ <= 0; }

    std::int32_t number(double biggest);
    // `count` distinct numbers in drawing order: each one is drawn again,
    // alone, while it equals an earlier one. False when the budget ran out.
    bool distinctNumbers(double biggest, std::int32_t* numbers, int count);

private:
    RandomSource& random_;
    std::int64_t left_ = kValuesPerLine;
};
