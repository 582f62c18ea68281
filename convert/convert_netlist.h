#pragma once
// One whole conversion of a PADS netlist into an ExpressPCB netlist.

#include "convert/conversion_report.h"
#include "convert/job.h"
#include "file_system/file_system.h"

namespace brisel {

// Checks the paths, converts on `files`, tells `reporter` what happens, and
// returns the outcome it was last told.
Outcome ConvertNetlist(const JobSettings& settings, FileSystem& files, ConversionReporter& reporter);

}  // namespace brisel
