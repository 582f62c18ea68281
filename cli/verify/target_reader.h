#pragma once
// Reads an ExpressPCB netlist as the converter writes it: the eight header
// lines, the part, net and connection tables, CR LF after every line.

#include <istream>

#include "cli/verify/problem_list.h"
#include "cli/verify/target_netlist.h"

namespace brisel::verify {

// Fills the tables and adds a problem for every deviation from the layout.
// Returns false when the layout is broken so badly that the tables read so
// far cannot be trusted (reading stops at the first such line).
bool ReadTarget(std::istream& in, TargetNetlist& netlist, ProblemList& problems);

}  // namespace brisel::verify
