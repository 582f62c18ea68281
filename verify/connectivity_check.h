#pragma once
// Compares the nets of a target with the nets of its source: names in order,
// and for each net the same pins, by their digests.

#include <cstdint>
#include <vector>

#include "verify/digest.h"
#include "verify/discrepancy_list.h"
#include "verify/name_list.h"
#include "verify/pads_source.h"
#include "verify/target_netlist.h"

namespace brisel::verify {

class ConnectivityCheck {
public:
    explicit ConnectivityCheck(const TargetTables& tables) : tables_(tables) {}

    // Adds the row's pin to its net; a row whose net or part number is out
    // of range adds none (the range check reports it), but still counts.
    void OnConnection(const TargetConnection& row);
    void Finish(const PadsSourceReader& source, DiscrepancyList& discrepancies);

private:
    // What the target's rows of one net hold.
    struct Written {
        PinDigest pins;
        std::int64_t rows = 0;
    };

    void CompareNet(const SourceNet& source, std::string_view sourceName, std::int64_t number,
                    DiscrepancyList& discrepancies) const;

    const TargetTables& tables_;
    std::vector<Written> written_;  // written_[n - 1] for net n
};

}  // namespace brisel::verify
