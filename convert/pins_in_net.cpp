#include "convert/pins_in_net.h"

#include "convert/word_bytes.h"

namespace brisel {

namespace {

// A table this small stays for the next net, emptied; a larger one goes.
constexpr std::size_t kKeptSlots = 1024;

// The part's place and the pin's bytes, mixed so that the low bits, which
// place a slot, depend on all of them. A pin of up to eight bytes is read as
// one word; a longer one byte by byte.
std::uint32_t TagOf(const PartNumber* part, std::string_view text) {
    std::uint64_t bytes = 0;
    if (text.size() <= 8) {
        if (!text.empty()) bytes = word_bytes::LoadUpTo8(text.data(), text.size());
    } else {
        bytes = 14695981039346656037ull;
        for (char c : text) bytes = (bytes ^ static_cast<unsigned char>(c)) * 1099511628211ull;
    }
    std::uint64_t hash = (reinterpret_cast<std::uintptr_t>(part) + text.size()) * 0x9e3779b97f4a7c15ull ^ bytes;
    hash = (hash ^ (hash >> 30)) * 0xbf58476d1ce4e5b9ull;
    hash = (hash ^ (hash >> 27)) * 0x94d049bb133111ebull;
    return static_cast<std::uint32_t>(hash ^ (hash >> 31));
}

}  // namespace

// The first pins move into the table when it is first needed; count_ then
// counts the table's pins.
[[gnu::noinline]] bool FurtherPins::AddToTable(const PartNumber& part, std::string_view pin) {
    if (!tabled_) {
        if (slots_.empty()) slots_.resize(4 * kSearched);
        tabled_ = true;
        count_ = 0;
        for (std::size_t i = 0; i < kSearched; ++i) Insert(parts_[i], pins_[i]);
    }
    return Insert(&part, pin);
}

// Linear probing from the place the tag gives.
[[gnu::always_inline]] inline bool FurtherPins::Insert(const PartNumber* part, std::string_view pin) {
    const std::uint32_t tag = TagOf(part, pin);
    const std::size_t mask = slots_.size() - 1;
    for (std::size_t i = tag & mask;; i = (i + 1) & mask) {
        Slot& slot = slots_[i];
        if (slot.part == nullptr) {
            slot = {part, pin.data(), static_cast<std::uint32_t>(pin.size()), tag};
            if (2 * ++count_ > slots_.size()) Grow();
            return true;
        }
        if (slot.tag == tag && slot.part == part && std::string_view(slot.text, slot.size) == pin) return false;
    }
}

void FurtherPins::Grow() {
    std::vector<Slot> old(2 * slots_.size());
    old.swap(slots_);
    const std::size_t mask = slots_.size() - 1;
    for (const Slot& slot : old) {
        if (slot.part == nullptr) continue;
        std::size_t i = slot.tag & mask;
        while (slots_[i].part != nullptr) i = (i + 1) & mask;
        slots_[i] = slot;
    }
}

void FurtherPins::ReleaseTable() {
    if (slots_.size() <= kKeptSlots) {
        slots_.assign(slots_.size(), Slot{});
    } else {
        std::vector<Slot>().swap(slots_);
    }
}

}  // namespace brisel
