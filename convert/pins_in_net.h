#pragma once
// The pins a net has been given so far, so that each pin gets one connection
// per net. A pin is its part (by part number) and its pin text, compared
// byte for byte.
//
// Each part notes the net that last named it and its first pin there (its
// PartMark), which answers for most references at the cost of a compare.
// Further pins of a part within the net, as the ground pins of a chip, are
// kept apart: the first few searched one by one, more in a hash table whose
// memory is given back when the net ends (a few kilobytes stay for the next
// large net).

#include <array>
#include <cstdint>
#include <cstring>
#include <string_view>
#include <vector>

#include "convert/part_ids.h"

namespace brisel {

// The pins of a net other than each part's first.
class FurtherPins {
public:
    // Notes the pin and returns true when it was not there yet.
    bool Add(const PartNumber& part, std::string_view pin) {
        if (count_ >= kSearched) return AddToTable(part, pin);  // full, or tabled_
        for (std::size_t i = 0; i < count_; ++i) {
            if (parts_[i] == &part && pins_[i] == pin) return false;
        }
        parts_[count_] = &part;
        pins_[count_] = pin;
        ++count_;
        return true;
    }
    void Clear() {
        if (tabled_) ReleaseTable();
        tabled_ = false;
        count_ = 0;
    }

private:
    // Most nets join two to four pins; searching a few is quicker than hashing.
    static constexpr std::size_t kSearched = 16;

    // A slot of the table: a pin, and the low half of its hash, which gives
    // the slot's place and tells most other pins apart; no part for a free
    // slot.
    struct Slot {
        const PartNumber* part = nullptr;
        const char* text = nullptr;
        std::uint32_t size = 0;
        std::uint32_t tag = 0;
    };

    bool AddToTable(const PartNumber& part, std::string_view pin);
    bool Insert(const PartNumber* part, std::string_view pin);
    void Grow();
    // Empties the table, and gives a large one's memory back.
    void ReleaseTable();

    // The net's first pins, parts apart from pins so that the search reads
    // parts only.
    std::array<const PartNumber*, kSearched> parts_;
    std::array<std::string_view, kSearched> pins_;
    std::size_t count_ = 0;  // pins in parts_, or in the table once tabled_
    bool tabled_ = false;
    // Once those are full, every pin of the net, by open addressing.
    std::vector<Slot> slots_;
};

class PinsInNet {
public:
    // Notes the pin and returns true when the net did not have it yet. The
    // pin's bytes must stay where they are until Clear.
    bool Add(const PartNumber& part, std::string_view pin) {
        PartMark& mark = part.mark;
        if (mark.net != net_) {
            mark.net = net_;
            mark.pin = pin;
            return true;
        }
        return mark.pin != pin && further_.Add(part, pin);
    }
    // The net has ended; the next begins.
    void Clear() {
        further_.Clear();
        ++net_;
    }

private:
    std::uint64_t net_ = 1;  // a part's mark starts at net 0
    FurtherPins further_;
};

}  // namespace brisel
