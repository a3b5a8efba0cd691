// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "PoolSymmetry.h"
#include "WheelShape.h"

#include <cstdint>
#include <vector>

// The rows (T-sets or their orbits) and the columns (K-sets or their
// orbits) with what each column covers and costs, and the other way round.
struct Incidence {
    std::uint32_t rows = 0;
    std::vector<std::uint32_t> representative; // a K-set's rank per column
    std::vector<int> cost;                     // its orbit's tickets
    std::vector<std::uint32_t> rowStart;       // rows of column c: rowList[rowStart[c] .. rowStart[c + 1])
    std::vector<std::uint32_t> rowList;
    std::vector<std::uint32_t> columnStart;    // columns of row r, likewise
    std::vector<std::uint32_t> columnList;
};

// Whether every K-set of the pool (or, with a symmetry, every orbit of
// K-sets) can be held in memory with the T-sets it covers (M = T).
bool columnsFit(const WheelShape& shape, const PoolSymmetry* symmetry);

// The (ticket, T-set) pairs a choice keeps, about: its memory, 8 bytes each.
std::uint64_t columnIncidences(const WheelShape& shape, const PoolSymmetry* symmetry);

// The T-sets and K-sets of the pool, or their orbits under the symmetry,
// each orbit numbered in the order of its first set. columnsFit must hold.
Incidence incidenceOf(const WheelShape& shape, const PoolSymmetry* symmetry);
