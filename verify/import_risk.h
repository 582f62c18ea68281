#pragma once
// A place where the target is as the conversion's rules write it, but
// ExpressPCB will not read it as the designer meant: messages/ words it.

#include <cstdint>

namespace brisel::verify {

enum class ImportRiskKind {
    PartHeaderAfterNets,     // a part header after net data: its table stands among the nets
    SecondPartHeader,        // a second part header in an open section: parts numbered from 1 again
    PartHeaderAfterSection,  // a part header after the section ended: a table title without parts
    SecondNetHeader,         // a second "*NET*" line: a second net table
    SecondConnectionHeader,  // "*CONNECTION*" after a net header: a second net table
    NetBeforeNetHeader,      // a net before any net header: its row outside a net table (told once)
};

struct ImportRisk {
    std::int64_t line = 0;  // of the source
    ImportRiskKind kind;

    bool operator==(const ImportRisk&) const = default;
};

}  // namespace brisel::verify
