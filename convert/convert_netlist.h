#pragma once
// One whole conversion of a PADS netlist into an ExpressPCB netlist.

#include "convert/host.h"

namespace brisel {

enum class ConversionResult {
    Completed,  // the target was written and the completion message shown
    Refused,    // a path was wrong (missing source, invalid names); nothing was touched
    Failed,     // a read or write failed; the partial target and temporaries were removed
};

// Reads the paths from the host, converts, and reports everything through the
// host's progress caption and message boxes.
ConversionResult ConvertNetlist(ConversionHost& host);

}  // namespace brisel
