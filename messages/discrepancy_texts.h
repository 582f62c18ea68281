#pragma once
// The words of each discrepancy the check of --verify finds between a new
// netlist and its source, and of each place where ExpressPCB will not read
// the new netlist as the designer meant.

#include <cstddef>
#include <string>

#include "verify/discrepancy.h"
#include "verify/import_risk.h"

namespace brisel::messages {

// "net 2: chain breaks at connection 3 (next 9 is not in the net)".
std::string DiscrepancyText(const verify::Discrepancy& discrepancy);

// The line after the ones shown: "... and 50 more problems".
std::string LeftOutDiscrepanciesText(std::size_t count);

// "a second "*NET*" line: the new netlist gets a second ...".
std::string ImportRiskText(verify::ImportRiskKind kind);

}  // namespace brisel::messages
