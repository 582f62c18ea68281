#include "verify/chain_check.h"

#include <string>

namespace brisel::verify {
namespace {

std::string Num(std::int64_t value) { return std::to_string(value); }

std::string Range(std::size_t count) {
    return count == 0 ? "(the table is empty)" : "1.." + Num(static_cast<std::int64_t>(count));
}

}  // namespace

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
        ranges_.Add("connection " + Num(number) + ": net number " + Num(row.net) + " out of range " +
                    Range(walks_.size()));
    }
    const std::size_t parts = netInRange ? tables_.nets[row.net - 1].parts.count : tables_.parts.size();
    if (row.part < 1 || row.part > static_cast<std::int64_t>(parts)) {
        ranges_.Add("connection " + Num(number) + ": part number " + Num(row.part) + " out of range " + Range(parts));
    }
}

// A net without rows points where the next net starts, or one past the last
// connection.
void ChainCheck::CheckEmptyNet(std::size_t index, std::int64_t total, ProblemList& problems) const {
    const std::int64_t expected = index + 1 < tables_.nets.size() ? tables_.nets[index + 1].firstConnection : total + 1;
    const std::int64_t first = tables_.nets[index].firstConnection;
    if (first != expected) {
        problems.Add("net " + Num(static_cast<std::int64_t>(index + 1)) +
                     ": has no connections, so its first connection should be " + Num(expected) +
                     " (where the next one starts), not " + Num(first));
    }
}

// The words of a problem are put together only when there is one.
void ChainCheck::CheckWalk(std::int64_t net, const Walk& walk, ProblemList& problems) const {
    if (walk.state == Walk::State::Ended && walk.visited == walk.rows) return;
    const std::string label = "net " + Num(net) + ": ";
    switch (walk.state) {
        case Walk::State::Backwards:
            problems.Add(label + "chain goes backwards at connection " + Num(walk.from) + " (next " +
                         Num(walk.expected) + ")");
            return;
        case Walk::State::Walking:
            // The row it expects never came with this net number.
            if (walk.from == 0) {
                problems.Add(label + "first connection " + Num(walk.expected) + " is not in the net");
            } else {
                problems.Add(label + "chain breaks at connection " + Num(walk.from) + " (next " + Num(walk.expected) +
                             " is not in the net)");
            }
            return;
        case Walk::State::Ended:
            break;
    }
    if (walk.visited != walk.rows) {
        problems.Add(label + "chain reaches " + Num(walk.visited) + " of the " + Num(walk.rows) +
                     " connections with this net number");
    }
}

void ChainCheck::Finish(std::int64_t total, ProblemList& problems) {
    Prepare();
    problems.Append(std::move(ranges_));
    for (std::size_t index = 0; index < walks_.size(); ++index) {
        if (walks_[index].rows == 0) {
            CheckEmptyNet(index, total, problems);
        } else {
            CheckWalk(static_cast<std::int64_t>(index + 1), walks_[index], problems);
        }
    }
}

}  // namespace brisel::verify
