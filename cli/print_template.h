#pragma once

#include <string>

namespace brisel::cli {

// --pin-map-template SOURCE: prints the pin map template of SOURCE ("-" for
// standard input) to standard output; returns the exit status, 1 when
// SOURCE could not be read.
int PrintPinMapTemplate(const std::string& source);

}  // namespace brisel::cli
