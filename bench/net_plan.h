#pragma once
// Sizes and names of the nets of a generated board: most nets join two to
// four pins, a few power nets reach thousands.

#include <cstdint>
#include <string>

#include "bench/split_mix64.h"

namespace brisel::bench {

// Nets at least this big are named like power nets.
inline constexpr std::uint64_t PowerNetPins = 100;

// The pin count of the next net when `remaining` references are still to be
// placed; never leaves a single reference over for a net of its own.
std::uint64_t DrawNetSize(std::uint64_t remaining, SplitMix64& random);

// Name of net `index` (counted from 1) with `pins` pins; names are unique
// within a file.
std::string NetName(std::uint64_t index, std::uint64_t pins, std::uint64_t powerNetsSoFar, SplitMix64& random);

}  // namespace brisel::bench
