#pragma once
// The pins of a netlist that the target cannot number as they are (letters,
// or zero), by part name: what a pin map must give numbers to. The source
// is read as the conversion reads it: its part section, and the references
// of each signal, a reference to a part the part list does not hold left
// out.

#include <string>
#include <vector>

#include "file_system/byte_stream.h"

namespace brisel {

struct LetterPin {
    std::string pin;
    std::vector<std::string> partIds;  // the parts that name it, in the order first met
};

// The letter pins of the parts of one name, in the order first met. A part
// without a name that a rule could name (an empty one, one with spaces or
// tabs, "*" or one that begins with "#") stands in a group of its own, named
// by its ID.
struct LetterPinGroup {
    std::string part;  // as first written
    bool byName = true;
    std::vector<LetterPin> pins;
};

// The groups in the order first met. A pin that no rule could name (one
// that begins with "#", or "grid") is in none.
std::vector<LetterPinGroup> FindLetterPins(ByteSource& source);

}  // namespace brisel
