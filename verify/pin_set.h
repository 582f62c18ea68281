#pragma once
// The pins of the net being read, by their hashes, so that a pin the source
// names again within the net counts once. It holds the current net's pins
// only, and Clear gives a large net's memory back.

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace brisel::verify {

class PinSet {
public:
    // True when the net did not have the pin yet.
    bool Insert(std::uint64_t pinHash) {
        if (pinHash == 0) pinHash = 1;  // 0 marks a free slot
        if (count_ >= kListed) return InsertHashed(pinHash);
        for (std::size_t i = 0; i < count_; ++i) {
            if (listed_[i] == pinHash) return false;
        }
        listed_[count_++] = pinHash;
        return true;
    }
    void Clear();

private:
    // A small net's pins are compared one by one.
    static constexpr std::size_t kListed = 8;

    bool InsertHashed(std::uint64_t pinHash);
    bool Place(std::uint64_t pinHash);
    void Grow();

    std::array<std::uint64_t, kListed> listed_{};
    std::size_t count_ = 0;             // pins in the net
    std::vector<std::uint64_t> slots_;  // once listed_ is full: every pin, by open addressing
};

}  // namespace brisel::verify
