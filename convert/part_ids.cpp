#include "convert/part_ids.h"

#include <cstring>

#include "convert/decimal.h"
#include "convert/netlist_text.h"

namespace brisel {

std::uint64_t PartIds::Hash(std::string_view partId) {
    std::uint64_t hash = 14695981039346656037ull ^ partId.size();  // FNV-1a over folded letters
    for (char c : partId) {
        hash ^= kFold(c);
        hash *= 1099511628211ull;
    }
    return (hash ^ (hash >> 32)) | 1;  // never 0, which marks a free place
}

std::string_view PartIds::IdOf(const Entry& entry) const {
    if (entry.idLength <= kInline) return std::string_view(entry.id, entry.idLength);
    std::uint64_t offset = 0;
    std::memcpy(&offset, entry.id, sizeof offset);
    return std::string_view(longIds_.data() + offset, entry.idLength);
}

namespace {

PartNumber MakeNumber(std::int64_t value) {
    PartNumber number;
    number.value = value;
    number.textLength = static_cast<std::uint8_t>(PutDecimal(number.text, value) - number.text);
    return number;
}

std::uint32_t TagOf(std::uint64_t hash) { return static_cast<std::uint32_t>(hash >> 32) | 1; }

}  // namespace

PartIds::Entry PartIds::MakeEntry(std::int64_t number, std::string_view partId) {
    Entry entry;
    entry.number = MakeNumber(number);
    entry.idLength = static_cast<std::uint32_t>(partId.size());
    if (partId.size() <= kInline) {
        if (!partId.empty()) std::memcpy(entry.id, partId.data(), partId.size());
    } else {
        const std::uint64_t offset = longIds_.size();
        longIds_.append(partId);
        std::memcpy(entry.id, &offset, sizeof offset);
    }
    return entry;
}

void PartIds::Clear() {
    entries_.clear();
    slots_.assign(slots_.size(), Slot{});
    longIds_.clear();
}

// Linear probing. A later part with the same ID takes over the entry: the
// highest number wins.
void PartIds::Store(std::int64_t number, std::string_view partId) {
    if (2 * (entries_.size() + 1) > slots_.size()) Grow();
    const std::uint64_t hash = Hash(partId);
    const std::uint32_t tag = TagOf(hash);
    const std::size_t mask = slots_.size() - 1;
    for (std::size_t i = hash & mask;; i = (i + 1) & mask) {
        Slot& slot = slots_[i];
        if (slot.entry == 0) {
            entries_.push_back(MakeEntry(number, partId));
            slot = {tag, static_cast<std::uint32_t>(entries_.size())};
            return;
        }
        Entry& entry = entries_[slot.entry - 1];
        if (slot.tag == tag && SameTextIgnoringCase(IdOf(entry), partId)) {
            entry.number = MakeNumber(number);
            return;
        }
    }
}

void PartIds::Prefetch(std::uint64_t hash) const {
    if (!slots_.empty()) __builtin_prefetch(&slots_[hash & (slots_.size() - 1)]);
}

const PartNumber* PartIds::Find(std::string_view partId, std::uint64_t hash) const {
    if (entries_.empty()) return nullptr;
    const std::uint32_t tag = TagOf(hash);
    const std::size_t mask = slots_.size() - 1;
    for (std::size_t i = hash & mask; slots_[i].entry != 0; i = (i + 1) & mask) {
        if (slots_[i].tag != tag) continue;
        const Entry& entry = entries_[slots_[i].entry - 1];
        if (SameTextIgnoringCase(IdOf(entry), partId)) return &entry.number;
    }
    return nullptr;
}

void PartIds::Grow() {
    std::vector<Slot> old(slots_.empty() ? 64 : 2 * slots_.size());
    old.swap(slots_);
    const std::size_t mask = slots_.size() - 1;
    for (std::size_t e = 0; e < entries_.size(); ++e) {
        const std::uint64_t hash = Hash(IdOf(entries_[e]));
        std::size_t i = hash & mask;
        while (slots_[i].entry != 0) i = (i + 1) & mask;
        slots_[i] = {TagOf(hash), static_cast<std::uint32_t>(e + 1)};
    }
}

}  // namespace brisel
