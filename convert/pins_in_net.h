#pragma once
// The pins a net has been given so far, so that each pin gets one connection
// per net. A pin is its part (by part number) and its pin text, compared
// byte for byte. The first pins of a net are searched one by one; a larger
// net's pins go into a hash table, whose memory is given back when the net
// ends.

#include <array>
#include <cstdint>
#include <cstring>
#include <string_view>
#include <vector>

#include "convert/part_ids.h"

namespace brisel {

class PinsInNet {
public:
    // Notes the pin and returns true when the net did not have it yet. The
    // pin's bytes must stay where they are until Clear.
    bool Add(const PartNumber& part, std::string_view pin) {
        if (count_ >= kSearched) return AddToTable(part, pin);
        for (std::size_t i = 0; i < count_; ++i) {
            if (first_[i].part == &part && first_[i].Text() == pin) return false;
        }
        first_[count_++] = {&part, pin.data(), pin.size()};
        return true;
    }
    // The net has ended.
    void Clear() {
        if (!pins_.empty()) ReleaseTable();
        count_ = 0;
    }

private:
    struct Pin {
        const PartNumber* part = nullptr;
        const char* text = nullptr;
        std::size_t size = 0;
        std::string_view Text() const { return {text, size}; }
    };
    // Most nets join two to four pins; searching a few is quicker than hashing.
    static constexpr std::size_t kSearched = 16;

    // A slot of the index: the low half of the pin's hash, which gives the
    // slot's place and tells most other pins apart, and the pin's place in
    // pins_ + 1 (0 for a free slot).
    struct Slot {
        std::uint32_t tag = 0;
        std::uint32_t pin = 0;
    };

    bool AddToTable(const PartNumber& part, std::string_view pin);
    bool Insert(const Pin& pin);
    void Grow();
    void ReleaseTable();

    std::array<Pin, kSearched> first_;
    std::size_t count_ = 0;  // the pins in first_
    // Once first_ is full: every pin of the net, first_'s among them, and
    // the index over them, with open addressing.
    std::vector<Pin> pins_;
    std::vector<Slot> slots_;
};

}  // namespace brisel
