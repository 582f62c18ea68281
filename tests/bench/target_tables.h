#pragma once
// Reads the three tables of a converted ExpressPCB netlist back, so a test
// can check a conversion without trusting the converter's own counts.

#include <cstdint>
#include <string>
#include <string_view>

namespace brisel::bench {

struct TargetTables {
    std::uint64_t PartRows = 0;
    std::uint64_t NetRows = 0;
    std::uint64_t ConnectionRows = 0;
    // Empty when every connection row names an existing net and part, a
    // plain pin, and the next row of its net (0 for a net's last row), and
    // every net's rows begin at the first connection of its net row.
    std::string FirstProblem;
};

TargetTables ReadTargetTables(std::string_view target);

std::uint64_t Fnv1a64(std::string_view bytes);

}  // namespace brisel::bench
