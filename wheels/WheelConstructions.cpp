// SPDX-License-Identifier: GPL-3.0-or-later
#include "WheelConstructions.h"

#include "Subsets.h"
#include "UnitSpace.h"

#include <algorithm>

namespace {

// Fills the ticket up to k positions with the lowest positions it lacks.
PoolSet filled(PoolSet ticket, int v, int k)
{
    for (int p = 0; p < v && ticket.count() < k; ++p)
        ticket.insert(p);
    return ticket;
}

} // namespace

Tickets partitionWheel(int v, int k)
{
    Tickets tickets;
    for (int first = 0; first < v; first += k) {
        PoolSet ticket;
        for (int p = first; p < std::min(v, first + k); ++p)
            ticket.insert(p);
        tickets.push_back(filled(ticket, v, k));
    }
    return tickets;
}

std::vector<PoolSplit> pigeonholeSplits(const WheelShape& shape)
{
    std::vector<PoolSplit> splits;
    if (shape.guarantee < 2)
        return splits;
    // P parts leave some part ceil(M/P) >= T numbers while M > P (T - 1).
    // The most parts first: they make the smallest wheels as a rule.
    for (int parts = (shape.drawn - 1) / (shape.guarantee - 1); parts >= 2; --parts) {
        if (parts > shape.pool)
            continue;
        PoolSplit split;
        split.parts = parts;
        split.drawnInPart = (shape.drawn + parts - 1) / parts;
        for (int i = 0; i < parts; ++i)
            split.sizes.push_back(shape.pool / parts + (i < shape.pool % parts ? 1 : 0));
        splits.push_back(split);
    }
    return splits;
}

bool splitSearchable(const PoolSplit& split, int guarantee)
{
    return binomial(split.sizes.front(), guarantee) <= kMostSearchUnits;
}

Tickets joinParts(const PoolSplit& split, const std::vector<Tickets>& partWheels, int v, int k)
{
    Tickets tickets;
    int offset = 0;
    for (std::size_t part = 0; part < split.sizes.size(); ++part) {
        const int size = split.sizes[part];
        if (size >= split.drawnInPart)
            for (const PoolSet& partTicket : partWheels[part]) {
                PoolSet ticket;
                partTicket.forEach([&](int p) { ticket.insert(offset + p); });
                tickets.push_back(filled(ticket, v, k));
            }
        offset += size;
    }
    std::sort(tickets.begin(), tickets.end());
    tickets.erase(std::unique(tickets.begin(), tickets.end()), tickets.end());
    return tickets;
}

Tickets withLastNumberReplaced(const Tickets& wheel, int v, int k)
{
    Tickets tickets;
    for (PoolSet ticket : wheel) {
        ticket.erase(v);
        tickets.push_back(filled(ticket, v, k));
    }
    std::sort(tickets.begin(), tickets.end());
    tickets.erase(std::unique(tickets.begin(), tickets.end()), tickets.end());
    return tickets;
}

Tickets withNumbersAdded(const Tickets& rest, const Tickets& partner, int restPool, int count)
{
    Tickets tickets = rest;
    for (PoolSet ticket : partner) {
        for (int p = restPool; p < restPool + count; ++p)
            ticket.insert(p);
        tickets.push_back(ticket);
    }
    return tickets;
}
