// SPDX-License-Identifier: GPL-3.0-or-later
#include "ColumnSearch.h"

#include "SearchRandom.h"
#include "TicketOrbits.h"
#include "UnitSpace.h"

#include <algorithm>
#include <chrono>
#include <limits>

namespace {

constexpr std::uint64_t kClockEvery = 256;
// A unit of the finder's work is about as long as this many looks.
constexpr std::uint64_t kLooksPerWork = 12;
constexpr double kWatchSeconds = 0.05;
constexpr std::uint32_t kNone = std::numeric_limits<std::uint32_t>::max();
// A search that has gone four times as long without a smaller cover as it
// took to find its last one, and at least its start's patience, starts
// again. The patience of the starts goes 1 1 2 1 1 2 4 1 1 2 1 1 2 4 8 ...
// (Luby's sequence) times this much work per (ticket, T-set) pair the
// search holds, up to the most: many short starts for a small search, whose
// starts either find a small wheel at once or stick, and now and then a
// long one for the slow finds.
constexpr std::uint64_t kPatience = 4;
constexpr std::uint64_t kPatiencePerPair = 10;
constexpr std::uint64_t kMostLeastPatience = 50'000'000;

} // namespace

// A block of 2^k - 1 terms is the block before twice, then 2^(k-1).
std::uint64_t startShare(std::uint64_t n)
{
    for (;;) {
        std::uint64_t block = 1;
        while (block < n)
            block = 2 * block + 1;
        if (block == n)
            return (block + 1) / 2;
        n -= block / 2;
    }
}

// The search, which keeps its weights and its place between runs.
class RowWeighting {
public:
    RowWeighting(Incidence incidence, std::uint64_t seed);
    // Goes on within the limits; the best cover's columns so far.
    const std::vector<std::uint32_t>& run(const SearchLimits& limits, const SearchWatch& watch);
    const Incidence& incidence() const { return in_; }
    // Forgets all but the incidence and starts as a new search with this seed.
    void startAfresh(std::uint64_t seed);

private:
    // A greedy cover with every weight 1, the best so far kept.
    void start();
    void add(std::uint32_t c);
    void remove(std::uint32_t c);
    void raiseWeights();
    // Whether column a beats b: more score per ticket, else the one left alone longer.
    bool better(std::uint32_t a, std::uint32_t b) const;
    // The chosen column that is best to take out, but `kept`.
    std::uint32_t worstChosen(std::uint32_t kept) const;
    void uncoveredAdd(std::uint32_t r);
    void uncoveredRemove(std::uint32_t r);

    const Incidence in_;
    SearchRandom random_;
    std::vector<std::int64_t> score_;   // weight a column would cover, or (chosen) leave uncovered, negative
    std::vector<std::uint32_t> count_;  // per row, the chosen columns covering it
    std::vector<std::uint32_t> alone_;  // per row, the xor of those columns: the one when there is one
    std::vector<std::int64_t> weight_;  // per row
    std::vector<std::uint64_t> stamp_;  // per column, the step it last changed
    std::vector<std::uint32_t> chosen_;
    std::vector<std::int32_t> chosenAt_;
    std::vector<std::uint32_t> uncovered_;
    std::vector<std::int32_t> uncoveredAt_;
    std::int64_t total_ = 0; // the tickets of the chosen columns
    std::vector<std::uint32_t> best_;
    std::int64_t bestTotal_ = 0;
    // This start's smallest cover, the work when it started and when it found that.
    std::int64_t startBest_ = 0;
    std::uint64_t startedAt_ = 0;
    std::uint64_t improvedAt_ = 0;
    std::uint64_t starts_ = 0; // since the search or its fresh start began
    std::uint64_t leastPatience_ = 0; // in looks
    std::uint32_t lastAdded_ = kNone;
    std::uint64_t step_ = 0;
    mutable std::uint64_t looks_ = 0; // columns and rows looked at: the search's work
};

RowWeighting::RowWeighting(Incidence incidence, std::uint64_t seed)
    : in_(std::move(incidence)), random_(seed), score_(in_.cost.size()), count_(in_.rows), alone_(in_.rows),
      weight_(in_.rows), stamp_(in_.cost.size()), chosenAt_(in_.cost.size()), uncoveredAt_(in_.rows)
{
    start();
}

