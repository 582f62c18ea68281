#include "verify/discrepancy_list.h"

#include <utility>

namespace brisel::verify {

void DiscrepancyList::Add(Discrepancy discrepancy) {
    if (kept_.size() < limit_) {
        kept_.push_back(std::move(discrepancy));
    } else {
        ++leftOut_;
    }
}

void DiscrepancyList::Append(DiscrepancyList&& other) {
    for (Discrepancy& discrepancy : other.kept_) Add(std::move(discrepancy));
    leftOut_ += other.leftOut_;
    other.kept_.clear();
    other.leftOut_ = 0;
}

std::vector<Discrepancy> DiscrepancyList::Take() {
    std::vector<Discrepancy> taken = std::move(kept_);
    kept_.clear();
    return taken;
}

}  // namespace brisel::verify
