#pragma once
// Writes realistic PADS ASCII netlists of any size for the benchmark and the
// large-file test. The same options always give the same bytes.

#include <cstdint>
#include <ostream>

namespace brisel::bench {

struct NetlistOptions {
    std::uint64_t parts = 500;
    std::uint64_t references = 5000;  // pin references over all nets
    std::uint64_t seed = 1;
    bool crLf = false;          // line ends CR LF instead of LF
    bool singleNet = false;     // every reference in one net "GND"
    std::uint64_t netSize = 0;  // references of every net; 0 draws each net's size
    std::uint64_t referencesPerLine = 8;
};

// What a file holds, for checking a conversion of it.
struct NetlistSummary {
    std::uint64_t parts = 0;
    std::uint64_t nets = 0;
    std::uint64_t references = 0;
    // The references less those that repeat a pin already in their net,
    // which a converter writes once.
    std::uint64_t connections = 0;
    std::uint64_t sourceLines = 0;
    // Lines a converter reads once each net's references are joined into one
    // line: format line, "*PART*", parts, empty line, "*NET*", two per net,
    // "*END*".
    std::uint64_t joinedLines = 0;
};

// `parts` must be at least 1 when `references` is not 0, and `referencesPerLine`
// at least 1.
NetlistSummary WriteNetlist(const NetlistOptions& options, std::ostream& out);

}  // namespace brisel::bench
