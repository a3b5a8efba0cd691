// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <vector>

// One value a report was made with: the title of the prompt (or dialog) that
// asked for it and the text that gives it back exactly.
struct ReportValue {
    std::string title;
    std::string text;
};

// What the last report was: the button that made it, the values it used
// after the prompts' checks, and its seed. Enough to make the same report
// again, and to know how its lines are laid out.
struct LastReport {
    std::string button;  // the button's name ("Pick6"), set by whoever runs the click
    std::string caption; // "Lotto 6"
    std::vector<ReportValue> values;
    std::optional<double> seed;
    bool shown = false; // a report reached the pane

    // The values as numbers (a value that is not one reads as 0).
    std::vector<double> numbers() const;
};

// A value (a seed) as the shortest text that reads back to the very same double.
std::string roundTripText(double value);
// The seed read back from that text; nothing for text that is not a number.
std::optional<double> readSeed(const std::string& text);

// The text of "Report Details": caption, one line per value, the seed.
std::string reportDetailsText(const LastReport& report);
