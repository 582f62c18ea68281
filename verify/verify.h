#pragma once
// An independent check of a finished conversion: reads the ExpressPCB target
// back with its own reader (no code shared with the writer) and compares its
// connectivity with the PADS source. The source's side is fed the bytes the
// conversion reads, as it reads them, so a source that can be read only once
// (a pipe) is checked too.

#include <cstddef>
#include <istream>
#include <string>
#include <string_view>
#include <vector>

#include "verify/discrepancy.h"
#include "verify/pads_source.h"

namespace brisel::verify {

struct Report {
    bool ok = false;                         // no discrepancy
    long long nets = 0;                      // net rows in the target
    long long connections = 0;               // connection rows in the target
    std::vector<Discrepancy> discrepancies;  // the first 100, empty when ok
    std::size_t discrepanciesLeftOut = 0;    // found beyond those
    // Where the target is as the conversion's rules write it, but ExpressPCB
    // will not read it as the designer meant.
    std::vector<ImportRisk> risks;
};

class Verifier {
public:
    // With a pin map, the source's pins are the numbers it gives them, as
    // the conversion writes them.
    explicit Verifier(const pin_map::PinMap* pinMap = nullptr) : source_(pinMap) {}

    // The source's bytes, in order, in blocks of any size.
    void FeedSource(std::string_view bytes) { source_.Feed(bytes); }
    // All of an open stream (binary mode); returns false when a read failed.
    bool FeedSource(std::istream& source);

    // Ends the source, then checks the target's layout, numbers and chains,
    // and that each of its nets holds exactly the pins of the same net of
    // the source, less the references a conversion leaves out.
    Report CheckTarget(const std::string& targetPath);
    Report CheckTarget(std::istream& target);  // binary mode

private:
    PadsSourceReader source_;
};

// The whole check on two open streams (binary mode).
Report VerifyConversion(std::istream& source, std::istream& target);

}  // namespace brisel::verify
