#pragma once
// Checks the numbers of a target on their own, as its connection rows stream
// by: every connection's net and part number in range, and every net's chain
// of next-connection numbers. It keeps a few numbers per net, never the rows.

#include <cstdint>
#include <vector>

#include "verify/discrepancy_list.h"
#include "verify/target_netlist.h"

namespace brisel::verify {

class ChainCheck {
public:
    explicit ChainCheck(const TargetTables& tables) : tables_(tables) {}

    void OnConnection(std::int64_t number, const TargetConnection& row);
    // After the last of `total` rows: the numbers out of range in row order,
    // then one discrepancy for each net whose chain is broken.
    void Finish(std::int64_t total, DiscrepancyList& discrepancies);

private:
    // A chain is walked forwards only: the row it expects next comes later.
    struct Walk {
        enum class State { Walking, Ended, Backwards } state = State::Walking;
        std::int64_t expected = 0;  // the row the chain reaches next
        std::int64_t from = 0;      // the row that pointed there, 0 for the net's first
        std::int64_t visited = 0;
        std::int64_t rows = 0;  // rows with this net number
    };

    void Prepare();
    void CheckRanges(std::int64_t number, const TargetConnection& row);
    void Step(Walk& walk, std::int64_t number, std::int64_t next);
    void CheckEmptyNet(std::size_t index, std::int64_t total, DiscrepancyList& discrepancies) const;
    void CheckWalk(std::int64_t net, const Walk& walk, DiscrepancyList& discrepancies) const;

    const TargetTables& tables_;
    std::vector<Walk> walks_;  // walks_[n - 1] for net n
    bool prepared_ = false;
    DiscrepancyList ranges_;
};

}  // namespace brisel::verify
