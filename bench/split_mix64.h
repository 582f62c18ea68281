#pragma once
// A tiny seeded generator whose sequence is the same on every compiler and
// standard library, so a seed names one netlist byte for byte everywhere.

#include <cstdint>

namespace brisel::bench {

class SplitMix64 {
public:
    explicit SplitMix64(std::uint64_t seed) : state_(seed) {}

    std::uint64_t Next() {
        std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ULL);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        return z ^ (z >> 31);
    }

    // A number from 0 to bound - 1; bound must not be 0. The modulo bias is
    // far below anything a benchmark netlist could show.
    std::uint64_t Below(std::uint64_t bound) { return Next() % bound; }

    // A number from low to high, both included.
    std::uint64_t Between(std::uint64_t low, std::uint64_t high) { return low + Below(high - low + 1); }

private:
    std::uint64_t state_;
};

}  // namespace brisel::bench
