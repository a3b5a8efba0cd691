// SPDX-License-Identifier: GPL-3.0-or-later
#include "CoveringSearch.h"

#include "SearchRandom.h"
#include "Subsets.h"
#include "UnitSpace.h"

#include <algorithm>
#include <chrono>
#include <cmath>

namespace {

// The clock is read every few hundred moves (a move of a wide "T if M"
// wheel can take a millisecond), the watch told at most every 50 ms.
constexpr std::uint64_t kClockEvery = 256;
constexpr double kWatchSeconds = 0.05;

// The temperatures of one cooling, from hot to cold in geometric steps, and
// the moves made at each, for every unit up to a limit; a cooling that
// finds nothing starts again hot. At 1 a move that leaves one more unit
// uncovered is taken a third of the time, at 0.15 once in 800. A wheel of
// many tickets cools from lower down: the same temperature would leave
// uncovered as many more sets as it has more tickets.
constexpr double kHot = 1.0;
constexpr double kCold = 0.15;
constexpr double kCooling = 0.995;
constexpr double kMovesPerUnit = 10.0;
constexpr double kMostMovesPerLevel = 20000;
constexpr double kSmallWheel = 100;

// A move: the number at `index` of a ticket makes way for `enters`.
struct Move {
    int ticket;
    int index;
    int enters;
};

class Annealer {
public:
    Annealer(const WheelShape& shape, const Tickets& start, std::uint64_t seed);
    Tickets run(const SearchLimits& limits, const SearchWatch& watch);

private:
    int* pointsOf(int t) { return &points_[static_cast<std::size_t>(t) * static_cast<std::size_t>(k_)]; }
    std::uint32_t* ranksOf(int t) { return &ownRanks_[static_cast<std::size_t>(t) * owns_]; }
    void addTicket(const PoolSet& set);
    void removeTicket(int t);
    void placeTicket(int t, bool present);
    void listSides(int t, bool present);
    template <typename F>
    void forEachReached(int t, F f);
    template <typename Lost, typename Gained>
    void forEachChanged(const Move& move, Lost lost, Gained gained);
    void cover(std::uint32_t unit);
    void uncover(std::uint32_t unit);
    int cheapestTicket();
    // A move aimed at an uncovered unit; false when it was not taken.
    bool step(double temperature);
    int change(const Move& move);
    void apply(const Move& move);

    int v_, k_, t_, m_;
    UnitSpace space_;
    UnitSpace sideSpace_; // the (T-1)-sets
    SearchRandom random_;

    int tickets_ = 0;
    std::vector<int> points_; // K sorted positions per ticket
    std::vector<PoolSet> masks_;
    std::vector<std::uint32_t> count_; // per unit, the ticket sets reaching it
    std::vector<std::uint32_t> uncovered_;
    std::vector<std::int32_t> where_;           // in uncovered_, or -1
    std::vector<std::vector<int>> sideHolders_; // per (T-1)-set, the tickets holding it

