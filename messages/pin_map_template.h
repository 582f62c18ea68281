#pragma once
// The pin map template of a netlist: a rule for every letter pin of every
// part name, its number "?" for the designer to fill in, and a comment that
// names the parts that use it.

#include <string>
#include <vector>

#include "convert/letter_pins.h"

namespace brisel::messages {

// Lines that end in LF; `sourceLabel` names the netlist in the first.
std::string PinMapTemplate(const std::string& sourceLabel, const std::vector<LetterPinGroup>& groups);

}  // namespace brisel::messages
