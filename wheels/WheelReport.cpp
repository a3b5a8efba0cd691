// SPDX-License-Identifier: GPL-3.0-or-later
#include "WheelReport.h"

#include "NumberField.h"
#include "WheelFinder.h"
#include "WheelPool.h"
#include "WinTable.h"

#include <algorithm>

std::string ticketLines(const std::vector<int>& pool, const Tickets& tickets)
{
    std::vector<std::vector<int>> lines;
    for (const PoolSet& ticket : tickets) {
        std::vector<int> numbers;
        ticket.forEach([&](int p) { numbers.push_back(pool[static_cast<std::size_t>(p)]); });
        lines.push_back(std::move(numbers));
    }
    std::sort(lines.begin(), lines.end());
    std::string text;
    for (const auto& numbers : lines) {
        for (int number : numbers)
            appendNumberField(text, number, 4);
        text += "\r\n";
    }
    return text;
}

std::string verdictText(const WheelVerdict& verdict, const WheelRequest& request,
                        const std::vector<int>& pool, const char* play)
{
    const std::string t = std::to_string(request.guarantee);
    const std::string m = std::to_string(request.drawn);
    switch (verdict.kind) {
    case WheelVerdict::Kind::Proven:
        return "Proven: whenever " + m + " of the drawn numbers are among the pool's " + std::to_string(pool.size())
               + ", a " + play + " holds at least " + t + " of them. Every " + m + "-set of the pool was checked.";
    case WheelVerdict::Kind::Hole: {
        std::vector<int> hole;
        for (int p : verdict.hole)
            hole.push_back(pool[static_cast<std::size_t>(p)]);
        std::string numbers;
        for (int number : hole)
            numbers += (numbers.empty() ? "" : " ") + std::to_string(number);
        return "No guarantee: when " + numbers + " are drawn, no " + play + " holds " + t
               + " of them.";
    }
    case WheelVerdict::Kind::Unchecked:
        break;
    }
    return "Not proven: not every " + m + "-set of the pool could be checked (too many, or the check was stopped), "
           "so nothing is promised.";
}

std::string wheelMessage(const WheelRequest& request, const FoundWheel& found, const WinTable& table)
{
    const std::string count = std::to_string(found.tickets.size());
    std::string text = found.stopped ? "The search was stopped. The smallest wheel it found:\n" : "";
    text += count + (found.tickets.size() == 1 ? " ticket of " : " tickets of ") + std::to_string(request.ticket)
            + " numbers wheel the " + std::to_string(request.pool.size()) + " numbers " + poolText(request.pool) + ", "
            + std::to_string(request.guarantee) + " if " + std::to_string(request.drawn) + ".\n";
    text += verdictText(found.verdict, request, request.pool, "ticket") + "\n";
    text += "Made by " + found.method + "; ";
    text += found.tickets.size() <= found.lowerBound
                ? std::string("no such wheel has fewer tickets.\n")
                : "no such wheel has fewer than " + std::to_string(found.lowerBound) + " tickets.\n";
    return text + "\n" + winSummary(table);
}
