// SPDX-License-Identifier: GPL-3.0-or-later
#include "WheelClicks.h"

#include "Dialogs.h"
#include "DrawCheck.h"
#include "ParameterFile.h"
#include "RandomSource.h"
#include "TextFunctions.h"
#include "WheelFinder.h"
#include "WheelPool.h"
#include "WheelReport.h"
#include "WinTable.h"

#include <algorithm>
#include <cmath>

namespace {

const char* const kWheelTitle = "Wheel Numbers";
const char* const kCheckTitle = "Check a Wheel";

ParameterFile wheelFile() { return ParameterFile("Wheel.INI", {6, 3, 49, 0, 1}); }

// A whole number answer; nothing for Cancel or text that is not one.
std::optional<int> wholeAnswer(const std::string& reply)
{
    const auto value = numberAtStart(reply);
    if (!value || *value != std::floor(*value) || std::fabs(*value) > 1e6)
        return std::nullopt;
    return static_cast<int>(*value);
}

std::string progressText(const FinderProgress& progress)
{
    std::string text = "Trying " + std::to_string(progress.search.tickets) + " tickets: "
                       + std::to_string(progress.search.uncovered) + " sets left uncovered.";
    if (progress.best > 0)
        text += " Best so far: " + std::to_string(progress.best) + " tickets.";
    return text + " " + std::to_string(static_cast<long>(progress.seconds)) + " s";
}

// The search's own seed, drawn from the click's random source.
std::uint64_t searchSeed(RandomSource& random)
{
    std::uint64_t seed = 0;
    for (int i = 0; i < 4; ++i)
        seed = (seed << 16) ^ static_cast<std::uint64_t>(random.next() * 65536.0f);
    return seed;
}

void refuse(ClickContext& click, const std::string& text)
{
    click.dialogs.message(text, kWheelTitle);
    click.refused = true;
}

} // namespace

WheelRequest rememberedRequest(Dialogs& dialogs)
{
    const ParameterFile file = wheelFile();
    std::string problem;
    const std::vector<double> values = file.read(&problem);
    if (!problem.empty())
        dialogs.message("Cannot read \"" + file.fileName() + "\": " + problem + ".", kWheelTitle);
    WheelRequest request;
    const auto whole = [&](std::size_t i) { return static_cast<int>(std::clamp(values[i], 0.0, 1000.0)); };
    request.ticket = std::clamp(whole(0), 1, kMostTicketNumbers);
    request.guarantee = std::clamp(whole(1), 1, request.ticket);
    request.drawn = request.guarantee;
    request.game = {{std::max(whole(2), request.ticket), request.ticket}, std::nullopt};
    if (whole(3) > 0)
        request.game.second = Drum{whole(3), std::clamp(whole(4), 1, whole(3))};
    return request;
}

void rememberRequest(Dialogs& dialogs, const WheelRequest& request)
{
    const auto& second = request.game.second;
    rememberAnswers(dialogs, wheelFile(),
                    {static_cast<double>(request.ticket), static_cast<double>(request.guarantee),
                     static_cast<double>(request.game.first.biggest),
                     second ? static_cast<double>(second->biggest) : 0.0,
                     second ? static_cast<double>(second->perLine) : 1.0},
                    kWheelTitle);
}

void Wheel_Click(ClickContext& click)
{
    click.reseed();
    WheelRequest request = rememberedRequest(click.dialogs);
    const std::string poolReply =
        click.dialogs.prompt("Enter the numbers to wheel, as 1-20 or 3 7 11 19:", "Wheel Pool", "1-20");
    if (poolReply.empty())
        return;
    PoolReading pool = readPool(poolReply);
    if (!pool.error.empty())
        return refuse(click, pool.error);
    request.pool = std::move(pool.numbers);
    const struct {
        const char* text;
        const char* title;
        int* value;
    } questions[] = {
        {"How many numbers on a ticket (K):", "Numbers/Ticket", &request.ticket},
        {"How many of the drawn numbers a ticket must hold (T):", "Guarantee", &request.guarantee},
        {"When how many of the drawn numbers are in the pool (M, at least T):", "Drawn in the Pool", &request.drawn},
    };
    for (const auto& question : questions) {
        // M is T unless said otherwise.
        const int shown = question.value == &request.drawn ? request.guarantee : *question.value;
        const std::string reply = click.dialogs.prompt(question.text, question.title, Str(shown));
        if (reply.empty())
            return;
        const auto value = wholeAnswer(reply);
        if (!value)
            return refuse(click, std::string(question.title) + " must be a whole number, not \"" + reply + "\".");
        *question.value = *value;
    }
    if (const std::string error = ticketSizeError(request.ticket); !error.empty())
        return refuse(click, error);
    const std::string gameReply = click.dialogs.prompt(
        "Enter the BIGGEST number of the game, and a second drum's after + (69 + 26):", "Game",
        gameAnswer(request.game));
    if (gameReply.empty())
        return;
    const GameReading game = readGame(gameReply, request.ticket);
    if (!game.game)
        return refuse(click, game.error);
    request.game = *game.game;
    if (const std::string error = requestError(request); !error.empty())
        return refuse(click, error);
    rememberRequest(click.dialogs, request);
    makeWheel(click, request);
}

