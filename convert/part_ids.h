#pragma once
// The part IDs of the current part section by part number, and the lookup of
// a part ID (ASCII letter case ignored; the highest number wins). Each part
// number is kept with its decimal text, ready for the connection rows.

#include <cstdint>
#include <cstring>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "convert/decimal.h"
#include "convert/part_key.h"
#include "convert/readable_bytes.h"
#include "convert/short_copy.h"

namespace brisel {

// What the pins of a net know of a part, kept by PinsInNet: the net that
// named the part last, and the part's first pin there. Beside the part
// number, the lookup has brought it into the cache already.
struct PartMark {
    std::uint64_t net = 0;
    std::string_view pin;
};

struct PartNumber {
    std::uint8_t textLength = 0;
    char text[19] = {};
    mutable PartMark mark;
    std::string_view Text() const { return std::string_view(text, textLength); }
    // The text in a block, when it has at most 16 digits.
    TextBlock Block() const { return BlockAt(text, textLength); }
};
static_assert(sizeof PartNumber::text >= kReadableAfterText, "a block from the text's start stays inside it");

class PartIds {
public:
    // Part numbers are stored in increasing order within a section.
    void Store(std::int64_t number, std::string_view partId);
    // The same with the number counted as text, and the ID's key; returns
    // the part the ID now finds.
    const PartNumber& Store(const DecimalCounter& number, const PartKey& key);
    // Forgets every part ID: a new section numbers its parts from 1 again.
    void Clear();
    // Makes the index large enough for `count` part IDs, so that storing
    // them grows it no more; a count beyond kMostSlotsReserved's worth, which
    // may be a loose estimate, gets that many slots, and the index grows on
    // from there as it fills.
    void Reserve(std::size_t count);
    // The part with this ID, or nullptr.
    const PartNumber* Find(std::string_view partId) const { return Find(KeyOf(partId)); }

    // The same lookup from the ID's key, so that a caller with many IDs to
    // look up can ask the memory for all of them before it needs the first.
    void Prefetch(const PartKey& key) const;
    const PartNumber* Find(const PartKey& key) const;

private:
    // A part as the connection rows need it; 72 bytes.
    struct Entry {
        PartNumber number;
        std::uint32_t idLength = 0;
        std::uint64_t id[2] = {};  // the key's words, or where a longer ID starts in longIds_
    };
    // The index: a tag, the low half of the ID's hash, which gives the
    // slot's place and tells most other IDs apart without reading their
    // entry; and the entry's place + 1 (0 for a free slot). Eight bytes a
    // slot keep the index of a large board within a few megabytes.
    struct Slot {
        std::uint32_t tag = 0;
        std::uint32_t entry = 0;
    };
    // The entries are kept in blocks that never move, so that a growing
    // table copies none and touches no memory twice.
    static constexpr std::size_t kBlockShift = 12;
    static constexpr std::size_t kBlockSize = std::size_t{1} << kBlockShift;
    Entry& EntryAt(std::size_t i) const { return blocks_[i >> kBlockShift][i & (kBlockSize - 1)]; }
    void AddEntry(const DecimalCounter& number, const PartKey& key);

    bool Matches(const Entry& entry, const PartKey& key) const;
    void Grow();
    void Resize(std::size_t slotCount);
    static constexpr std::size_t kMostSlotsReserved = std::size_t{1} << 18;  // 2 MiB

    std::vector<std::unique_ptr<Entry[]>> blocks_;
    std::size_t entryCount_ = 0;  // in the order stored
    // Open addressing over the entries; never empty, so that a lookup needs no
    // test for a table without parts.
    std::vector<Slot> slots_ = std::vector<Slot>(64);
    std::size_t mask_ = 63;  // the slots' count - 1
    std::string longIds_;
};

}  // namespace brisel
