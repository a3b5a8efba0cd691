// SPDX-License-Identifier: GPL-3.0-or-later
#include "TierScale.h"

#include "PrizeTiers.h"
#include "ReportLines.h"

namespace {

const char* const kInOrder[] = {"in order", "in any order"};

} // namespace

TierScale::TierScale(const Draw& draw, const LineLayout& layout)
    : kind_(layout.kind), first_(layout.firstCount), second_(layout.secondCount), biggest_(layout.firstBiggest),
      unit_(layout.kind == LineKind::Teams ? "ticket" : "line")
{
    if (kind_ == LineKind::Teams)
        first_ = static_cast<int>(draw.teams.size());
}

std::size_t TierScale::size() const
{
    switch (kind_) {
    case LineKind::Numbers:
        return static_cast<std::size_t>(first_ + 1) * static_cast<std::size_t>(second_ + 1);
    case LineKind::Digits:
    case LineKind::Horses:
        return 2;
    case LineKind::Teams:
        return static_cast<std::size_t>(first_) + 1;
    case LineKind::Pockets:
        break;
    }
    return 0;
}

std::string TierScale::name(std::size_t place) const
{
    switch (kind_) {
    case LineKind::Numbers: {
        const auto columns = static_cast<std::size_t>(second_ + 1);
        const TierGame game{{biggest_, first_}, second_ > 0 ? std::optional<Drum>(Drum{0, second_}) : std::nullopt};
        return tierName(game, {first_ - static_cast<long>(place / columns),
                               second_ - static_cast<long>(place % columns)});
    }
    case LineKind::Digits:
    case LineKind::Horses:
        return kInOrder[place];
    case LineKind::Teams:
        return std::to_string(first_ - static_cast<long>(place)) + " of " + std::to_string(first_) + " right";
    case LineKind::Pockets:
        break;
    }
    return {};
}

std::size_t TierScale::place(int first, int second) const
{
    return static_cast<std::size_t>(first_ - first) * static_cast<std::size_t>(second_ + 1)
           + static_cast<std::size_t>(second_ - second);
}

std::string leftOutTiers(std::size_t tiers, const std::string& unit)
{
    return std::to_string(tiers) + (tiers == 1 ? " other tier: 0 " : " other tiers: 0 ") + unit + "s";
}
