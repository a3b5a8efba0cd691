// SPDX-License-Identifier: GPL-3.0-or-later
// Any click procedure by name, with fuzzed answers, parameter files and a
// game file in a scratch directory. The input is split at NUL bytes:
//   name index, answers (separated by LF), then the bytes of each file.
#include "ButtonTable.h"
#include "Clock.h"
#include "MemoryPane.h"
#include "RandomSource.h"
#include "ScriptedDialogs.h"
#include "StartUp.h"
#include "AtomicFile.h"

#include <cstdint>
#include <filesystem>
#include <sstream>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

class FrozenClock : public Clock {
public:
    float timer() override { return 43200.5f; }
    CalendarDate today() override { return {7, 12, 2026}; }
};

std::vector<std::string> splitAt(const std::string& text, char separator)
{
    std::vector<std::string> parts;
    std::string part;
    for (char c : text) {
        if (c == separator) {
            parts.push_back(part);
            part.clear();
        } else {
            part += c;
        }
    }
    parts.push_back(part);
    return parts;
}

// Long work (a wheel's search) is asked to stop at once: the fuzzer is after
// the answers' reading, and a search runs for a minute.
class HastyDialogs : public ScriptedDialogs {
public:
    using ScriptedDialogs::ScriptedDialogs;
    void runWork(const std::string&, const std::function<void(WorkMonitor&)>& work) override
    {
        struct Stopped : WorkMonitor {
            bool stopRequested() const override { return true; }
            void report(double, const std::string&) override {}
        } stopped;
        work(stopped);
    }
};

const char* const kFiles[] = {"Lotto5.INI", "Lotto6.INI", "Lotto7.INI", "Power51.INI", "Power61.INI",
                              "Euro.INI", "LotOdds.INI", "PowerOdds.INI", "EuroOdds.INI", "FFG.INI",
                              "StDv.INI", "Horses.INI", "USBet.INI", "GAMES.5", "Wheel.INI"};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    // The run's own folder, removed when the run ends.
    static const struct RunFolder {
        std::filesystem::path path =
            std::filesystem::temp_directory_path() / ("tessaro7-click-" + std::to_string(::getpid()));
        RunFolder() { std::filesystem::create_directories(path); }
        ~RunFolder()
        {
            std::error_code ignored;
            std::filesystem::remove_all(path, ignored);
        }
    } runFolder;
    const std::filesystem::path& dir = runFolder.path;
    if (size < 1)
        return 0;
    const std::size_t procedures = kButtons.size() + kPrivateOperations.size();
    const std::size_t which = data[0] % procedures;
    ClickProcedure procedure = which < kButtons.size() ? kButtons[which].click
                                                       : kPrivateOperations[which - kButtons.size()].run;
    const std::vector<std::string> parts =
        splitAt(std::string(reinterpret_cast<const char*>(data) + 1, size - 1), '\0');
    std::vector<std::string> answers = splitAt(parts[0], '\n');
    // The procedures name their files relative to the working directory;
    // libFuzzer reads its corpus relative to its own.
    const std::filesystem::path home = std::filesystem::current_path();
    std::filesystem::current_path(dir);
    for (std::size_t i = 0; i < std::size(kFiles); ++i) {
        if (i + 1 < parts.size())
            writeFileBytes(kFiles[i], parts[i + 1]);
        else
            std::filesystem::remove(kFiles[i]);
    }

    MemoryPane pane;
    writeWelcome(pane);
    std::ostringstream messages;
    HastyDialogs dialogs(answers, messages);
    dialogs.fonts.push_back(FontChoice{});
    FrozenClock clock;
    RandomSource random;
    ClickContext click{pane, dialogs, random, clock, 1234.5};
    try {
        procedure(click);
    } catch (const OverflowError&) {
        // the calculators without a trap pass this to their caller
    }
    std::filesystem::current_path(home);
    return 0;
}
