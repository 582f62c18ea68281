#pragma once
// Checks the numbers of a target on their own: every connection's net and
// part number in range, and every net's chain of next-connection numbers.

#include "cli/verify/problem_list.h"
#include "cli/verify/target_netlist.h"

namespace brisel::verify {

void CheckNumbersAndChains(const TargetNetlist& netlist, ProblemList& problems);

}  // namespace brisel::verify
