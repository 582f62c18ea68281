#include "verify/part_id_set.h"

#include <algorithm>

#include "verify/digest.h"
#include "verify/text.h"

namespace brisel::verify {

namespace {

std::uint64_t HeadOf(std::string_view partId) {
    return FoldWord(WordOf(partId.data(), std::min<std::size_t>(partId.size(), 8)));
}

}  // namespace

void PartIdSet::Clear() {
    slots_.assign(slots_.size(), Slot{});
    count_ = 0;
    text_.clear();
}

void PartIdSet::Insert(std::string_view partId) {
    const std::uint64_t hash = PartHash(partId);
    if (Find(partId, hash) != nullptr) return;
    if (2 * (count_ + 1) > slots_.size()) Grow();
    const std::size_t mask = slots_.size() - 1;
    std::size_t i = hash & mask;
    while (slots_[i].length != 0) i = (i + 1) & mask;
    slots_[i] = {hash, HeadOf(partId), static_cast<std::uint32_t>(text_.size()),
                 static_cast<std::uint32_t>(partId.size() + 1)};
    text_ += FoldCase(partId);
    ++count_;
}

bool PartIdSet::Contains(std::string_view partId, std::uint64_t hash) const { return Find(partId, hash) != nullptr; }

const PartIdSet::Slot* PartIdSet::Find(std::string_view partId, std::uint64_t hash) const {
    const std::size_t mask = slots_.size() - 1;
    const std::uint64_t head = HeadOf(partId);
    for (std::size_t i = hash & mask; slots_[i].length != 0; i = (i + 1) & mask) {
        const Slot& slot = slots_[i];
        if (slot.hash != hash || slot.length != partId.size() + 1 || slot.head != head) continue;
        const char* folded = text_.data() + slot.offset;
        bool same = true;
        for (std::size_t c = 8; c < partId.size() && same; ++c) same = FoldChar(partId[c]) == folded[c];
        if (same) return &slot;
    }
    return nullptr;
}

void PartIdSet::Grow() {
    std::vector<Slot> old(2 * slots_.size());
    old.swap(slots_);
    const std::size_t mask = slots_.size() - 1;
    for (const Slot& slot : old) {
        if (slot.length == 0) continue;
        std::size_t i = slot.hash & mask;
        while (slots_[i].length != 0) i = (i + 1) & mask;
        slots_[i] = slot;
    }
}

}  // namespace brisel::verify