    // For M = T: the T-sets and (T-1)-sets of a ticket's K places, which of
    // the T-sets hold each place and which (T-1)-sets leave it out, and the
    // unit of each T-set of each ticket.
    std::size_t owns_ = 0;
    std::vector<int> own_;
    std::vector<int> side_;
    std::vector<std::vector<int>> ownWith_;
    std::vector<std::vector<int>> sideWithout_;
    std::vector<std::uint32_t> ownRanks_;
};

Annealer::Annealer(const WheelShape& shape, const Tickets& start, std::uint64_t seed)
    : v_(shape.pool), k_(shape.ticket), t_(shape.guarantee), m_(shape.drawn), space_(shape),
      sideSpace_({v_, k_, t_ - 1, t_ - 1}), random_(seed), count_(space_.units(), 0), where_(space_.units(), -1),
      sideHolders_(sideSpace_.units())
{
    uncovered_.resize(space_.units());
    for (std::uint32_t u = 0; u < space_.units(); ++u) {
        uncovered_[u] = u;
        where_[u] = static_cast<std::int32_t>(u);
    }
    side_ = allSubsets(k_, t_ - 1);
    if (m_ == t_) {
        owns_ = binomial(k_, t_);
        own_ = allSubsets(k_, t_);
        ownWith_.resize(static_cast<std::size_t>(k_));
        sideWithout_.resize(static_cast<std::size_t>(k_));
        for (std::size_t j = 0; j < owns_; ++j)
            for (int i = 0; i < t_; ++i)
                ownWith_[static_cast<std::size_t>(own_[j * static_cast<std::size_t>(t_) + static_cast<std::size_t>(i)])]
                    .push_back(static_cast<int>(j));
        const std::size_t sides = binomial(k_, t_ - 1);
        for (int place = 0; place < k_; ++place)
            for (std::size_t j = 0; j < sides; ++j) {
                const auto first = side_.begin() + static_cast<std::ptrdiff_t>(j) * (t_ - 1);
                if (std::find(first, first + (t_ - 1), place) == first + (t_ - 1))
                    sideWithout_[static_cast<std::size_t>(place)].push_back(static_cast<int>(j));
            }
    }
    for (const PoolSet& ticket : start)
        addTicket(ticket);
}

void Annealer::cover(std::uint32_t unit)
{
    if (count_[unit]++ > 0)
        return;
    const std::int32_t at = where_[unit];
    const std::uint32_t last = uncovered_.back();
    uncovered_[static_cast<std::size_t>(at)] = last;
    where_[last] = at;
    uncovered_.pop_back();
    where_[unit] = -1;
}

void Annealer::uncover(std::uint32_t unit)
{
    if (--count_[unit] > 0)
        return;
    where_[unit] = static_cast<std::int32_t>(uncovered_.size());
    uncovered_.push_back(unit);
}

// Every unit the ticket reaches, once for each of its sets that meets the
// ticket in T or more places.
template <typename F>
void Annealer::forEachReached(int t, F f)
{
    if (m_ == t_) {
        std::for_each(ranksOf(t), ranksOf(t) + owns_, f);
        return;
    }
    std::vector<int> outside;
    for (int p = 0; p < v_; ++p)
        if (!masks_[static_cast<std::size_t>(t)].contains(p))
            outside.push_back(p);
    const int* points = pointsOf(t);
    int part[kMostPoolNumbers];
    for (int j = t_; j <= std::min(k_, m_); ++j)
        for (SubsetWalk walk(k_, j); walk.valid(); walk.next()) {
            for (int i = 0; i < j; ++i)
                part[i] = points[walk.positions()[static_cast<std::size_t>(i)]];
            space_.forEachExtension(part, j, outside, f);
        }
}

// The units the move stops reaching (through T-sets of the ticket that hold
// the leaving number) and those it starts reaching (through the entering
// number with T - 1 of the others), once per set.
template <typename Lost, typename Gained>
void Annealer::forEachChanged(const Move& move, Lost lost, Gained gained)
{
    const int* points = pointsOf(move.ticket);
    if (m_ == t_) {
        const std::uint32_t* ranks = ranksOf(move.ticket);
        for (int j : ownWith_[static_cast<std::size_t>(move.index)])
            lost(ranks[j]);
        int part[kMostPoolNumbers];
        for (int j : sideWithout_[static_cast<std::size_t>(move.index)]) {
            for (int i = 0; i < t_ - 1; ++i)
                part[i] = points[side_[static_cast<std::size_t>(j * (t_ - 1) + i)]];
            gained(space_.rankWith(part, t_ - 1, move.enters));
        }
        return;
    }
    // A set beyond the ticket's T numbers meets it in no more than T places
    // and holds neither the entering number nor the leaving one twice.
    std::vector<int> outside;
    for (int p = 0; p < v_; ++p)
        if (!masks_[static_cast<std::size_t>(move.ticket)].contains(p) && p != move.enters)
            outside.push_back(p);
    int others[kMostPoolNumbers];
    int n = 0;
    for (int i = 0; i < k_; ++i)
        if (i != move.index)
            others[n++] = points[i];
    int part[kMostPoolNumbers];
    for (SubsetWalk walk(k_ - 1, t_ - 1); walk.valid(); walk.next()) {
        for (int i = 0; i < t_ - 1; ++i)
            part[i] = others[walk.positions()[static_cast<std::size_t>(i)]];
        for (const int with : {points[move.index], move.enters}) {
            int set[kMostPoolNumbers];
            int placed = 0;
            int i = 0;
            for (; i < t_ - 1 && part[i] < with; ++i)
                set[placed++] = part[i];
            set[placed++] = with;
            for (; i < t_ - 1; ++i)
                set[placed++] = part[i];
            if (with == move.enters)
                space_.forEachExtension(set, t_, outside, gained);
            else
                space_.forEachExtension(set, t_, outside, lost);
        }
    }
}

void Annealer::listSides(int t, bool present)
{
    const int* points = pointsOf(t);
    int part[kMostPoolNumbers];
    const std::size_t sides = binomial(k_, t_ - 1);
    for (std::size_t j = 0; j < sides; ++j) {
        for (int i = 0; i < t_ - 1; ++i)
            part[i] = points[side_[j * static_cast<std::size_t>(t_ - 1) + static_cast<std::size_t>(i)]];
        auto& holders = sideHolders_[sideSpace_.rank(part, t_ - 1)];
        if (present) {
            holders.push_back(t);
        } else {
            *std::find(holders.begin(), holders.end(), t) = holders.back();
            holders.pop_back();
        }
    }
}

// Enters the ticket's sets in the counts and lists, or takes them out.
void Annealer::placeTicket(int t, bool present)
{
    if (present && m_ == t_) {
        const int* points = pointsOf(t);
        int part[kMostPoolNumbers];
        for (std::size_t j = 0; j < owns_; ++j) {
            for (int i = 0; i < t_; ++i)
                part[i] = points[own_[j * static_cast<std::size_t>(t_) + static_cast<std::size_t>(i)]];
            ranksOf(t)[j] = space_.rank(part, t_);
        }
    }
    if (present)
        forEachReached(t, [this](std::uint32_t u) { cover(u); });
    else
        forEachReached(t, [this](std::uint32_t u) { uncover(u); });
    listSides(t, present);
}

void Annealer::addTicket(const PoolSet& set)
{
    const int t = tickets_++;
    masks_.push_back(set);
    set.forEach([&](int p) { points_.push_back(p); });
    ownRanks_.resize(ownRanks_.size() + owns_);
    placeTicket(t, true);
}

void Annealer::removeTicket(int t)
{
    placeTicket(t, false);
    const int last = --tickets_;
    if (t != last) {
        placeTicket(last, false);
        std::copy_n(pointsOf(last), k_, pointsOf(t));
        masks_[static_cast<std::size_t>(t)] = masks_[static_cast<std::size_t>(last)];
        placeTicket(t, true);
    }
    points_.resize(static_cast<std::size_t>(tickets_) * static_cast<std::size_t>(k_));
    masks_.pop_back();
    ownRanks_.resize(static_cast<std::size_t>(tickets_) * owns_);
}

// The ticket whose loss leaves the fewest units uncovered; ties at random.
int Annealer::cheapestTicket()
{
    int cheapest = 0;
    std::uint64_t least = ~std::uint64_t{0};
    std::uint32_t ties = 0;
    for (int t = 0; t < tickets_; ++t) {
        std::uint64_t alone = 0;
        forEachReached(t, [&](std::uint32_t u) { alone += count_[u] == 1; });
        if (alone < least) {
            least = alone;
            cheapest = t;
            ties = 1;
        } else if (alone == least && random_.below(++ties) == 0) {
            cheapest = t;
        }
    }
    return cheapest;
}

// How many more units the move would leave uncovered (fewer when negative):
// each unit stands once among the sets the move changes.
int Annealer::change(const Move& move)
{
    int delta = 0;
    forEachChanged(
        move, [&](std::uint32_t u) { delta += count_[u] == 1; }, [&](std::uint32_t u) { delta -= count_[u] == 0; });
    return delta;
}

void Annealer::apply(const Move& move)
{
    const int t = move.ticket;
    placeTicket(t, false);
    int* points = pointsOf(t);
    masks_[static_cast<std::size_t>(t)].erase(points[move.index]);
    masks_[static_cast<std::size_t>(t)].insert(move.enters);
    points[move.index] = move.enters;
    std::sort(points, points + k_);
    placeTicket(t, true);
}

bool Annealer::step(double temperature)
{
    int unit[kMostPoolNumbers];
    space_.unrank(uncovered_[random_.below(static_cast<std::uint32_t>(uncovered_.size()))], unit);
    // T - 1 of the unit's numbers, and one more of them to enter.
    for (int i = 0; i < t_; ++i)
        std::swap(unit[i], unit[i + static_cast<int>(random_.below(static_cast<std::uint32_t>(m_ - i)))]);
    std::sort(unit, unit + t_ - 1);
    const int enters = unit[t_ - 1];
    const auto& holders = sideHolders_[sideSpace_.rank(unit, t_ - 1)];
    Move move{};
    if (holders.empty()) {
        move.ticket = static_cast<int>(random_.below(static_cast<std::uint32_t>(tickets_)));
        if (masks_[static_cast<std::size_t>(move.ticket)].contains(enters))
            return false;
    } else {
        move.ticket = holders[random_.below(static_cast<std::uint32_t>(holders.size()))];
    }
    move.enters = enters;
    const int* points = pointsOf(move.ticket);
    // A ticket holding T - 1 of an uncovered set holds no more of it.
    do
        move.index = static_cast<int>(random_.below(static_cast<std::uint32_t>(k_)));
    while (std::find(unit, unit + t_ - 1, points[move.index]) != unit + t_ - 1);
    const int delta = change(move);
    if (delta > 0 && random_.unit() >= std::exp(-delta / temperature))
        return false;
    apply(move);
    return true;
}

Tickets Annealer::run(const SearchLimits& limits, const SearchWatch& watch)
{
    const auto started = std::chrono::steady_clock::now();
    Tickets best = masks_;
    double lastWatch = -kWatchSeconds;
    const auto movesPerLevel = static_cast<std::uint64_t>(
        std::min(kMostMovesPerLevel, std::max(100.0, kMovesPerUnit * static_cast<double>(space_.units()))));
    // 1 up to 100 tickets, 0.36 for 1000, 0.2 for 20 000.
    const double hot = kHot / (1 + 1.75 * std::log10(std::max(kSmallWheel, static_cast<double>(tickets_)) / kSmallWheel));
    const double cold = kCold * std::pow(hot, 0.7);
    double temperature = hot;
    std::uint64_t atLevel = 0;
    for (std::uint64_t steps = 0;; ++steps) {
        if (uncovered_.empty()) {
            if (masks_.size() < best.size())
                best = masks_;
            if (best.size() <= std::max<std::size_t>(limits.target, 1) || tickets_ == 1)
                break;
            removeTicket(cheapestTicket());
            continue;
        }
        if (limits.steps && steps >= limits.steps)
            break;
        if (steps % kClockEvery == 0) {
            const double elapsed =
                std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
            if (limits.seconds > 0 && elapsed >= limits.seconds)
                break;
            if (watch && elapsed >= lastWatch + kWatchSeconds) {
                lastWatch = elapsed;
                if (!watch({static_cast<std::size_t>(tickets_), uncovered_.size(), best.size(), steps, elapsed}))
                    break;
            }
        }
        step(temperature);
        if (++atLevel == movesPerLevel) {
            atLevel = 0;
            temperature *= kCooling;
            if (temperature < cold)
                temperature = hot;
        }
    }
    return best;
}

} // namespace

Tickets shrinkWheel(const WheelShape& shape, const Tickets& start, std::uint64_t seed,
                    const SearchLimits& limits, const SearchWatch& watch)
{
    Annealer annealer(shape, start, seed);
    return annealer.run(limits, watch);
}