void RowWeighting::start()
{
    std::fill(count_.begin(), count_.end(), 0);
    std::fill(alone_.begin(), alone_.end(), 0);
    std::fill(weight_.begin(), weight_.end(), 1);
    std::fill(stamp_.begin(), stamp_.end(), 0);
    std::fill(chosenAt_.begin(), chosenAt_.end(), -1);
    chosen_.clear();
    uncovered_.clear();
    total_ = 0;
    lastAdded_ = kNone;
    for (std::uint32_t r = 0; r < in_.rows; ++r)
        uncoveredAdd(r);
    for (std::uint32_t c = 0; c < score_.size(); ++c)
        score_[c] = in_.rowStart[c + 1] - in_.rowStart[c];
    // A greedy start: for a random uncovered row, the column best for it.
    while (!uncovered_.empty()) {
        const std::uint32_t r = uncovered_[random_.below(static_cast<std::uint32_t>(uncovered_.size()))];
        std::uint32_t pick = in_.columnList[in_.columnStart[r]];
        for (std::uint32_t j = in_.columnStart[r]; j < in_.columnStart[r + 1]; ++j)
            if (better(in_.columnList[j], pick))
                pick = in_.columnList[j];
        add(pick);
    }
    if (best_.empty() || total_ < bestTotal_) {
        best_ = chosen_;
        bestTotal_ = total_;
    }
    startBest_ = total_;
    ++starts_;
    const std::uint64_t patience = startShare(starts_) * kPatiencePerPair * in_.rowList.size();
    leastPatience_ = std::min(kMostLeastPatience, patience) * kLooksPerWork;
    startedAt_ = looks_;
    improvedAt_ = looks_;
}

void RowWeighting::startAfresh(std::uint64_t seed)
{
    random_ = SearchRandom(seed);
    starts_ = 0;
    best_.clear();
    bestTotal_ = 0;
    start();
}

void RowWeighting::uncoveredAdd(std::uint32_t r)
{
    uncoveredAt_[r] = static_cast<std::int32_t>(uncovered_.size());
    uncovered_.push_back(r);
}

void RowWeighting::uncoveredRemove(std::uint32_t r)
{
    const std::int32_t at = uncoveredAt_[r];
    uncovered_[static_cast<std::size_t>(at)] = uncovered_.back();
    uncoveredAt_[uncovered_.back()] = at;
    uncovered_.pop_back();
    uncoveredAt_[r] = -1;
}

void RowWeighting::add(std::uint32_t c)
{
    chosenAt_[c] = static_cast<std::int32_t>(chosen_.size());
    chosen_.push_back(c);
    total_ += in_.cost[c];
    std::int64_t own = 0;
    for (std::uint32_t i = in_.rowStart[c]; i < in_.rowStart[c + 1]; ++i) {
        const std::uint32_t r = in_.rowList[i];
        alone_[r] ^= c;
        if (++count_[r] == 1) {
            uncoveredRemove(r);
            looks_ += in_.columnStart[r + 1] - in_.columnStart[r];
            for (std::uint32_t j = in_.columnStart[r]; j < in_.columnStart[r + 1]; ++j)
                score_[in_.columnList[j]] -= weight_[r];
            own -= weight_[r];
        } else if (count_[r] == 2) {
            score_[alone_[r] ^ c] += weight_[r];
        }
    }
    score_[c] = own;
    stamp_[c] = step_;
}

void RowWeighting::remove(std::uint32_t c)
{
    const std::int32_t at = chosenAt_[c];
    chosen_[static_cast<std::size_t>(at)] = chosen_.back();
    chosenAt_[chosen_.back()] = at;
    chosen_.pop_back();
    chosenAt_[c] = -1;
    total_ -= in_.cost[c];
    std::int64_t own = 0;
    for (std::uint32_t i = in_.rowStart[c]; i < in_.rowStart[c + 1]; ++i) {
        const std::uint32_t r = in_.rowList[i];
        alone_[r] ^= c;
        if (--count_[r] == 0) {
            uncoveredAdd(r);
            looks_ += in_.columnStart[r + 1] - in_.columnStart[r];
            for (std::uint32_t j = in_.columnStart[r]; j < in_.columnStart[r + 1]; ++j)
                score_[in_.columnList[j]] += weight_[r];
            own += weight_[r];
        } else if (count_[r] == 1) {
            score_[alone_[r]] -= weight_[r];
        }
    }
    score_[c] = own;
    stamp_[c] = step_;
}

void RowWeighting::raiseWeights()
{
    for (std::uint32_t r : uncovered_) {
        ++weight_[r];
        looks_ += in_.columnStart[r + 1] - in_.columnStart[r];
        for (std::uint32_t j = in_.columnStart[r]; j < in_.columnStart[r + 1]; ++j)
            ++score_[in_.columnList[j]];
    }
}

