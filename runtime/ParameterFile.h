// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "TextFile.h"

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class Dialogs;
struct ClickContext;

// A game's remembered answers ("Lotto6.INI"), one print statement per line
// with "," between the values, each line ended by CR LF.
class ParameterFile {
public:
    // valuesPerLine splits the values over lines ({1, 1} for two lines);
    // empty means all on one line.
    ParameterFile(std::string fileName, std::vector<double> defaults,
                  std::vector<std::size_t> valuesPerLine = {});

    // The remembered values; the defaults when the file is missing, empty
    // or holds no number where a value is expected. Reading never writes.
    // Values are read in order, the last complete set standing; values a
    // short file lacks stay 0. A file that exists but cannot be read (a
    // pipe, a folder) leaves the defaults, and *problem says why.
    std::vector<double> read(std::string* problem = nullptr) const;
    // Replaces the file as a whole (AtomicFile.h); a file that holds more
    // than numbers is no parameter file and is refused.
    FileResult write(const std::vector<double>& values) const;

    const std::string& fileName() const { return fileName_; }
    std::string render(const std::vector<double>& values) const;

private:
    std::string fileName_;
    std::vector<double> defaults_;
    std::vector<std::size_t> valuesPerLine_;
};

// Whether a text could be a parameter file: numbers between blanks, commas
// and line ends, or nothing. Any other file keeps its place: a click never
// writes over it.
bool holdsOnlyNumbers(std::string_view text);

struct ParameterPrompt {
    std::string text;
    std::string title;
};

// A game's check of one answer, given the remembered value: the value to
// keep, or no value to end the command at once.
using AnswerCheck =
    std::function<std::optional<double>(std::size_t index, double answer, double remembered)>;

// The form most lotto games use: an answer of 0 or less takes the remembered value.
std::optional<double> keepRememberedWhenNotPositive(std::size_t index, double answer,
                                                    double remembered);

// Reads the file's remembered values, writing nothing (a file that cannot be
// read is named in a message, under the first prompt's title), then prompts each value in turn
// with Str of its remembered value as the default text; Cancel, an empty or
// non-numeric answer reads as 0. Gives no values when a check ends the
// command. The caller rewrites the file.
std::optional<std::vector<double>> askParameters(Dialogs& dialogs, const ParameterFile& file,
                                                 const std::vector<ParameterPrompt>& prompts,
                                                 const AnswerCheck& check);

// Rewrites the file with the final values, the one time a click writes it;
// when that fails, a message says that the answer could not be remembered,
// naming the file and the reason, and the click goes on.
void rememberAnswers(Dialogs& dialogs, const ParameterFile& file, const std::vector<double>& values,
                     const std::string& title);

// The same with the click's dialogs; the values kept are added to the
// click's report, under their prompts' titles.
std::optional<std::vector<double>> askParameters(ClickContext& click,
                                                 const ParameterFile& file,
                                                 const std::vector<ParameterPrompt>& prompts,
                                                 const AnswerCheck& check);
