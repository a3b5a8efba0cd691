// SPDX-License-Identifier: GPL-3.0-or-later
#include "TicketOrbits.h"

#include "Subsets.h"
#include "UnitSpace.h"

#include <algorithm>
#include <limits>

namespace {

// The most (ticket, T-set) pairs kept, and the most K-sets gone through to
// find their orbits.
constexpr std::uint64_t kMostIncidences = 8'000'000;
constexpr std::uint64_t kMostColumnSets = 40'000'000;
constexpr std::uint32_t kNone = std::numeric_limits<std::uint32_t>::max();



// The orbit of every set of a space under the symmetry, numbered in order.
std::vector<std::uint32_t> orbitNumbers(const UnitSpace& space, const PoolSymmetry& symmetry, std::uint32_t& count)
{
    std::vector<std::uint32_t> orbit(space.units(), kNone);
    std::vector<int> set(static_cast<std::size_t>(space.size()));
    std::vector<int> image;
    count = 0;
    for (std::uint32_t rank = 0; rank < space.units(); ++rank) {
        if (orbit[rank] != kNone)
            continue;
        space.unrank(rank, set.data());
        symmetry.forEachImage(set, image, [&](std::vector<int>& turned) {
            std::sort(turned.begin(), turned.end());
            orbit[space.rank(turned.data(), space.size())] = count;
        });
        ++count;
    }
    return orbit;
}

} // namespace

Incidence incidenceOf(const WheelShape& shape, const PoolSymmetry* symmetry)
{
    const int k = shape.ticket;
    const int t = shape.guarantee;
    const UnitSpace rows({shape.pool, k, t, t});
    const UnitSpace columns({shape.pool, k, k, k});
    const PoolSymmetry none;
    Incidence incidence;
    std::uint32_t columnCount = 0;
    const std::vector<std::uint32_t> rowOrbit = orbitNumbers(rows, symmetry ? *symmetry : none, incidence.rows);
    const std::vector<std::uint32_t> columnOrbit = orbitNumbers(columns, symmetry ? *symmetry : none, columnCount);
    incidence.representative.assign(columnCount, kNone);
    incidence.cost.assign(columnCount, 0);
    for (std::uint32_t rank = 0; rank < columns.units(); ++rank) {
        const std::uint32_t c = columnOrbit[rank];
        ++incidence.cost[c];
        if (incidence.representative[c] == kNone)
            incidence.representative[c] = rank;
    }
    std::vector<int> set(static_cast<std::size_t>(k));
    std::vector<int> part(static_cast<std::size_t>(t));
    std::vector<std::uint32_t> covered;
    incidence.rowStart.push_back(0);
    for (std::uint32_t c = 0; c < columnCount; ++c) {
        columns.unrank(incidence.representative[c], set.data());
        covered.clear();
        for (SubsetWalk walk(k, t); walk.valid(); walk.next()) {
            for (int i = 0; i < t; ++i)
                part[static_cast<std::size_t>(i)] = set[static_cast<std::size_t>(walk.positions()[static_cast<std::size_t>(i)])];
            covered.push_back(rowOrbit[rows.rank(part.data(), t)]);
        }
        std::sort(covered.begin(), covered.end());
        covered.erase(std::unique(covered.begin(), covered.end()), covered.end());
        incidence.rowList.insert(incidence.rowList.end(), covered.begin(), covered.end());
        incidence.rowStart.push_back(static_cast<std::uint32_t>(incidence.rowList.size()));
    }
    incidence.columnStart.assign(incidence.rows + 1, 0);
    for (std::uint32_t r : incidence.rowList)
        ++incidence.columnStart[r + 1];
    for (std::uint32_t r = 0; r < incidence.rows; ++r)
        incidence.columnStart[r + 1] += incidence.columnStart[r];
    incidence.columnList.resize(incidence.rowList.size());
    std::vector<std::uint32_t> next(incidence.columnStart.begin(), incidence.columnStart.end() - 1);
    for (std::uint32_t c = 0; c < columnCount; ++c)
        for (std::uint32_t i = incidence.rowStart[c]; i < incidence.rowStart[c + 1]; ++i)
            incidence.columnList[next[incidence.rowList[i]]++] = c;
    return incidence;
}

std::uint64_t columnIncidences(const WheelShape& shape, const PoolSymmetry* symmetry)
{
    const std::uint64_t group = symmetry ? static_cast<std::uint64_t>(symmetry->order()) : 1;
    return binomial(shape.pool, shape.ticket) / group * binomial(shape.ticket, shape.guarantee);
}

bool columnsFit(const WheelShape& shape, const PoolSymmetry* symmetry)
{
    return shape.drawn == shape.guarantee && binomial(shape.pool, shape.ticket) <= kMostColumnSets
           && columnIncidences(shape, symmetry) <= kMostIncidences;
}

