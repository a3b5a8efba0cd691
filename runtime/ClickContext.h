// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "LastReport.h"

#include <optional>
#include <stdexcept>
#include <string>

class Clock;
class Dialogs;
class Pane;
class RandomSource;

// What a click procedure works with: the pane, the dialogs, the random
// source and the clock. The window, the runner and the tests each supply
// their own, and run the very same procedures.
struct ClickContext {
    Pane& pane;
    Dialogs& dialogs;
    RandomSource& random;
    Clock& clock;
    // When set, every reseed uses this number instead of TheSeeder.
    std::optional<double> fixedSeed;
    // What the click made: its values and seed (the procedures fill them)
    // and whether a report reached the pane.
    LastReport report = {};
    // A file the user chose (Save, an export) could not be written: the
    // runner's exit status says so.
    bool fileUnwritten = false;
    // The click refused the values it was given, saying why in a message
    // (the runner then exits with status 1).
    bool refused = false;

    // seed = TheSeeder; Reseed(seed). Returns the seed, which the report keeps.
    double reseed();
    // Empties the pane and styles what comes next: "Courier", 10 points, bold.
    void clearAndStyle(bool bold = true);
    // Hands a report's exact text to the emptied pane and shows it.
    void show(const std::string& text);
};

using ClickProcedure = void (*)(ClickContext&);

// An error that the calculators without an error trap pass on to their
// caller (a value that does not fit its 16-bit variable).
class OverflowError : public std::runtime_error {
public:
    explicit OverflowError(const std::string& what) : std::runtime_error(what) {}
};
