#pragma once
// Collects discrepancies up to a limit, so that a badly damaged target gives
// a readable report instead of a million lines.

#include <cstddef>
#include <vector>

#include "verify/discrepancy.h"

namespace brisel::verify {

class DiscrepancyList {
public:
    explicit DiscrepancyList(std::size_t limit = 100) : limit_(limit) {}

    void Add(Discrepancy discrepancy);
    // Takes over the discrepancies of another list, and its count of those left out.
    void Append(DiscrepancyList&& other);
    bool Empty() const { return kept_.empty(); }

    // The ones kept, in the order they were added.
    std::vector<Discrepancy> Take();
    // How many were added beyond the limit.
    std::size_t LeftOut() const { return leftOut_; }

private:
    std::size_t limit_;
    std::size_t leftOut_ = 0;
    std::vector<Discrepancy> kept_;
};

}  // namespace brisel::verify
