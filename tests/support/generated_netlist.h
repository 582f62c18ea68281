#pragma once
// The benchmark's generated PADS netlists, written to a file.

#include <filesystem>
#include <fstream>

#include "bench/netlist_generator.h"

namespace brisel::test {

inline bench::NetlistSummary WriteNetlist(const std::filesystem::path& path, const bench::NetlistOptions& options) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    return bench::WriteNetlist(options, out);
}

}  // namespace brisel::test
