#include "convert/part_ids.h"

#include <algorithm>

#include "convert/decimal.h"
#include "convert/netlist_text.h"

namespace brisel {

namespace {

PartNumber MakeNumber(std::string_view text) {
    PartNumber number;
    number.textLength = static_cast<std::uint8_t>(text.size());
    std::memcpy(number.text, text.data(), std::min(text.size(), sizeof number.text));
    return number;
}

std::uint32_t TagOf(std::uint64_t hash) { return static_cast<std::uint32_t>(hash >> 32) | 1; }

}  // namespace

PartIds::Entry PartIds::MakeEntry(std::string_view number, const PartKey& key) {
    Entry entry;
    entry.number = MakeNumber(number);
    entry.idLength = static_cast<std::uint32_t>(key.id.size());
    if (key.InWords()) {
        entry.id[0] = key.word[0];
        entry.id[1] = key.word[1];
    } else {
        entry.id[0] = longIds_.size();
        longIds_.append(key.id);
    }
    return entry;
}

bool PartIds::Matches(const Entry& entry, const PartKey& key) const {
    if (entry.idLength != key.id.size()) return false;
    if (key.InWords()) return entry.id[0] == key.word[0] && entry.id[1] == key.word[1];
    return SameTextIgnoringCase(std::string_view(longIds_.data() + entry.id[0], entry.idLength), key.id);
}

std::uint64_t PartIds::HashOf(const Entry& entry) const {
    if (entry.idLength > PartKey::kInWords) return KeyOf({longIds_.data() + entry.id[0], entry.idLength}).hash;
    return part_key_detail::Mix(entry.id[0], entry.id[1], entry.idLength);
}

void PartIds::Append(const Entry& entry) {
    if (entryCount_ == blocks_.size() * kBlockSize) blocks_.push_back(std::unique_ptr<Entry[]>(new Entry[kBlockSize]));
    EntryAt(entryCount_++) = entry;
}

void PartIds::Clear() {
    entryCount_ = 0;
    slots_.assign(slots_.size(), Slot{});
    longIds_.clear();
}

// Linear probing. A later part with the same ID takes over the entry: the
// highest number wins.
void PartIds::Store(std::int64_t number, std::string_view partId) {
    char text[20];
    Store(std::string_view(text, static_cast<std::size_t>(PutDecimal(text, number) - text)), partId);
}

void PartIds::Store(std::string_view number, std::string_view partId) {
    if (2 * (entryCount_ + 1) > slots_.size()) Grow();
    const PartKey key = KeyOf(partId);
    const std::uint32_t tag = TagOf(key.hash);
    for (std::size_t i = key.hash & mask_;; i = (i + 1) & mask_) {
        Slot& slot = slots_[i];
        if (slot.entry == 0) {
            Append(MakeEntry(number, key));
            slot = {tag, static_cast<std::uint32_t>(entryCount_)};
            return;
        }
        Entry& entry = EntryAt(slot.entry - 1);
        if (slot.tag == tag && Matches(entry, key)) {
            entry.number = MakeNumber(number);
            return;
        }
    }
}

void PartIds::Prefetch(const PartKey& key) const { __builtin_prefetch(&slots_[key.hash & mask_]); }

const PartNumber* PartIds::Find(const PartKey& key) const {
    const std::uint32_t tag = TagOf(key.hash);
    for (std::size_t i = key.hash & mask_; slots_[i].entry != 0; i = (i + 1) & mask_) {
        if (slots_[i].tag != tag) continue;
        const Entry& entry = EntryAt(slots_[i].entry - 1);
        if (Matches(entry, key)) return &entry.number;
    }
    return nullptr;
}

void PartIds::Grow() {
    std::vector<Slot> old(2 * slots_.size());
    old.swap(slots_);
    mask_ = slots_.size() - 1;
    const std::size_t mask = mask_;
    for (std::size_t e = 0; e < entryCount_; ++e) {
        const std::uint64_t hash = HashOf(EntryAt(e));
        std::size_t i = hash & mask;
        while (slots_[i].entry != 0) i = (i + 1) & mask;
        slots_[i] = {TagOf(hash), static_cast<std::uint32_t>(e + 1)};
    }
}

}  // namespace brisel
