#include "convert/pins_in_net.h"

namespace brisel {

namespace {

// FNV-1a over the part's place and the pin's bytes, then mixed so that the
// low bits, which place a slot, depend on every byte.
std::uint32_t TagOf(const PartNumber* part, std::string_view text) {
    std::uint64_t hash = 14695981039346656037ull ^ reinterpret_cast<std::uintptr_t>(part);
    hash *= 1099511628211ull;
    for (char c : text) {
        hash ^= static_cast<unsigned char>(c);
        hash *= 1099511628211ull;
    }
    hash ^= hash >> 29;
    hash *= 0xbf58476d1ce4e5b9ull;
    return static_cast<std::uint32_t>(hash ^ (hash >> 32));
}

}  // namespace

bool PinsInNet::AddToTable(const PartNumber& part, std::string_view pin) {
    if (pins_.empty()) {
        for (const Pin& first : first_) Insert(first);
    }
    return Insert({&part, pin.data(), pin.size()});
}

// Linear probing from the place the tag gives.
bool PinsInNet::Insert(const Pin& pin) {
    if (2 * (pins_.size() + 1) > slots_.size()) Grow();
    const std::uint32_t tag = TagOf(pin.part, pin.Text());
    const std::size_t mask = slots_.size() - 1;
    for (std::size_t i = tag & mask;; i = (i + 1) & mask) {
        Slot& slot = slots_[i];
        if (slot.pin == 0) {
            pins_.push_back(pin);
            slot = {tag, static_cast<std::uint32_t>(pins_.size())};
            return true;
        }
        const Pin& seen = pins_[slot.pin - 1];
        if (slot.tag == tag && seen.part == pin.part && seen.Text() == pin.Text()) return false;
    }
}

void PinsInNet::Grow() {
    std::vector<Slot> old(slots_.empty() ? 4 * kSearched : 2 * slots_.size());
    old.swap(slots_);
    const std::size_t mask = slots_.size() - 1;
    for (const Slot& slot : old) {
        if (slot.pin == 0) continue;
        std::size_t i = slot.tag & mask;
        while (slots_[i].pin != 0) i = (i + 1) & mask;
        slots_[i] = slot;
    }
}

void PinsInNet::ReleaseTable() {
    std::vector<Pin>().swap(pins_);
    std::vector<Slot>().swap(slots_);
}

}  // namespace brisel
