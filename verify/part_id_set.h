#pragma once
// The part IDs of the current part section, letter case ignored. A
// reference's part ID is looked up as written, by its PartHash, without a
// folded copy of it: open addressing over the IDs' hashes, with the folded
// IDs in one block of text.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace brisel::verify {

class PartIdSet {
public:
    void Clear();
    void Insert(std::string_view partId);
    // `hash` is PartHash(partId).
    bool Contains(std::string_view partId, std::uint64_t hash) const;

private:
    struct Slot {
        std::uint64_t hash = 0;
        std::uint64_t head = 0;    // the folded ID's first eight bytes, zeros after a shorter one
        std::uint32_t offset = 0;  // of the folded ID in text_
        std::uint32_t length = 0;  // + 1; 0 for a free slot
    };

    const Slot* Find(std::string_view partId, std::uint64_t hash) const;
    void Grow();

    std::vector<Slot> slots_ = std::vector<Slot>(64);
    std::size_t count_ = 0;
    std::string text_;
};

}  // namespace brisel::verify