bool RowWeighting::better(std::uint32_t a, std::uint32_t b) const
{
    const std::int64_t left = score_[a] * in_.cost[b];
    const std::int64_t right = score_[b] * in_.cost[a];
    return left > right || (left == right && stamp_[a] < stamp_[b]);
}

std::uint32_t RowWeighting::worstChosen(std::uint32_t kept) const
{
    std::uint32_t pick = kNone;
    looks_ += chosen_.size();
    for (std::uint32_t c : chosen_)
        if ((c != kept || chosen_.size() == 1) && (pick == kNone || better(c, pick)))
            pick = c;
    return pick;
}

const std::vector<std::uint32_t>& RowWeighting::run(const SearchLimits& limits, const SearchWatch& watch)
{
    const auto target = static_cast<std::int64_t>(std::max<std::size_t>(limits.target, 1));
    const auto started = std::chrono::steady_clock::now();
    const std::uint64_t lookLimit = looks_ + limits.steps * kLooksPerWork;
    double lastWatch = -kWatchSeconds;
    for (std::uint64_t steps = 0; bestTotal_ > target; ++steps) {
        ++step_;
        if (uncovered_.empty()) {
            if (total_ < startBest_) {
                startBest_ = total_;
                improvedAt_ = looks_;
            }
            if (total_ < bestTotal_) {
                bestTotal_ = total_;
                best_ = chosen_;
            }
            while (total_ >= startBest_ && !chosen_.empty())
                remove(worstChosen(kNone));
            continue;
        }
        if (limits.steps && looks_ > lookLimit)
            break;
        if (looks_ - improvedAt_ > std::max(leastPatience_, kPatience * (improvedAt_ - startedAt_))) {
            start();
            continue;
        }
        if (steps % kClockEvery == 0) {
            const double elapsed = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
            if (limits.seconds > 0 && elapsed >= limits.seconds)
                break;
            if (watch && elapsed >= lastWatch + kWatchSeconds) {
                lastWatch = elapsed;
                if (!watch({static_cast<std::size_t>(total_), uncovered_.size(), static_cast<std::size_t>(bestTotal_),
                            steps, elapsed}))
                    break;
            }
        }
        // Out with the cheapest loss, the last column in excepted, until
        // there is room below the best; then in with the best for an
        // uncovered row, the column just out excepted.
        std::uint32_t out = kNone;
        do {
            out = worstChosen(lastAdded_);
            if (out != kNone)
                remove(out);
        } while (out != kNone && total_ >= startBest_);
        const std::uint32_t r = uncovered_[random_.below(static_cast<std::uint32_t>(uncovered_.size()))];
        std::uint32_t in = kNone;
        looks_ += in_.columnStart[r + 1] - in_.columnStart[r];
        for (std::uint32_t j = in_.columnStart[r]; j < in_.columnStart[r + 1]; ++j) {
            const std::uint32_t c = in_.columnList[j];
            if (c != out && total_ + in_.cost[c] < startBest_ && (in == kNone || better(c, in)))
                in = c;
        }
        if (in != kNone) {
            add(in);
            lastAdded_ = in;
        }
        raiseWeights();
    }
    return best_;
}

TicketChooser::TicketChooser(const WheelShape& shape, std::uint64_t seed, const PoolSymmetry* symmetry)
    : shape_(shape), symmetry_(symmetry ? std::optional<PoolSymmetry>(*symmetry) : std::nullopt),
      search_(std::make_unique<RowWeighting>(incidenceOf(shape, symmetry), seed))
{
}

TicketChooser::~TicketChooser() = default;

void TicketChooser::startAfresh(std::uint64_t seed)
{
    search_->startAfresh(seed);
}

Tickets TicketChooser::run(const SearchLimits& limits, const SearchWatch& watch)
{
    const std::vector<std::uint32_t>& columns = search_->run(limits, watch);
    const UnitSpace space({shape_.pool, shape_.ticket, shape_.ticket, shape_.ticket});
    Tickets base;
    std::vector<int> set(static_cast<std::size_t>(shape_.ticket));
    for (std::uint32_t c : columns) {
        space.unrank(search_->incidence().representative[c], set.data());
        PoolSet ticket;
        for (int p : set)
            ticket.insert(p);
        base.push_back(ticket);
    }
    return symmetry_ ? expandOrbits(base, *symmetry_) : base;
}
