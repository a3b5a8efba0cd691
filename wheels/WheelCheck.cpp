// SPDX-License-Identifier: GPL-3.0-or-later
#include "WheelCheck.h"

#include "Subsets.h"
#include "UnitSpace.h"

namespace {

constexpr std::uint64_t kStopEvery = 4096;

class HoleSearch {
public:
    HoleSearch(const WheelShape& shape, const Tickets& tickets, std::uint64_t budget,
               const std::function<bool()>& stop);
    WheelVerdict run();

private:
    // Grows `chosen` (depth positions) from the candidates; true when a hole is found.
    bool grow(int depth, const PoolSet& candidates);

    int v_, t_, m_;
    UnitSpace sides_;              // the (T-1)-sets
    std::vector<PoolSet> unpaired_; // per (T-1)-set, the positions no ticket holds with it
    std::uint64_t budget_;
    const std::function<bool()>& stop_;
    std::uint64_t steps_ = 0;
    bool outOfBudget_ = false;
    int chosen_[kMostPoolNumbers] = {};
};

HoleSearch::HoleSearch(const WheelShape& shape, const Tickets& tickets, std::uint64_t budget,
                       const std::function<bool()>& stop)
    : v_(shape.pool), t_(shape.guarantee), m_(shape.drawn), sides_({v_, 0, t_ - 1, t_ - 1}),
      budget_(budget), stop_(stop)
{
    const PoolSet pool = PoolSet::firstPositions(v_);
    unpaired_.assign(sides_.units(), pool);
    int side[kMostPoolNumbers];
    for (std::uint32_t r = 0; r < sides_.units(); ++r) {
        sides_.unrank(r, side);
        for (int i = 0; i < t_ - 1; ++i)
            unpaired_[r].erase(side[i]);
    }
    std::vector<int> points;
    for (const PoolSet& ticket : tickets) {
        points.clear();
        (ticket & pool).forEach([&](int p) { points.push_back(p); });
        const PoolSet others{~ticket.low, ~ticket.high};
        for (SubsetWalk walk(static_cast<int>(points.size()), t_ - 1); walk.valid(); walk.next()) {
            for (int i = 0; i < t_ - 1; ++i)
                side[i] = points[static_cast<std::size_t>(walk.positions()[static_cast<std::size_t>(i)])];
            unpaired_[sides_.rank(side, t_ - 1)] &= others;
        }
    }
}

bool HoleSearch::grow(int depth, const PoolSet& candidates)
{
    if (depth == m_)
        return true;
    if (depth + candidates.count() < m_)
        return false;
    if (++steps_ > budget_ || (steps_ % kStopEvery == 0 && stop_ && stop_())) {
        outOfBudget_ = true;
        return false;
    }
    bool found = false;
    candidates.forEach([&](int p) {
        if (found || outOfBudget_)
            return;
        chosen_[depth] = p;
        PoolSet next = candidates.above(p);
        // The new (T-1)-sets are p with T - 2 of the positions chosen before.
        if (depth + 1 >= t_ - 1 && t_ >= 2) {
            int side[kMostPoolNumbers];
            for (SubsetWalk walk(depth, t_ - 2); walk.valid() && !next.empty(); walk.next()) {
                for (int i = 0; i < t_ - 2; ++i)
                    side[i] = chosen_[walk.positions()[static_cast<std::size_t>(i)]];
                side[t_ - 2] = p;
                next &= unpaired_[sides_.rank(side, t_ - 1)];
            }
        }
        found = grow(depth + 1, next);
    });
    return found;
}

WheelVerdict HoleSearch::run()
{
    // For T = 1 the one (T-1)-set is the empty one: no ticket holds a hole's numbers at all.
    const PoolSet start = t_ == 1 ? unpaired_[0] : PoolSet::firstPositions(v_);
    WheelVerdict verdict;
    if (grow(0, start)) {
        verdict.kind = WheelVerdict::Kind::Hole;
        verdict.hole.assign(chosen_, chosen_ + m_);
    } else {
        verdict.kind = outOfBudget_ ? WheelVerdict::Kind::Unchecked : WheelVerdict::Kind::Proven;
    }
    verdict.steps = steps_;
    return verdict;
}

} // namespace

bool checkable(const WheelShape& shape) { return binomial(shape.pool, shape.guarantee - 1) <= kMostCheckedSides; }

std::uint64_t mostCheckSteps(const WheelShape& shape)
{
    std::uint64_t steps = 0;
    for (int d = 0; d <= shape.drawn; ++d) {
        const std::uint64_t sets = binomial(shape.pool, d);
        steps = sets > ~std::uint64_t{0} - steps ? ~std::uint64_t{0} : steps + sets;
    }
    return steps;
}

WheelVerdict checkWheel(const WheelShape& shape, const Tickets& tickets, std::uint64_t budget,
                        const std::function<bool()>& stop)
{
    if (!checkable(shape))
        return {};
    HoleSearch search(shape, tickets, budget, stop);
    return search.run();
}
