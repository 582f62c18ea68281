#pragma once
// The pins a net has been given so far, so that each pin gets one connection
// per net. A pin is its part (by part number) and its pin text, compared
// byte for byte. The first pins of a net are searched one by one; a larger
// net's pins go into a hash table, whose memory is given back when the net
// ends (a few kilobytes stay for the next large net).

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
            if (parts_[i] == &part && pins_[i] == pin) return false;
        }
        parts_[count_] = &part;
        pins_[count_] = pin;
        ++count_;
        return true;
    }
    // The net has ended.
    void Clear() {
        if (!table_.empty()) ReleaseTable();
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
    // Empties the table, and gives a large one's memory back.
    void ReleaseTable();

    // The net's first pins, parts apart from pins so that the search reads
    // parts only.
    std::array<const PartNumber*, kSearched> parts_;
    std::array<std::string_view, kSearched> pins_;
    std::size_t count_ = 0;
    // Once those are full: every pin of the net, and the index over them,
    // with open addressing.
    std::vector<Pin> table_;
    std::vector<Slot> slots_;
};

}  // namespace brisel
