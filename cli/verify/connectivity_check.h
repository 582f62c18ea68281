#pragma once
// Compares the nets of a target with the nets of its source: names in order,
// and for each net exactly the same pins.

#include "cli/verify/pads_source.h"
#include "cli/verify/problem_list.h"
#include "cli/verify/target_netlist.h"

namespace brisel::verify {

void CheckConnectivity(PadsSourceReader& source, const TargetNetlist& target, ProblemList& problems);

}  // namespace brisel::verify
