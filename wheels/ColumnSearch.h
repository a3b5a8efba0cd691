#pragma once

#include "CoveringSearch.h"
#include "PoolSymmetry.h"
#include "WheelShape.h"

#include <cstdint>

// Whether every K-set of the pool (or, with a symmetry, every orbit of
// K-sets) can be held in memory with the T-sets it covers.
bool columnsFit(const WheelShape& shape, const PoolSymmetry* symmetry);

// Covers every T-set of the pool (M = T) by choosing among all its K-sets
// as tickets - or, with a symmetry, among their orbits, each costing its
// tickets, to cover every orbit of T-sets - with a local search on row
// weights: while every T-set is covered the costliest ticket for what it
// alone covers goes; each step then takes out the ticket whose loss weighs
// least per ticket and puts in, for a T-set left uncovered, the ticket
// covering the most weight per ticket; the T-sets still uncovered then
// weigh one more, which leads the search out of a dead end. A short orbit
// costs less than a full one, so wheels of mixed orbits are found too.
// Returns the smallest covering met (its orbits' tickets). The limits'
// steps count the finder's work (the columns and rows the search looks at,
// a twelfth of them a unit); the same seed and limits without a time limit
// give the same wheel. columnsFit must hold.
Tickets chooseTickets(const WheelShape& shape, std::uint64_t seed, const SearchLimits& limits,
                      const SearchWatch& watch, const PoolSymmetry* symmetry);
