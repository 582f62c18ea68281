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

}  // namespace

PartIds::Entry PartIds::MakeEntry(std::uint64_t hash, std::int64_t number, std::string_view partId) {
    Entry entry;
    entry.hash = hash;
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
    entries_.assign(entries_.size(), Entry{});
    used_ = 0;
    longIds_.clear();
}

#ifdef BRISEL_LINEAR_PART_LOOKUP

// Every part gets an entry in the order stored, and each lookup scans them all.
void PartIds::Store(std::int64_t number, std::string_view partId) {
    if (used_ == entries_.size()) entries_.resize(entries_.empty() ? 64 : 2 * entries_.size());
    entries_[used_++] = MakeEntry(Hash(partId), number, partId);
}

void PartIds::Prefetch(std::uint64_t) const {}

const PartNumber* PartIds::Find(std::string_view partId, std::uint64_t) const {
    const PartNumber* found = nullptr;
    for (std::size_t i = 0; i < used_; ++i) {
        if (SameTextIgnoringCase(IdOf(entries_[i]), partId)) found = &entries_[i].number;
    }
    return found;
}

void PartIds::Grow() {}

#else

// Open addressing with linear probing. A later part with the same ID takes
// over the entry: the highest number wins.
void PartIds::Store(std::int64_t number, std::string_view partId) {
    if (4 * (used_ + 1) > 3 * entries_.size()) Grow();
    const std::uint64_t hash = Hash(partId);
    const std::size_t mask = entries_.size() - 1;
    for (std::size_t i = hash & mask;; i = (i + 1) & mask) {
        Entry& entry = entries_[i];
        if (entry.hash == 0) {
            entry = MakeEntry(hash, number, partId);
            ++used_;
            return;
        }
        if (entry.hash == hash && SameTextIgnoringCase(IdOf(entry), partId)) {
            entry.number = MakeNumber(number);
            return;
        }
    }
}

void PartIds::Prefetch(std::uint64_t hash) const {
    if (!entries_.empty()) __builtin_prefetch(&entries_[hash & (entries_.size() - 1)]);
}

const PartNumber* PartIds::Find(std::string_view partId, std::uint64_t hash) const {
    if (used_ == 0) return nullptr;
    const std::size_t mask = entries_.size() - 1;
    for (std::size_t i = hash & mask; entries_[i].hash != 0; i = (i + 1) & mask) {
        const Entry& entry = entries_[i];
        if (entry.hash == hash && SameTextIgnoringCase(IdOf(entry), partId)) return &entry.number;
    }
    return nullptr;
}

void PartIds::Grow() {
    std::vector<Entry> old(entries_.empty() ? 64 : 2 * entries_.size());
    old.swap(entries_);
    const std::size_t mask = entries_.size() - 1;
    for (const Entry& entry : old) {
        if (entry.hash == 0) continue;
        std::size_t i = entry.hash & mask;
        while (entries_[i].hash != 0) i = (i + 1) & mask;
        entries_[i] = entry;
    }
}

#endif

}  // namespace brisel
