// SPDX-License-Identifier: GPL-3.0-or-later
#include "WheelFinder.h"

#include "ColumnSearch.h"
#include "GreedyCovering.h"
#include "PoolSymmetry.h"
#include "SearchRandom.h"
#include "Subsets.h"
#include "UnitSpace.h"
#include "WheelBounds.h"
#include "WheelConstructions.h"

#include <algorithm>
#include <chrono>
#include <iterator>
#include <map>
#include <memory>
#include <optional>

namespace {

using Clock = std::chrono::steady_clock;

// The work of each method's first run; every round doubles it.
constexpr std::uint64_t kFirstSlice = 20'000'000;
// Each round the better half of the choices goes on, down to this many:
// the turn that suits a pool shows it early, and then takes the time.
constexpr std::size_t kFewestChoosers = 3;
// After a round of this much work, the rounds start over with every choice
// back and started afresh: a turn's first runs are a lottery of a few
// starts, and a longer search gives the turns dropped early a new draw.
constexpr std::uint64_t kLastRound = 32 * kFirstSlice;
// Pools up to this size are searched among the wheels of every turn;
// beyond it, of two.
constexpr int kMostSymmetricPool = 32;
// What is left of the budget for the wheels of one number more, and of one
// number fewer, once the first round has not found the best size.
constexpr double kNeighbourShare = 0.15;
// The (ticket, T-set) pairs the choices kept between rounds may hold (8
// bytes each).
constexpr std::uint64_t kMostKeptPairs = 16'000'000;

// The work a last search may take: all that is left.
constexpr std::uint64_t kAllLeft = ~std::uint64_t{0};

// The sets one move of a search looks at, about.
std::uint64_t moveWork(const WheelShape& shape)
{
    const std::uint64_t outside = binomial(shape.pool - shape.ticket - 1, shape.drawn - shape.guarantee);
    return std::max<std::uint64_t>(1, 2 * binomial(shape.ticket - 1, shape.guarantee - 1) * outside);
}

// A turn with multipliers has a fraction of the orbits to search, and that
// fraction of a round's work; a field's sums and multiples, whose wheels of
// a big pool come only after a long search, have a whole share. The
// rotations of an icosahedron have few orbits, which hold the best wheel of
// their pool known here but seldom yield it at the first start: while
// their wheel is the smallest found, several shares.
constexpr std::uint64_t kLeadingRotationShares = 8;

std::uint64_t roundWork(std::uint64_t round, const std::optional<PoolSymmetry>& symmetry, bool leading)
{
    if (symmetry && symmetry->rotations)
        return leading ? round * kLeadingRotationShares : round;
    return symmetry && !symmetry->field ? round / static_cast<std::uint64_t>(symmetry->scalings()) : round;
}

std::string symmetryName(const PoolSymmetry& symmetry)
{
    if (symmetry.rotations)
        return "a choice among orbits of tickets under the rotations of an icosahedron on the line of "
               + std::to_string(symmetry.length - 1) + " numbers and infinity";
    if (symmetry.field)
        return "a choice among orbits of tickets under the sums and the multiples by " + std::to_string(symmetry.scalings())
               + " numbers of the field of " + std::to_string(symmetry.length) + " numbers";
    const auto cyclesOf = [](int count, int length) {
        return std::to_string(count) + (count == 1 ? " cycle of " : " cycles of ") + std::to_string(length);
    };
    return "a choice among orbits of tickets under a turn of " + cyclesOf(symmetry.cycles, symmetry.length) + " numbers"
           + (symmetry.multiplies() ? " and multiples by " + std::to_string(symmetry.multiplier) : "")
           + (symmetry.halfCycles > 0 ? " and " + cyclesOf(symmetry.halfCycles, symmetry.length / 2) : "")
           + (symmetry.swapsInPlace ? " that swap the two numbers in place" : "");
}

class Finder {
public:
    Finder(const WheelShape& shape, std::uint64_t seed, std::uint64_t work, Clock::time_point deadline,
           const FinderWatch& watch, Clock::time_point started, const WheelBudget& whole);
    FoundWheel run();

private:
    void consider(Tickets tickets, const std::string& method);
    bool done() const;
    // Whether the work or the time is all spent.
    bool spentAll() const
    {
        return (work_ > 0 && spent_ >= work_) || (whole_.seconds > 0 && Clock::now() >= deadline_);
    }
    // The size that ends the search: the lower bound, or what the budget calls enough.
    std::size_t target() const { return std::max<std::size_t>(found_.lowerBound, whole_.enough); }
    // The limits of a search run of `work`, or none when nothing is left.
    std::optional<SearchLimits> slice(std::uint64_t work, std::uint64_t stepWork);
    Tickets search(const Tickets& start, std::uint64_t work);
    // The size of the wheel the chooser has found, 0 for none.
    std::size_t choose(TicketChooser& chooser, std::uint64_t work, const std::string& method);
    void findCovering();
    void findDrawnWheel();
    Tickets findPart(int size, int drawnInPart, double fraction);
    // Wheels of one number more without it, and of one or a few numbers
    // fewer with them added: where a design exists for a nearby pool.
    void findNeighbours();
    // A finder for another shape with a fraction of what is left.
    FoundWheel findOther(const WheelShape& shape, double fraction);
    bool tell(const SearchProgress& progress);
    // The smallest wheel to tell of, given the size a search has got to (0
    // for none): the outermost finder's once it has one.
    std::size_t shownBest(std::size_t searching) const;

