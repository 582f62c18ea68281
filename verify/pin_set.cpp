#include "verify/pin_set.h"

namespace brisel::verify {

void PinSet::Clear() {
    if (!slots_.empty()) std::vector<std::uint64_t>().swap(slots_);
    count_ = 0;
}

bool PinSet::InsertHashed(std::uint64_t pinHash) {
    if (slots_.empty()) {
        slots_.resize(8 * kListed);
        for (const std::uint64_t listed : listed_) Place(listed);
    }
    if (!Place(pinHash)) return false;
    ++count_;
    if (2 * count_ > slots_.size()) Grow();
    return true;
}

// Linear probing; the hashes are well mixed already.
bool PinSet::Place(std::uint64_t pinHash) {
    const std::size_t mask = slots_.size() - 1;
    for (std::size_t i = pinHash & mask;; i = (i + 1) & mask) {
        if (slots_[i] == pinHash) return false;
        if (slots_[i] == 0) {
            slots_[i] = pinHash;
            return true;
        }
    }
}

void PinSet::Grow() {
    std::vector<std::uint64_t> old(2 * slots_.size());
    old.swap(slots_);
    for (const std::uint64_t pinHash : old) {
        if (pinHash != 0) Place(pinHash);
    }
}

}  // namespace brisel::verify
