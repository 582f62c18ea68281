#pragma once
// The parts a generated board is made of: reference designators, values and
// footprints in the proportions of a typical digital board.

#include <cstdint>
#include <string>
#include <vector>

#include "bench/split_mix64.h"

namespace brisel::bench {

struct GeneratedPart {
    std::string id;          // reference designator such as "R12"
    std::string name;        // value and footprint as the part line shows them
    std::uint32_t pinCount;  // pins are numbered 1 to pinCount
};

// How the part lines of one file separate the ID from the name; real writers
// differ in this, each file keeps one style.
enum class PartLineStyle { SingleSpace, PaddedColumn };

// Draws `count` parts with unique designators (numbered per prefix).
std::vector<GeneratedPart> DrawParts(std::uint64_t count, SplitMix64& random);

// The part line without its line end, e.g. "R12 10K@0603".
std::string FormatPartLine(const GeneratedPart& part, PartLineStyle style);

}  // namespace brisel::bench
