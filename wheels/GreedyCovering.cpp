// SPDX-License-Identifier: GPL-3.0-or-later
#include "GreedyCovering.h"

#include "SearchRandom.h"
#include "Subsets.h"
#include "UnitSpace.h"

#include <algorithm>

Tickets greedyCovering(const WheelShape& shape, std::uint64_t seed)
{
    const int k = shape.ticket;
    const int t = shape.guarantee;
    const UnitSpace space({shape.pool, k, t, t});
    SearchRandom random(seed);
    std::vector<std::uint32_t> uncovered(space.units());
    std::vector<std::int32_t> where(space.units());
    for (std::uint32_t u = 0; u < space.units(); ++u) {
        uncovered[u] = u;
        where[u] = static_cast<std::int32_t>(u);
    }
    const auto cover = [&](std::uint32_t u) {
        if (where[u] < 0)
            return;
        const std::uint32_t last = uncovered.back();
        uncovered[static_cast<std::size_t>(where[u])] = last;
        where[last] = where[u];
        uncovered.pop_back();
        where[u] = -1;
    };

    Tickets tickets;
    std::vector<int> points;
    int part[kMostPoolNumbers];
    while (!uncovered.empty()) {
        points.assign(static_cast<std::size_t>(t), 0);
        space.unrank(uncovered[random.below(static_cast<std::uint32_t>(uncovered.size()))], points.data());
        PoolSet ticket;
        for (int p : points)
            ticket.insert(p);
        while (static_cast<int>(points.size()) < k) {
            int chosen = -1;
            int most = -1;
            int ties = 0;
            for (int p = 0; p < shape.pool; ++p) {
                if (ticket.contains(p))
                    continue;
                int gain = 0;
                for (SubsetWalk walk(static_cast<int>(points.size()), t - 1); walk.valid(); walk.next()) {
                    for (int i = 0; i < t - 1; ++i)
                        part[i] = points[static_cast<std::size_t>(walk.positions()[static_cast<std::size_t>(i)])];
                    gain += where[space.rankWith(part, t - 1, p)] >= 0;
                }
                if (gain > most) {
                    most = gain;
                    chosen = p;
                    ties = 1;
                } else if (gain == most && random.below(static_cast<std::uint32_t>(++ties)) == 0) {
                    chosen = p;
                }
            }
            ticket.insert(chosen);
            points.insert(std::upper_bound(points.begin(), points.end(), chosen), chosen);
        }
        for (SubsetWalk walk(k, t); walk.valid(); walk.next()) {
            for (int i = 0; i < t; ++i)
                part[i] = points[static_cast<std::size_t>(walk.positions()[static_cast<std::size_t>(i)])];
            cover(space.rank(part, t));
        }
        tickets.push_back(ticket);
    }
    return tickets;
}
