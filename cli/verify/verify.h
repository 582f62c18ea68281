#pragma once
// An independent check of a finished conversion: reads the ExpressPCB target
// back with its own reader (no code shared with the writer) and compares its
// connectivity with the PADS source.

#include <istream>
#include <string>
#include <vector>

namespace brisel::verify {

struct Report {
    bool ok = false;
    long long nets = 0;                 // net rows in the target
    long long connections = 0;          // connection rows in the target
    std::vector<std::string> problems;  // one line per discrepancy, empty when ok
};

// Checks the target's layout, numbers and chains, and that each of its nets
// holds exactly the pins of the same net of the source, less the references
// a conversion leaves out.
Report VerifyConversion(const std::string& sourcePath, const std::string& targetPath);

// The same on open streams (binary mode).
Report VerifyConversion(std::istream& source, std::istream& target);

}  // namespace brisel::verify
