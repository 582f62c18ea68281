#pragma once
// The order of a netlist's table titles and part rows, as both sides of the
// check see it: the source predicts it, the target shows it.

#include <cstdint>
#include <string>
#include <string_view>

#include "verify/digest.h"

namespace brisel::verify {

class TableLayout {
public:
    void Header();
    void PartTitle();
    void PartRow(std::string_view partId, std::string_view partName);
    void NetTitle();

    bool operator==(const TableLayout&) const = default;
    // "1 "Part IDs Table", 3 part rows, 1 "Net Names Table"".
    std::string Counts() const;

private:
    bool header_ = false;
    std::int64_t partTitles_ = 0;
    std::int64_t partRows_ = 0;
    std::int64_t netTitles_ = 0;
    SequenceDigest sequence_;
};

}  // namespace brisel::verify
