#include "Runner.h"

#include "ButtonTable.h"
#include "Clock.h"
#include "MemoryPane.h"
#include "RandomSource.h"
#include "ScriptedDialogs.h"
#include "StartUp.h"
#include "TextFunctions.h"

#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstring>
#include <ostream>
#include <unistd.h>

namespace {

void printHelp(std::ostream& out)
{
    out << "Usage: corvane [-C DIR] [--seed X] NAME [ANSWER ...]\n"
           "Runs one click of the control without a window and writes the pane's text.\n"
           "  -C DIR     work in DIR (parameter files are read and written there)\n"
           "  --seed X   reseed with X instead of the clock-and-date seed\n"
           "Each prompt takes the next ANSWER (\"\" is Cancel); once they run out a prompt\n"
           "keeps its default. Each file dialog takes the next ANSWER as the file name\n"
           "(\"\" or none is Cancel). Message boxes go to standard error as [title] text.\n\n"
           "Names (case-insensitive), with caption and tooltip:\n";
    for (const auto& button : kButtons)
        out << "  " << button.name << std::string(11 - std::strlen(button.name), ' ') << "\""
            << button.caption << "\"  " << button.tooltip << "\n";
    for (const auto& operation : kPrivateOperations)
        out << "  " << operation.name << "  " << operation.description << " (no button)\n";
    out << "Font and Print need the window: run corvane-gui.\n";
}

} // namespace

int runCorvane(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
               bool terminalPrompts)
{
    std::optional<double> seed;
    std::string directory;
    std::size_t i = 0;
    for (; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--help" || arg == "-h") {
            printHelp(out);
            return 0;
        }
        if (arg == "-C" || arg == "--seed") {
            if (i + 1 >= args.size()) {
                err << "corvane: " << arg << " needs a value (see corvane --help)\n";
                return 2;
            }
            const std::string& value = args[++i];
            if (arg == "-C") {
                directory = value;
                continue;
            }
            // from_chars reads "." as the point whatever the locale.
            const char* first = value.c_str() + (value.rfind('+', 0) == 0 ? 1 : 0);
            const char* last = value.c_str() + value.size();
            double x = 0;
            const auto read = std::from_chars(first, last, x);
            if (first == last || read.ptr != last || read.ec != std::errc() || !std::isfinite(x)) {
                err << "corvane: --seed needs a number, not \"" << value << "\"\n";
                return 2;
            }
            seed = x;
            continue;
        }
        if (!arg.empty() && arg[0] == '-') {
            err << "corvane: unknown option " << arg << " (see corvane --help)\n";
            return 2;
        }
        break;
    }
    if (i >= args.size()) {
        err << "corvane: no NAME given (see corvane --help)\n";
        return 2;
    }
    const std::string& name = args[i];
    ClickProcedure procedure = nullptr;
    std::string procedureName;
    if (const ButtonSpec* button = findButton(name)) {
        procedureName = button->name;
        const std::string_view n = button->name;
        if (n == "Font" || n == "Print") {
            err << "corvane: " << n << " needs the window: run corvane-gui\n";
            return 2;
        }
        procedure = button->click;
    } else if (const OperationSpec* operation = findOperation(name)) {
        procedureName = operation->name;
        procedure = operation->run;
    } else {
        err << "corvane: unknown name \"" << name << "\" (see corvane --help)\n";
        return 2;
    }
    if (!directory.empty() && ::chdir(directory.c_str()) != 0) {
        err << "corvane: cannot work in " << directory << ": " << std::strerror(errno) << "\n";
        return 2;
    }

    MemoryPane pane;
    writeWelcome(pane);
    ScriptedDialogs dialogs(std::vector<std::string>(args.begin() + static_cast<long>(i) + 1, args.end()),
                            err, terminalPrompts);
    SystemClock clock;
    ClickContext click{pane, dialogs, RandomSource::process(), clock, seed};
    int status = 0;
    try {
        procedure(click);
    } catch (const OverflowError& error) {
        err << "corvane: " << procedureName << ": " << error.what() << "\n";
        status = 1;
    }
    errno = 0;
    out << pane.text() << std::flush;
    if (!out) {
        err << "corvane: the report could not be written: "
            << (errno != 0 ? std::strerror(errno) : "the output was cut short") << "\n";
        return 1;
    }
    return status;
}
