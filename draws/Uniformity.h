// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <vector>

// The chance that a chi-square variable on `degrees` degrees of freedom is
// at least x: the regularised upper incomplete gamma Q(degrees / 2, x / 2).
double chiSquareSurvival(double x, double degrees);

// Whether a drum's numbers came up evenly in a history: Pearson's statistic
// over the counts, scaled by (N - 1) / (N - k) because each draw takes k of
// the N numbers without replacement (Haigh 1997), on N - 1 degrees of
// freedom.
struct Uniformity {
    double statistic = 0;
    long degrees = 0;
    double scale = 1; // (N - 1) / (N - k)
    double p = 1;     // the chance of counts this uneven or more from a fair draw
    long drawn = 0;   // k
    long numbers = 0; // N

    // "chi-square 45.12 (Pearson's × 48/43: 6 of 49 drawn without
    // replacement), 48 degrees of freedom, p = 0.5921: ..." and what that
    // means in plain words.
    std::string text() const;
};

// The test of the counts of numbers 1 to N over `draws` draws of k numbers
// each; or why it cannot be made (too few draws, a drum of one number).
struct UniformityReading {
    std::optional<Uniformity> test;
    std::string reason;

    std::string text() const { return test ? test->text() : reason; }
};
UniformityReading uniformity(const std::vector<long>& counts, long draws, long drawn);
