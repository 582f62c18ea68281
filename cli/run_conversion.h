#pragma once

#include "cli/options.h"

namespace brisel::cli {

// Checks the two paths as the OK button does, converts, and returns the exit
// status: 0 converted, 1 stopped by an error.
int RunConversion(const Options& options);

}  // namespace brisel::cli