void makeWheel(ClickContext& click, const WheelRequest& request, double seconds)
{
    click.report.button = "Wheel";
    click.report.caption = kWheelTitle;
    click.report.values = {{"Wheel Pool", poolText(request.pool)},
                           {"Numbers/Ticket", std::to_string(request.ticket)},
                           {"Guarantee", std::to_string(request.guarantee)},
                           {"Drawn in the Pool", std::to_string(request.drawn)},
                           {"Game", gameAnswer(request.game)}};
    if (const std::string note = uncheckableNote(request); !note.empty())
        click.dialogs.message(note, kWheelTitle);
    const std::uint64_t seed = searchSeed(click.random);
    WheelBudget budget;
    if (click.fixedSeed)
        budget.work = kWheelWork;
    else
        budget.seconds = seconds;
    FoundWheel found;
    WinTable table;
    click.dialogs.runWork(kWheelTitle, [&](WorkMonitor& monitor) {
        found = findWheel(request.shape(), seed, budget, [&monitor](const FinderProgress& progress) {
            monitor.report(progress.fraction, progressText(progress));
            return !monitor.stopRequested();
        });
        if (!found.tickets.empty()) {
            monitor.report(-1, "Counting what the " + std::to_string(found.tickets.size()) + " tickets win...");
            table = winTable(request.game, request.pool, found.tickets, [&monitor] { return monitor.stopRequested(); });
        }
    });
    if (found.tickets.empty()) {
        click.dialogs.message("The search was stopped before it found a wheel.", kWheelTitle);
        return;
    }
    click.dialogs.message(wheelMessage(request, found, table), kWheelTitle, winDetails(table));
    click.clearAndStyle();
    click.show(ticketLines(request.pool, found.tickets));
}

void checkWheelLines(Dialogs& dialogs, std::string_view paneText, const LastReport* report,
                     const WheelRequest& request)
{
    const PaneLines lines = readPaneLines(paneText, {}, report);
    if (const std::string error = checkableError(lines); !error.empty())
        return dialogs.message(error, kCheckTitle);
    if (lines.layout.kind != LineKind::Numbers || lines.layout.secondCount > 0)
        return dialogs.message("A wheel's lines hold lotto numbers of one drum; the pane holds other plays.",
                               kCheckTitle);
    WheelRequest checked = request;
    checked.ticket = lines.layout.firstCount;
    checked.game.first.perLine = checked.ticket;
    if (const std::string error = requestError(checked); !error.empty())
        return dialogs.message(error, kCheckTitle);
    // The win table counts every number on the lines, the guarantee those of the pool.
    std::vector<int> numbers = checked.pool;
    for (const ReportLine& play : lines.plays)
        numbers.insert(numbers.end(), play.first.begin(), play.first.end());
    std::sort(numbers.begin(), numbers.end());
    numbers.erase(std::unique(numbers.begin(), numbers.end()), numbers.end());
    if (numbers.size() > static_cast<std::size_t>(kMostPoolNumbers))
        return dialogs.message("The lines and the pool hold more than " + std::to_string(kMostPoolNumbers)
                                   + " different numbers.",
                               kCheckTitle);
    if (numbers.back() > checked.game.first.biggest)
        return dialogs.message("The lines hold " + std::to_string(numbers.back()) + ", above the game's biggest number "
                                   + std::to_string(checked.game.first.biggest) + ".",
                               kCheckTitle);
    Tickets inPool;
    Tickets onLines;
    for (const ReportLine& play : lines.plays) {
        PoolSet pool;
        PoolSet all;
        for (int number : play.first) {
            const auto at = std::lower_bound(checked.pool.begin(), checked.pool.end(), number);
            if (at != checked.pool.end() && *at == number)
                pool.insert(static_cast<int>(at - checked.pool.begin()));
            all.insert(static_cast<int>(std::lower_bound(numbers.begin(), numbers.end(), number) - numbers.begin()));
        }
        inPool.push_back(pool);
        onLines.push_back(all);
    }
    WheelVerdict verdict;
    WinTable table;
    dialogs.runWork(kCheckTitle, [&](WorkMonitor& monitor) {
        const auto stop = [&monitor] { return monitor.stopRequested(); };
        monitor.report(-1, "Checking every " + std::to_string(checked.drawn) + "-set of the pool...");
        verdict = checkWheel(checked.shape(), inPool, kCheckBudget, stop);
        monitor.report(-1, "Counting what the lines win...");
        table = winTable(checked.game, numbers, onLines, stop);
    });
    const std::string text = "The pane's " + std::to_string(lines.plays.size()) + " lines of "
                             + std::to_string(checked.ticket) + " numbers, for the "
                             + std::to_string(checked.pool.size()) + " numbers " + poolText(checked.pool) + ", "
                             + std::to_string(checked.guarantee) + " if " + std::to_string(checked.drawn) + ":\n"
                             + verdictText(verdict, checked, checked.pool, "line") + "\n\n" + winSummary(table);
    dialogs.message(text, kCheckTitle, winDetails(table));
}
