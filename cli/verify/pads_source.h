#pragma once
// A small reader of a PADS ASCII netlist that yields, net by net, the pins a
// faithful conversion writes: references to parts missing from the part list,
// and tokens without a full stop before a net's first reference, are left out.

#include <cstdint>
#include <istream>
#include <string>
#include <unordered_set>
#include <vector>

#include "cli/verify/line_splitter.h"

namespace brisel::verify {

struct SourcePin {
    std::string PartId;  // as written in the reference
    std::string Pin;
};

struct SourceNet {
    std::string Name;
    std::int64_t HeaderLine = 0;
    // One entry per connection, in order; a repeated pin stays repeated.
    std::vector<SourcePin> Pins;
    std::int64_t LeftOut = 0;
};

class PadsSourceReader {
public:
    explicit PadsSourceReader(std::istream& in) : lines_(in) {}

    // Reads up to and including the next signal. Returns false at "*END*" or
    // at the end of the source.
    bool NextNet(SourceNet& net);

private:
    enum class PartSection { NotSeen, Open, Ended };

    bool NextLine();
    // Returns true when the line belonged to the part section and is done.
    bool TakePartLine();
    void ReadSignal(SourceNet& net);
    void AddReferences(const std::string& text, SourceNet& net) const;

    LineSplitter lines_;
    std::string line_;
    bool lineHeld_ = false;  // line_ ended a signal and is still to be handled
    bool ended_ = false;
    PartSection section_ = PartSection::NotSeen;
    std::unordered_set<std::string> partIds_;  // letter case folded
};

}  // namespace brisel::verify
