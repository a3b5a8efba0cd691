// SPDX-License-Identifier: GPL-3.0-or-later
// The wheel sizes against the best known coverings, a cell a benchmark:
// the size found in at most a minute (a cell ends once it reaches the best
// known size), the best known size and lower bound beside it, and when the
// size was reached. CI runs a few small cells on a
// step budget; the whole table (V = 6 to 49, K = 5 and 6, T = 2 to 4, up to
// a minute a cell) runs with CORVANE_WHEEL_TABLE=1 (CORVANE_WHEEL_SECONDS
// sets another limit):
//   CORVANE_WHEEL_TABLE=1 build/bench/corvane_bench --benchmark_filter=Wheel
#include "TextFile.h"
#include "WheelFinder.h"

#include <benchmark/benchmark.h>

#include <charconv>
#include <chrono>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

struct Record {
    int v, k, t;
    long best;
    long lower;
};

std::vector<Record> records()
{
    std::vector<Record> rows;
    const auto bytes = readFileBytes(WHEEL_RECORDS_PATH);
    if (!bytes)
        return rows;
    const std::string text = decodeText(*bytes);
    for (std::size_t at = text.find('\n') + 1; at < text.size();) {
        const std::size_t end = std::min(text.find('\n', at), text.size());
        std::vector<long> fields;
        for (std::size_t from = at; from < end;) {
            const std::size_t comma = std::min(text.find(',', from), end);
            long value = 0;
            std::from_chars(text.data() + from, text.data() + comma, value);
            fields.push_back(value);
            from = comma + 1;
        }
        if (fields.size() == 5)
            rows.push_back({static_cast<int>(fields[0]), static_cast<int>(fields[1]), static_cast<int>(fields[2]),
                            fields[3], fields[4]});
        at = end + 1;
    }
    return rows;
}

void wheelCell(benchmark::State& state, Record record, WheelBudget budget)
{
    const WheelShape shape{record.v, record.k, record.t, record.t};
    FoundWheel found;
    double reached = 0;
    for (auto _ : state) {
        const auto started = std::chrono::steady_clock::now();
        std::size_t best = 0;
        found = findWheel(shape, 20240601, budget, [&](const FinderProgress& progress) {
            if (progress.best != best) {
                best = progress.best;
                reached = progress.seconds;
            }
            return true;
        });
        if (found.tickets.size() != best)
            reached = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    }
    state.counters["size"] = static_cast<double>(found.tickets.size());
    state.counters["best_known"] = static_cast<double>(record.best);
    state.counters["lower_bound"] = static_cast<double>(record.lower);
    state.counters["over_best_%"] = 100.0 * static_cast<double>(static_cast<long>(found.tickets.size()) - record.best)
                                    / static_cast<double>(record.best);
    state.counters["reached_s"] = reached;
    state.counters["proven"] = found.verdict.kind == WheelVerdict::Kind::Proven ? 1 : 0;
    state.SetLabel(found.method);
}

// The whole table with the clock's minute, or a few cells on a fixed budget.
const bool kRegistered = [] {
    const char* table = std::getenv("CORVANE_WHEEL_TABLE");
    const bool full = table && std::string(table) == "1";
    const char* limit = std::getenv("CORVANE_WHEEL_SECONDS");
    int seconds = 60;
    if (limit)
        std::from_chars(limit, limit + std::string(limit).size(), seconds);
    for (const Record& record : records()) {
        const bool small = record.v <= 12 && record.t <= 3;
        if (!full && !small)
            continue;
        WheelBudget budget;
        // A cell ends at its best known size: beating it would be news, and
        // the table is long enough as it is.
        budget.enough = static_cast<std::size_t>(record.best);
        if (full)
            budget.seconds = seconds;
        else
            budget.work = 5'000'000;
        benchmark::RegisterBenchmark(("Wheel/v" + std::to_string(record.v) + "/k" + std::to_string(record.k) + "/t"
                                      + std::to_string(record.t))
                                         .c_str(),
                                     wheelCell, record, budget)
            ->Iterations(1)
            ->Unit(benchmark::kSecond);
    }
    return true;
}();

} // namespace
