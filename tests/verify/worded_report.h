#pragma once
// A report's discrepancies in the words the user reads, so that a test
// checks what the check found and how it reads at once.

#include <string>
#include <vector>

#include "messages/verify_lines.h"

namespace brisel::verify {

inline std::vector<std::string> Worded(const Report& report) { return messages::DiscrepancyTexts(report); }

}  // namespace brisel::verify
