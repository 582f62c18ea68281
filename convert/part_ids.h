#pragma once
// The part IDs of the current part section by part number, and the lookup of
// a part ID (ASCII letter case ignored; the highest number wins). Each part
// number is kept with its decimal text, ready for the connection rows.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace brisel {

struct PartNumber {
    std::int64_t value = 0;
    std::uint8_t textLength = 0;
    char text[19] = {};
    std::string_view Text() const { return std::string_view(text, textLength); }
};

class PartIds {
public:
    // Part numbers are stored in increasing order within a section.
    void Store(std::int64_t number, std::string_view partId);
    // Forgets every part ID: a new section numbers its parts from 1 again.
    void Clear();
    // The part with this ID, or nullptr.
    const PartNumber* Find(std::string_view partId) const { return Find(partId, Hash(partId)); }

    // The same lookup in two steps, so that a caller with many IDs to look up
    // can ask the memory for all of them before it needs the first.
    static std::uint64_t Hash(std::string_view partId);
    void Prefetch(std::uint64_t hash) const;
    const PartNumber* Find(std::string_view partId, std::uint64_t hash) const;

private:
    // One cache line: a lookup that hits reads nothing else, unless the part
    // ID is too long to be kept inline.
    struct Entry {
        std::uint64_t hash = 0;  // 0: a free place
        PartNumber number;
        std::uint32_t idLength = 0;
        char id[24] = {};  // the ID, or where it starts in longIds_
    };
    static constexpr std::size_t kInline = sizeof(Entry::id);

    std::string_view IdOf(const Entry& entry) const;
    Entry MakeEntry(std::uint64_t hash, std::int64_t number, std::string_view partId);
    void Grow();

    std::vector<Entry> entries_;  // the lookup scans these in order, or probes them as a table
    std::size_t used_ = 0;
    std::string longIds_;
};

}  // namespace brisel