    WheelShape shape_;
    SearchRandom seeds_;
    // The groups with multipliers, the rotations and the turns with cycles
    // of half the length draw from a stream of their own, which leaves the
    // other searches' seeds as they are without them.
    SearchRandom groupSeeds_;
    std::uint64_t work_;
    std::uint64_t spent_ = 0;
    Clock::time_point deadline_;
    const FinderWatch& watch_;
    Clock::time_point started_;
    WheelBudget whole_;
    FoundWheel found_;
    // The finder this one seeks a neighbour's wheel or a part for: no
    // neighbours of its own, and the progress tells of the outer wheel.
    const Finder* outer_ = nullptr;
};

Finder::Finder(const WheelShape& shape, std::uint64_t seed, std::uint64_t work, Clock::time_point deadline,
               const FinderWatch& watch, Clock::time_point started, const WheelBudget& whole)
    : shape_(shape), seeds_(seed), groupSeeds_(~seed), work_(work), deadline_(deadline), watch_(watch), started_(started), whole_(whole)
{
    found_.lowerBound = wheelLowerBound(shape);
}

void Finder::consider(Tickets tickets, const std::string& method)
{
    if (!found_.tickets.empty() && tickets.size() >= found_.tickets.size())
        return;
    found_.tickets = std::move(tickets);
    found_.method = method;
}

bool Finder::done() const
{
    return found_.stopped || (!found_.tickets.empty() && found_.tickets.size() <= target());
}

std::optional<SearchLimits> Finder::slice(std::uint64_t work, std::uint64_t stepWork)
{
    if (done())
        return std::nullopt;
    SearchLimits limits;
    limits.target = target();
    if (work_ > 0) {
        if (spent_ >= work_)
            return std::nullopt;
        work = std::min(work, work_ - spent_);
    }
    // With a clock alone, "all that is left" runs until the deadline.
    const bool unlimited = work == kAllLeft && work_ == 0;
    spent_ += unlimited ? 0 : work;
    limits.steps = unlimited ? 0 : std::max<std::uint64_t>(1, work / stepWork);
    if (whole_.seconds > 0) {
        const double left = std::chrono::duration<double>(deadline_ - Clock::now()).count();
        if (left <= 0)
            return std::nullopt;
        limits.seconds = left;
    }
    return limits;
}

std::size_t Finder::shownBest(std::size_t searching) const
{
    if (outer_) {
        const std::size_t outer = outer_->shownBest(0);
        if (outer != 0)
            return outer;
    }
    if (found_.tickets.empty())
        return searching;
    return searching == 0 ? found_.tickets.size() : std::min(found_.tickets.size(), searching);
}

bool Finder::tell(const SearchProgress& progress)
{
    if (!watch_)
        return true;
    FinderProgress told;
    told.search = progress;
    told.best = shownBest(progress.best);
    told.seconds = std::chrono::duration<double>(Clock::now() - started_).count();
    if (whole_.seconds > 0)
        told.fraction = std::min(1.0, told.seconds / whole_.seconds);
    if (work_ > 0)
        told.fraction = std::max(told.fraction, static_cast<double>(spent_) / static_cast<double>(work_));
    if (!watch_(told))
        found_.stopped = true;
    return !found_.stopped;
}

Tickets Finder::search(const Tickets& start, std::uint64_t work)
{
    const auto limits = slice(work, moveWork(shape_));
    if (!limits)
        return start;
    return shrinkWheel(shape_, start, seeds_.next(), *limits,
                       [this](const SearchProgress& progress) { return tell(progress); });
}

std::size_t Finder::choose(TicketChooser& chooser, std::uint64_t work, const std::string& method)
{
    const auto limits = slice(work, 1);
    if (!limits)
        return 0;
    Tickets tickets = chooser.run(*limits, [this](const SearchProgress& progress) { return tell(progress); });
    const std::size_t size = tickets.size();
    consider(std::move(tickets), method);
    return size;
}

// Rounds of searches, each going on from where it ended: a choice among all
// tickets where they fit in memory, one among the orbits of each turn of a
// small pool as far as memory goes, and annealing for half of each round
// while its wheel is as small as theirs; every round doubles the runs and
// drops the choices that have found the larger wheels, down to a few,
// until the rounds start over. The annealing has its turn early, for the
// cells it settles quickly.
void Finder::findCovering()
{
    Tickets annealed = greedyCovering(shape_, seeds_.next());
    consider(annealed, "a greedy choice");
    std::string annealedMethod = "annealing";
    // A choice, the smallest wheel it has found, and the size its last run
    // ended at: a run that has not got below it is stuck, and at its next
    // turn starts again as a new choice with a seed of its own would.
    struct Chooser {
        std::unique_ptr<TicketChooser> search;
        std::optional<PoolSymmetry> symmetry;
        std::string method;
        std::size_t best = ~std::size_t{0};
        std::size_t last = ~std::size_t{0};
        bool stuck = false;
        std::size_t order = 0; // set up as the order-th
    };
    std::vector<Chooser> choosers;
    // Those dropped from these rounds, back when the rounds start over.
    std::vector<Chooser> resting;
    const auto rest = [&](std::vector<Chooser>::iterator first, std::vector<Chooser>::iterator last) {
        std::move(first, last, std::back_inserter(resting));
        choosers.erase(first, last);
    };
    const auto seedFor = [this](const PoolSymmetry* symmetry) {
        return (symmetry && (symmetry->settlesSoon() || symmetry->halfCycles > 0) ? groupSeeds_ : seeds_).next();
    };
    std::uint64_t memory = 0;
    const auto keep = [&](const PoolSymmetry* symmetry, std::string method) {
        const std::uint64_t pairs = columnIncidences(shape_, symmetry);
        if (found_.stopped || !columnsFit(shape_, symmetry) || memory + pairs > kMostKeptPairs)
            return;
        memory += pairs;
        choosers.push_back({std::make_unique<TicketChooser>(shape_, seedFor(symmetry), symmetry),
                            symmetry ? std::optional<PoolSymmetry>(*symmetry) : std::nullopt, std::move(method)});
        choosers.back().order = choosers.size();
        // A big pool's choice takes seconds to set up: Cancel is heard between them.
        const std::size_t size = found_.tickets.size();
        tell({size, 0, size, 0, 0.0});
    };
    keep(nullptr, "a choice among all tickets");
    {
        // The longer the cycles, the smaller the search: those first, as far
        // as memory goes; a big pool turns in one cycle only, with or
        // without one number fixed, and multiplied.
        std::vector<PoolSymmetry> symmetries = shape_.pool <= kMostSymmetricPool ? symmetriesFor(shape_.pool)
                                                                                 : bigPoolSymmetries(shape_.pool);
        // The groups with multipliers and the rotations before the plain
        // turns: small searches that settle soon, and the designs they find
        // come early.
        std::stable_sort(symmetries.begin(), symmetries.end(), [this](const PoolSymmetry& a, const PoolSymmetry& b) {
            return std::make_pair(!a.settlesSoon(), columnIncidences(shape_, &a))
                   < std::make_pair(!b.settlesSoon(), columnIncidences(shape_, &b));
        });
        for (const PoolSymmetry& symmetry : symmetries)
            keep(&symmetry, symmetryName(symmetry));
    }
    bool firstRounds = true;
    for (std::uint64_t round = kFirstSlice; !done(); round = round == kLastRound ? kFirstSlice : 2 * round) {
        const std::uint64_t before = spent_;
        for (std::size_t i = 0; i < choosers.size(); ++i) {
            Chooser& chooser = choosers[i];
            if (spentAll())
                break;
            if (chooser.stuck)
                chooser.search->startAfresh(seedFor(chooser.symmetry ? &*chooser.symmetry : nullptr));
            chooser.stuck = false;
            const bool leading = chooser.best == found_.tickets.size();
            const std::size_t size = choose(*chooser.search, roundWork(round, chooser.symmetry, leading), chooser.method);
            if (size == 0)
                continue;
            chooser.best = std::min(chooser.best, size);
            chooser.stuck = size >= chooser.last;
            chooser.last = chooser.stuck ? ~std::size_t{0} : size;
            if (i == 0) {
                annealed = search(annealed, round);
                consider(annealed, annealedMethod);
            }
        }
        // Half the round's work, while the annealing keeps up with the choices.
        std::size_t chosenBest = ~std::size_t{0};
        for (const Chooser& chooser : choosers)
            chosenBest = std::min(chosenBest, chooser.best);
        if (choosers.empty() || (spent_ - before > 2 * round && annealed.size() <= chosenBest)) {
            annealed = search(annealed, choosers.empty() ? round : spent_ - before - 2 * round);
            consider(annealed, annealedMethod);
        }
        if (spentAll())
            break;
        // The neighbours' wheels come once the pool's own searches have had a few rounds.
        if (round == 4 * kFirstSlice && firstRounds && !outer_ && shape_.pool <= kMostSymmetricPool && !done()) {
            const std::size_t searched = found_.tickets.size();
            findNeighbours();
            // A neighbour's wheel that beats every search is put together
            // from two, with tickets to spare where they meet: the annealing
            // goes on from it.
            if (found_.tickets.size() < searched) {
                annealed = found_.tickets;
                annealedMethod = found_.method + ", made smaller by annealing";
            }
        }
        // The better half of the plain choices goes on, down to a few, and
        // so does the better half of the groups with multipliers and the
        // rotations, small searches whose first runs are as much a lottery,
        // and any group that beats every plain choice.
        const auto firstPlain = std::stable_partition(choosers.begin(), choosers.end(), [](const Chooser& c) {
            return c.symmetry && c.symmetry->settlesSoon();
        });
        const auto byBest = [](const Chooser& a, const Chooser& b) { return a.best < b.best; };
        std::stable_sort(choosers.begin(), firstPlain, byBest);
        std::stable_sort(firstPlain, choosers.end(), byBest);
        const auto betterHalf = [](std::size_t count) { return std::min(count, std::max(kFewestChoosers, (count + 1) / 2)); };
        const auto plain = static_cast<std::size_t>(choosers.end() - firstPlain);
        const std::size_t plainBest = plain == 0 ? ~std::size_t{0} : firstPlain->best;
        rest(firstPlain + static_cast<std::ptrdiff_t>(betterHalf(plain)), choosers.end());
        const auto beating = std::partition_point(choosers.begin(), firstPlain,
                                                  [plainBest](const Chooser& c) { return c.best < plainBest; });
        const auto groups = static_cast<std::size_t>(firstPlain - choosers.begin());
        rest(choosers.begin() + static_cast<std::ptrdiff_t>(
                 std::max(betterHalf(groups), static_cast<std::size_t>(beating - choosers.begin()))),
             firstPlain);
        if (round == kLastRound) {
            std::move(resting.begin(), resting.end(), std::back_inserter(choosers));
            resting.clear();
            std::sort(choosers.begin(), choosers.end(),
                      [](const Chooser& a, const Chooser& b) { return a.order < b.order; });
            for (Chooser& chooser : choosers) {
                chooser.best = chooser.last = ~std::size_t{0};
                chooser.stuck = true;
            }
            firstRounds = false;
        }
    }
}

void Finder::findNeighbours()
{
    const int v = shape_.pool;
    const int k = shape_.ticket;
    const int t = shape_.guarantee;
    // The pool of one number more (0 added), and of a few numbers fewer
    // with them added, by the fewest tickets each could make: the likeliest
    // first, and none that cannot come below the smallest wheel so far.
    std::vector<std::pair<std::uint64_t, int>> tries;
    if (v < kMostPoolNumbers)
        tries.emplace_back(wheelLowerBound({v + 1, k, t, t}), 0);
    for (int added = 1; t > 1 && added <= k - t + 1 && v - added > k; ++added)
        tries.emplace_back(
            wheelLowerBound({v - added, k, t, t}) + wheelLowerBound({v - added, k - added, t - 1, t - 1}), added);
    std::stable_sort(tries.begin(), tries.end());
    for (const auto& [least, added] : tries) {
        if (done())
            return;
        if (least >= found_.tickets.size())
            continue;
        if (added == 0) {
            consider(withLastNumberReplaced(findOther({v + 1, k, t, t}, kNeighbourShare).tickets, v, k),
                     "a wheel of one number more, that number replaced");
            continue;
        }
        const Tickets rest = findOther({v - added, k, t, t}, kNeighbourShare).tickets;
        const Tickets partner = findOther({v - added, k - added, t - 1, t - 1}, kNeighbourShare / 2).tickets;
        consider(withNumbersAdded(rest, partner, v - added, added),
                 added == 1 ? "a wheel of one number fewer and one of the number added"
                            : "a wheel of " + std::to_string(added) + " numbers fewer and one of the numbers added");
    }
}

FoundWheel Finder::findOther(const WheelShape& shape, double fraction)
{
    Clock::time_point deadline = deadline_;
    if (whole_.seconds > 0)
        deadline = Clock::now() + std::chrono::duration_cast<Clock::duration>((deadline_ - Clock::now()) * fraction);
    const auto work = static_cast<std::uint64_t>(static_cast<double>(work_ - std::min(work_, spent_)) * fraction);
    WheelBudget whole = whole_;
    whole.enough = 0; // what is enough for this shape says nothing of another
    Finder finder(shape, seeds_.next(), work, deadline, watch_, started_, whole);
    finder.outer_ = this;
    FoundWheel found = finder.run();
    spent_ += finder.spent_;
    found_.stopped |= found.stopped;
    return found;
}

Tickets Finder::findPart(int size, int drawnInPart, double fraction)
{
    if (size <= shape_.ticket)
        return {PoolSet::firstPositions(size)};
    return findOther({size, shape_.ticket, shape_.guarantee, std::min(drawnInPart, size)}, fraction).tickets;
}

// "T if M" for M > T: pigeonhole splits, or when there are none the
// covering of every T-set, with half the budget; then a search on the
// M-sets from the best.
void Finder::findDrawnWheel()
{
    const std::vector<PoolSplit> splits = pigeonholeSplits(shape_);
    const bool searchable = unitCount(shape_) <= kMostSearchUnits;
    const double share = searchable ? 0.5 : 1.0;
    bool triedSplit = false;
    for (std::size_t i = 0; i < splits.size() && !found_.stopped; ++i) {
        const PoolSplit& split = splits[i];
        // A split whose parts cannot beat the best wheel so far is not tried.
        std::uint64_t least = 0;
        for (int size : split.sizes)
            if (size >= split.drawnInPart)
                least += size <= shape_.ticket ? 1
                                               : wheelLowerBound({size, shape_.ticket, shape_.guarantee,
                                                                  std::min(split.drawnInPart, size)});
        if ((!found_.tickets.empty() && least >= found_.tickets.size()) || !splitSearchable(split, shape_.guarantee))
            continue;
        triedSplit = true;
        std::map<int, Tickets> wheelOfSize;
        for (int size : split.sizes)
            if (size >= split.drawnInPart && !wheelOfSize.count(size))
                wheelOfSize[size] = {};
        // Each split and each of its part sizes takes an equal share of what is left.
        std::size_t sizesLeft = wheelOfSize.size();
        for (auto& [size, wheel] : wheelOfSize)
            wheel = findPart(size, split.drawnInPart,
                             share / static_cast<double>(splits.size() - i) / static_cast<double>(sizesLeft--));
        std::vector<Tickets> parts;
        for (int size : split.sizes)
            parts.push_back(wheelOfSize[size]);
        if (!found_.stopped)
            consider(joinParts(split, parts, shape_.pool, shape_.ticket),
                     "a split into " + std::to_string(split.parts) + " parts");
    }
    if (!triedSplit) {
        FoundWheel covering = findOther({shape_.pool, shape_.ticket, shape_.guarantee, shape_.guarantee}, share);
        consider(std::move(covering.tickets), covering.method);
    }
    if (searchable && !done() && !found_.tickets.empty()) {
        const Tickets start = found_.tickets;
        consider(search(start, kAllLeft), "annealing");
    }
}

FoundWheel Finder::run()
{
    if (shape_.pool == shape_.ticket)
        consider({PoolSet::firstPositions(shape_.pool)}, "one ticket");
    else if (shape_.guarantee == 1)
        consider(partitionWheel(shape_.pool, shape_.ticket), "every number once");
    else if (shape_.drawn == shape_.guarantee)
        findCovering();
    else
        findDrawnWheel();
    return found_;
}

} // namespace

FoundWheel findWheel(const WheelShape& shape, std::uint64_t seed, const WheelBudget& budget,
                     const FinderWatch& watch)
{
    const auto started = Clock::now();
    const auto deadline = started + std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double>(budget.seconds));
    Finder finder(shape, seed, budget.work, deadline, watch, started, budget);
    FoundWheel found = finder.run();
    found.verdict = checkWheel(shape, found.tickets, kCheckBudget);
    return found;
}
