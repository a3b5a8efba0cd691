// SPDX-License-Identifier: GPL-3.0-or-later
#include "Runner.h"

#include "ButtonTable.h"
#include "Clock.h"
#include "DrawCheck.h"
#include "DrawHistory.h"
#include "LastReport.h"
#include "MemoryPane.h"
#include "NumberFrequencies.h"
#include "RandomSource.h"
#include "ReportCsv.h"
#include "ScriptedDialogs.h"
#include "StartUp.h"
#include "TextEncoding.h"
#include "TextFile.h"

#include <CLI/CLI.hpp>

#include <cerrno>
#include <cstring>
#include <memory>
#include <new>
#include <optional>
#include <ostream>
#include <unistd.h>
#include <utility>

namespace {

struct Options {
    std::string directory;
    std::optional<double> seed;
    std::optional<std::string> draw;
    bool details = false;
    bool showSeed = false;
    bool csv = false;
    bool frequencies = false;
    std::optional<std::string> history;
    std::vector<std::string> nameAndAnswers;
};

std::string namesText()
{
    std::string text = "Names (case-insensitive), with caption and tooltip:\n";
    for (const auto& button : kButtons)
        text += "  " + std::string(button.name) + std::string(11 - std::strlen(button.name), ' ')
                + "\"" + button.caption + "\"  " + button.tooltip + "\n";
    for (const auto& operation : kPrivateOperations)
        text += "  " + std::string(operation.name) + "  " + operation.description + " (no button)\n";
    return text + "Font and Print need the window: run corvane-gui.";
}

// CLI11's help with the runner's own synopsis: NAME and its answers are no
// options of CLI11's.
class HelpFormat : public CLI::Formatter {
public:
    std::string make_usage(const CLI::App* app, std::string) const override
    {
        return "Usage: corvane [-C DIR] [--seed X] [--check DRAW] [--check-history FILE] [--details]\n"
               "               [--show-seed] [--csv] [--frequencies] NAME [ANSWER ...]\n"
               + app->get_description() + "\n";
    }
    std::string make_description(const CLI::App*) const override { return {}; }
};

// The options before NAME; NAME and everything after it come back verbatim,
// so an answer may start with "-".
void describe(CLI::App& app, Options& options)
{
    app.formatter(std::make_shared<HelpFormat>());
    app.description(
        "Runs one click of the control without a window and writes the pane's text.\n"
        "Each prompt takes the next ANSWER (\"\" is Cancel); once they run out a prompt\n"
        "keeps its default. Each file dialog takes the next ANSWER as the file name\n"
        "(\"\" or none is Cancel). Message boxes go to standard error as [title] text.");
    app.prefix_command();
    app.add_option("-C", options.directory, "work in DIR (parameter files are read and written there)")
        ->type_name("DIR");
    app.add_option_function<std::string>(
           "--seed",
           [&](const std::string& text) {
               options.seed = readSeed(text);
               if (!options.seed)
                   throw CLI::ValidationError("--seed", "needs a number, not \"" + text + "\"");
           },
           "reseed with X instead of the clock-and-date seed")
        ->type_name("X");
    app.add_option_function<std::string>(
           "--check", [&](const std::string& draw) { options.draw = draw; },
           "check the pane's lines against DRAW (\"3 11 19 27 38 + 7\") and write the\n"
           "result to standard error as [Check Against a Draw] and its lines")
        ->type_name("DRAW");
    app.add_option_function<std::string>(
           "--check-history", [&](const std::string& file) { options.history = file; },
           "check the pane's lines against every draw of FILE (a history as lotteries\n"
           "publish it, or one draw a line) and write the pairs and lines of each tier\n"
           "to standard error as [Check Against a Draw History]")
        ->type_name("FILE");
    app.add_flag("--details", options.details,
                 "write a message box's details (the odds boxes' tier tables) after it");
    app.add_flag("--show-seed", options.showSeed,
                 "write [seed] X for the seed the click used, X reading back to the same seed");
    app.add_flag("--csv", options.csv, "write the pane's report lines as CSV rows instead of the pane's text");
    app.add_flag("--frequencies", options.frequencies,
                 "write how often each number stands in the pane's lines to standard error,\n"
                 "as CSV rows group,value,count; with --check-history, how often the history\n"
                 "drew each number, and [Uniformity] lines: whether they came up evenly");
    app.footer(namesText());
}

// The click's own report lays out the pane's lines while it is shown;
// other text is read by its shape.
const LastReport* shownReport(const LastReport& report) { return report.shown ? &report : nullptr; }

// A check's result under its title, as the window's dialogs show it; false
// when the draw (or history) did not fit the lines.
template <typename Result>
bool writeResult(const char* title, const Result& result, std::ostream& err)
{
    err << title << "\n";
    for (const std::string& line : result.lines())
        err << escapeControls(line) << "\n";
    return result.error.empty();
}

// The counts of the pane's lines, or with a history those of its draws and
// whether they came up evenly.
bool writeFrequencies(const Frequencies& frequencies, std::ostream& err)
{
    if (!frequencies.error.empty()) {
        err << "corvane: --frequencies: " << escapeControls(frequencies.error) << "\n";
        return false;
    }
    err << frequencies.table();
    for (const FrequencyGroup& group : frequencies.groups)
        if (!group.uniformity.empty())
            err << "[Uniformity] " << group.name << ": " << group.uniformity << "\n";
    return true;
}

int runChecked(const std::vector<std::string>& args, std::ostream& out, std::ostream& err, bool terminalPrompts)
{
    Options options;
    CLI::App app("", "corvane");
    describe(app, options);
    try {
        std::vector<std::string> reversed(args.rbegin(), args.rend());
        app.parse(reversed);
    } catch (const CLI::CallForHelp&) {
        out << app.help();
        return 0;
    } catch (const CLI::ParseError& error) {
        err << "corvane: " << escapeControls(error.what()) << " (see corvane --help)\n";
        return 2;
    }
    const std::vector<std::string> rest = app.remaining();
    if (rest.empty()) {
        err << "corvane: no NAME given (see corvane --help)\n";
        return 2;
    }
    const std::string& name = rest.front();
    if (!name.empty() && name[0] == '-') {
        err << "corvane: unknown option " << escapeControls(name) << " (see corvane --help)\n";
        return 2;
    }
    const ButtonSpec* button = findButton(name);
    const OperationSpec* operation = button ? nullptr : findOperation(name);
    if (button && (std::string_view(button->name) == "Font" || std::string_view(button->name) == "Print")) {
        err << "corvane: " << button->name << " needs the window: run corvane-gui\n";
        return 2;
    }
    if (!button && !operation) {
        err << "corvane: unknown name \"" << escapeControls(name) << "\" (see corvane --help)\n";
        return 2;
    }
    if (!options.directory.empty() && ::chdir(options.directory.c_str()) != 0) {
        err << "corvane: cannot work in " << escapeControls(options.directory) << ": " << std::strerror(errno) << "\n";
        return 2;
    }

    std::string history;
    if (options.history) {
        std::string reason;
        const auto bytes = readFileBytes(*options.history, &reason, kLargestTextBytes);
        if (!bytes) {
            err << "corvane: cannot read " << escapeControls(*options.history) << ": " << reason << "\n";
            return 2;
        }
        history = decodeText(std::move(*bytes));
    }

    MemoryPane pane;
    writeWelcome(pane);
    ScriptedDialogs dialogs(std::vector<std::string>(rest.begin() + 1, rest.end()), err,
                            terminalPrompts);
    dialogs.writeDetails = options.details;
    SystemClock clock;
    ClickContext click{pane, dialogs, RandomSource::process(), clock, options.seed};
    int status = 0;
    try {
        if (button)
            runButton(*button, click);
        else
            operation->run(click);
    } catch (const OverflowError& error) {
        err << "corvane: " << (button ? button->name : operation->name) << ": " << escapeControls(error.what()) << "\n";
        status = 1;
    }
    // A Save that could not write, or a click that refused its answers,
    // fails the run, as its message says.
    if (click.fileUnwritten || click.refused)
        status = 1;
    if (options.showSeed && click.report.seed)
        err << "[seed] " << roundTripText(*click.report.seed) << "\n";
    if (options.draw
        && !writeResult("[Check Against a Draw]",
                        checkDraw(pane.text(), *options.draw, shownReport(click.report)), err))
        status = 1;
    std::optional<Frequencies> frequencies;
    if (options.history) {
        HistoryResult result = checkHistory(pane.text(), history, shownReport(click.report));
        if (!writeResult("[Check Against a Draw History]", result, err))
            status = 1;
        frequencies = std::move(result.frequencies);
        if (!result.error.empty())
            frequencies->error = result.error;
    }
    if (options.frequencies
        && !writeFrequencies(frequencies ? *frequencies : numberFrequencies(pane.text(), shownReport(click.report)), err))
        status = 1;
    std::string report = pane.text();
    if (options.csv) {
        CsvReport csv = reportCsv(report, shownReport(click.report));
        if (!csv.error.empty()) {
            err << "corvane: --csv: " << escapeControls(csv.error) << "\n";
            return 1;
        }
        report = std::move(csv.text);
    }
    errno = 0;
    out << report << std::flush;
    if (!out) {
        err << "corvane: the report could not be written: "
            << (errno != 0 ? std::strerror(errno) : "the output was cut short") << "\n";
        return 1;
    }
    return status;
}

} // namespace

int runCorvane(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
               bool terminalPrompts)
{
    // A report, a file or a check too big for the memory ends with a message, never an abort.
    try {
        return runChecked(args, out, err, terminalPrompts);
    } catch (const std::bad_alloc&) {
        err << "corvane: there is not enough memory for this run\n";
        return 1;
    }
}
