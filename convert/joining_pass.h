#pragma once
// The first pass: copies the source and puts each signal's pin references,
// which may run over many lines, on the one line after its header.

#include <string_view>

#include "convert/line_reader.h"
#include "convert/line_writer.h"
#include "convert/netlist_text.h"

namespace brisel {

// The joining rule, one source line at a time. After a signal header the
// lines are collected into one until a line that starts with "*", which
// first closes the collected line and is then a line of its own.
class JoinRule {
public:
    struct Step {
        bool closesCollected = false;  // the collected line ends before this one
        bool collected = false;        // the line belongs to the collected line:
        bool joiningSpace = false;     //   a space, then
        std::string_view piece;        //   this text are added to it
    };
    // Inline for the usual line of references: collected, and starting
    // with neither "*" nor a space, so that it is added as it is.
    Step Next(std::string_view line) {
        if (!AddsAsItIs(line)) return NextSlowly(line);
        Step step;
        step.collected = true;
        step.joiningSpace = TakeAsItIs();
        step.piece = line;
        return step;
    }
    // The same step for such a line in two calls, so that a caller's loop
    // needs no Step for it: whether the line is one, and then taking it,
    // which answers whether a joining space comes first.
    bool AddsAsItIs(std::string_view line) const {
        return collecting_ && !line.empty() && line.front() != '*' && line.front() != ' ';
    }
    bool TakeAsItIs() {
        const bool joiningSpace = collectedAny_;
        collectedAny_ = true;
        return joiningSpace;
    }
    // The usual line after a line of references, in one call: a signal
    // header, which closes the collected line and opens its own. True when
    // the line is one; it is then taken, and is a line of its own.
    bool TakeNextSignalHeader(std::string_view line) {
        if (!collecting_ || !IsSignalHeader(line)) return false;
        collectedAny_ = false;
        return true;
    }
    // Inside a signal, after its header.
    bool Collecting() const { return collecting_; }

private:
    Step NextSlowly(std::string_view line);

    bool collecting_ = false;
    bool collectedAny_ = false;
};

// Returns the number of lines outside every signal, neither a signal header
// nor its references: the part lines are among them.
std::int64_t JoinSignals(LineReader& source, LineWriter& joined);

}  // namespace brisel
