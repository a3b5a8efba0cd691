// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ClickContext.h"
#include "Clock.h"
#include "MemoryPane.h"
#include "RandomSource.h"
#include "ScriptedDialogs.h"

#include <cstdlib>
#include <filesystem>
#include <sys/stat.h>
#include <sstream>
#include <string>
#include <vector>

// A random source that repeats a fixed list of values.
class FixedRandom : public RandomSource {
public:
    explicit FixedRandom(std::vector<float> values) : values_(std::move(values)) {}
    void reseed(double) override {}
    float next() override { return values_[index_++ % values_.size()]; }
    std::size_t drawn() const { return index_; }

private:
    std::vector<float> values_;
    std::size_t index_ = 0;
};

class FixedClock : public Clock {
public:
    FixedClock(float seconds, CalendarDate date) : seconds_(seconds), date_(date) {}
    float timer() override { return seconds_; }
    CalendarDate today() override { return date_; }

private:
    float seconds_;
    CalendarDate date_;
};

// A fresh working directory for one test; the previous one comes back after.
class TempDirectory {
public:
    TempDirectory() : previous_(std::filesystem::current_path())
    {
        std::string name = (std::filesystem::temp_directory_path() / "tessaro7-XXXXXX").string();
        path_ = ::mkdtemp(name.data());
        std::filesystem::current_path(path_);
    }
    ~TempDirectory()
    {
        std::filesystem::current_path(previous_);
        std::filesystem::remove_all(path_);
    }
    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path previous_;
    std::filesystem::path path_;
};

// One click run against an in-memory pane with scripted answers.
struct ScriptedClick {
    explicit ScriptedClick(std::vector<std::string> answers, std::optional<double> seed = 42.0)
        : dialogs(std::move(answers), messages),
          clock(43200.5f, {7, 12, 2026}),
          context{pane, dialogs, random, clock, seed}
    {
    }

    void run(ClickProcedure procedure) { procedure(context); }

    MemoryPane pane;
    std::ostringstream messages;
    ScriptedDialogs dialogs;
    RandomSource random;
    FixedClock clock;
    ClickContext context;
};

std::string readFile(const std::filesystem::path& path);
void writeFile(const std::filesystem::path& path, const std::string& bytes);
// The names in a folder (the working directory), sorted.
std::vector<std::string> folderEntries(const std::filesystem::path& folder = ".");
// What lstat says of a path (all zero when it fails).
struct stat statOf(const std::filesystem::path& path);
// An extended attribute of a file, or "(none)".
std::string attributeOf(const std::filesystem::path& path, const char* name);

// False, after saying so, when TESSARO7_DECIMAL_COMMA is set but the
// process's numeric locale does not write "," as its decimal point (the
// locale the environment names is missing).
bool decimalCommaAsRequired();
