#pragma once
// The order of a netlist's table titles and part rows, as both sides of the
// check see it: the source predicts it, the target shows it.

#include <cstdint>
#include <string_view>

#include "verify/digest.h"

namespace brisel::verify {

// How many of each a netlist's tables have.
struct TableCounts {
    bool header = false;
    std::int64_t partTitles = 0;
    std::int64_t partRows = 0;
    std::int64_t netTitles = 0;

    bool operator==(const TableCounts&) const = default;
};

class TableLayout {
public:
    void Header();
    void PartTitle();
    void PartRow(std::string_view partId, std::string_view partName);
    void NetTitle();

    bool operator==(const TableLayout&) const = default;
    const TableCounts& Counts() const { return counts_; }

private:
    TableCounts counts_;
    SequenceDigest sequence_;
};

}  // namespace brisel::verify
