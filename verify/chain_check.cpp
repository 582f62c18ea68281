#include "verify/chain_check.h"

namespace brisel::verify {

void ChainCheck::Prepare() {
    if (prepared_) return;
    prepared_ = true;
    walks_.resize(tables_.nets.size());
    for (std::size_t i = 0; i < walks_.size(); ++i) walks_[i].expected = tables_.nets[i].firstConnection;
}

void ChainCheck::OnConnection(std::int64_t number, const TargetConnection& row) {
    Prepare();
    CheckRanges(number, row);
    if (row.net < 1 || row.net > static_cast<std::int64_t>(walks_.size())) return;
    Walk& walk = walks_[row.net - 1];
    ++walk.rows;
    if (walk.state == Walk::State::Walking && walk.expected == number) Step(walk, number, row.next);
}

void ChainCheck::Step(Walk& walk, std::int64_t number, std::int64_t next) {
    ++walk.visited;
    walk.from = number;
    walk.expected = next;
    if (next == 0) {
        walk.state = Walk::State::Ended;
    } else if (next <= number) {
        walk.state = Walk::State::Backwards;
    }
}

// A part number counts the rows of the table the net's row came after; a
// row of no net is measured against the latest table.
void ChainCheck::CheckRanges(std::int64_t number, const TargetConnection& row) {
    const auto nets = static_cast<std::int64_t>(walks_.size());
    const bool netInRange = row.net >= 1 && row.net <= nets;
    if (!netInRange) {
        ranges_.Add(
            {.kind = DiscrepancyKind::NetNumberOutOfRange, .connection = number, .found = row.net, .expected = nets});
    }
    const std::size_t parts = netInRange ? tables_.nets[row.net - 1].parts.count : tables_.parts.size();
    if (row.part < 1 || row.part > static_cast<std::int64_t>(parts)) {
        ranges_.Add({.kind = DiscrepancyKind::PartNumberOutOfRange,
                     .connection = number,
                     .found = row.part,
                     .expected = static_cast<std::int64_t>(parts)});
    }
}

// A net without rows points where the next net starts, or one past the last
// connection.
void ChainCheck::CheckEmptyNet(std::size_t index, std::int64_t total, DiscrepancyList& discrepancies) const {
    const std::int64_t expected = index + 1 < tables_.nets.size() ? tables_.nets[index + 1].firstConnection : total + 1;
    const std::int64_t first = tables_.nets[index].firstConnection;
    if (first != expected) {
        discrepancies.Add({.kind = DiscrepancyKind::EmptyNetMisplaced,
                           .net = static_cast<std::int64_t>(index + 1),
                           .found = first,
                           .expected = expected});
    }
}

void ChainCheck::CheckWalk(std::int64_t net, const Walk& walk, DiscrepancyList& discrepancies) const {
    using enum DiscrepancyKind;
    switch (walk.state) {
        case Walk::State::Backwards:
            discrepancies.Add({.kind = ChainBackwards, .net = net, .connection = walk.from, .next = walk.expected});
            return;
        case Walk::State::Walking:
            // The row it expects never came with this net number.
            if (walk.from == 0) {
                discrepancies.Add({.kind = FirstConnectionNotInNet, .net = net, .connection = walk.expected});
            } else {
                discrepancies.Add({.kind = ChainBreaks, .net = net, .connection = walk.from, .next = walk.expected});
            }
            return;
        case Walk::State::Ended:
            break;
    }
    if (walk.visited != walk.rows) {
        discrepancies.Add({.kind = ChainShort, .net = net, .found = walk.visited, .expected = walk.rows});
    }
}

void ChainCheck::Finish(std::int64_t total, DiscrepancyList& discrepancies) {
    Prepare();
    discrepancies.Append(std::move(ranges_));
    for (std::size_t index = 0; index < walks_.size(); ++index) {
        if (walks_[index].rows == 0) {
            CheckEmptyNet(index, total, discrepancies);
        } else {
            CheckWalk(static_cast<std::int64_t>(index + 1), walks_[index], discrepancies);
        }
    }
}

}  // namespace brisel::verify
