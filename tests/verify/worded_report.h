#pragma once
// A report's discrepancies in the words the user reads, so that a test
// checks what the check found and how it reads at once.

#include <string>
#include <vector>

#include "messages/discrepancy_texts.h"
#include "verify/verify.h"

namespace brisel::verify {

inline std::vector<std::string> Worded(const Report& report) {
    std::vector<std::string> texts;
    for (const Discrepancy& discrepancy : report.discrepancies) texts.push_back(messages::DiscrepancyText(discrepancy));
    if (report.discrepanciesLeftOut > 0)
        texts.push_back(messages::LeftOutDiscrepanciesText(report.discrepanciesLeftOut));
    return texts;
}

}  // namespace brisel::verify
