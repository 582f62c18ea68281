#include "convert/part_ids.h"

#include <algorithm>

#include "convert/decimal.h"
#include "convert/netlist_text.h"

namespace brisel {

namespace {

// A number of at most 16 digits takes one 16-byte move.
void SetNumber(PartNumber& number, const DecimalCounter& counter) {
    const std::string_view text = counter.Text();
    number.textLength = static_cast<std::uint8_t>(text.size());
    if (text.size() <= 16) {
        std::memcpy(number.text, counter.Block().bytes, 16);
    } else {
        std::memcpy(number.text, text.data(), std::min(text.size(), sizeof number.text));
    }
}

// A slot keeps the hash's low half: its place comes from it, so that the
// index grows without reading any entry.
std::uint32_t TagOf(std::uint64_t hash) { return static_cast<std::uint32_t>(hash); }

}  // namespace

// Filled in place: an entry built aside would be copied in again.
void PartIds::AddEntry(const DecimalCounter& number, const PartKey& key) {
    if (entryCount_ == blocks_.size() * kBlockSize) blocks_.push_back(std::unique_ptr<Entry[]>(new Entry[kBlockSize]));
    Entry& entry = EntryAt(entryCount_++);
    SetNumber(entry.number, number);
    entry.idLength = static_cast<std::uint32_t>(key.id.size());
    if (key.InWords()) {
        entry.id[0] = key.word[0];
        entry.id[1] = key.word[1];
    } else {
        entry.id[0] = longIds_.size();
        longIds_.append(key.id);
    }
}

bool PartIds::Matches(const Entry& entry, const PartKey& key) const {
    if (key.InWords()) {  // one test of the length and both words
        return ((entry.idLength ^ key.id.size()) | (entry.id[0] ^ key.word[0]) | (entry.id[1] ^ key.word[1])) == 0;
    }
    if (entry.idLength != key.id.size()) return false;
    return SameTextIgnoringCase(std::string_view(longIds_.data() + entry.id[0], entry.idLength), key.id);
}

void PartIds::Clear() {
    entryCount_ = 0;
    slots_.assign(slots_.size(), Slot{});
    longIds_.clear();
}

// Linear probing. A later part with the same ID takes over the entry: the
// highest number wins.
void PartIds::Store(std::int64_t number, std::string_view partId) {
    DecimalCounter text;
    text.Set(static_cast<std::uint64_t>(number));
    Store(text, KeyOf(partId));
}

const PartNumber& PartIds::Store(const DecimalCounter& number, const PartKey& key) {
    if (2 * (entryCount_ + 1) > slots_.size()) Grow();
    const std::uint32_t tag = TagOf(key.hash);
    for (std::size_t i = tag & mask_;; i = (i + 1) & mask_) {
        Slot& slot = slots_[i];
        if (slot.entry == 0) {
            AddEntry(number, key);
            slot = {tag, static_cast<std::uint32_t>(entryCount_)};
            return EntryAt(entryCount_ - 1).number;
        }
        Entry& entry = EntryAt(slot.entry - 1);
        if (slot.tag == tag && Matches(entry, key)) {
            SetNumber(entry.number, number);
            return entry.number;
        }
    }
}

void PartIds::Prefetch(const PartKey& key) const { __builtin_prefetch(&slots_[TagOf(key.hash) & mask_]); }

const PartNumber* PartIds::Find(const PartKey& key) const {
    const std::uint32_t tag = TagOf(key.hash);
    for (std::size_t i = tag & mask_; slots_[i].entry != 0; i = (i + 1) & mask_) {
        if (slots_[i].tag != tag) continue;
        const Entry& entry = EntryAt(slots_[i].entry - 1);
        if (Matches(entry, key)) return &entry.number;
    }
    return nullptr;
}

void PartIds::Reserve(std::size_t count) {
    std::size_t slotCount = slots_.size();
    while (slotCount < kMostSlotsReserved && 2 * (count + 1) > slotCount) slotCount *= 2;
    if (slotCount > slots_.size()) Resize(slotCount);
}

// A table of 2^32 slots, as many as a tag can place, grows no more. The
// bound is counted in 64 bits: where a size has 32 (the page), every table
// is below it.
void PartIds::Grow() {
    if (std::uint64_t{slots_.size()} < (std::uint64_t{1} << 32)) Resize(2 * slots_.size());
}

// The slots move to a table of `slotCount`, a power of two, each to the
// place its tag gives.
void PartIds::Resize(std::size_t slotCount) {
    std::vector<Slot> old(slotCount);
    old.swap(slots_);
    mask_ = slots_.size() - 1;
    for (const Slot& slot : old) {
        if (slot.entry == 0) continue;
        std::size_t i = slot.tag & mask_;
        while (slots_[i].entry != 0) i = (i + 1) & mask_;
        slots_[i] = slot;
    }
}

}  // namespace brisel
