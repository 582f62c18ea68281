#include "convert/joining_pass.h"

#include <cstring>

#include "convert/netlist_text.h"
#include "convert/short_copy.h"

namespace brisel {

// Leading spaces of the whole collected text go; a joining space comes
// between the lines collected.
JoinRule::Step JoinRule::NextSlowly(std::string_view line) {
    Step step;
    if (collecting_ && !line.empty() && line.front() == '*') {
        step.closesCollected = true;
        collecting_ = false;
    }
    if (collecting_) {
        step.collected = true;
        if (collectedAny_) {
            step.joiningSpace = true;
            step.piece = line;
        } else if (const auto first = line.find_first_not_of(' '); first != std::string_view::npos) {
            step.piece = line.substr(first);
            collectedAny_ = true;
        }
        return step;
    }
    if (IsSignalHeader(line)) {
        collecting_ = true;
        collectedAny_ = false;
    }
    return step;
}

namespace {

// A signal header after a line of references: the line end that closes
// them, the header and its own line end, in one piece where they fit.
void WriteHeaderAfterReferences(LineWriter& joined, std::string_view header) {
    if (char* at = joined.Room(header.size() + 4)) {
        std::memcpy(at, "\r\n", 2);
        std::memcpy(CopyText(at + 2, header), "\r\n", 2);
        joined.Commit(header.size() + 4);
        return;
    }
    joined.EndLine();
    joined.WriteLine(header);
}

// A line added to the collected text as it is, after a joining space when
// `joiningSpace`: in one piece where it fits.
void WriteCollected(LineWriter& joined, std::string_view line, bool joiningSpace) {
    if (char* at = joined.Room(line.size() + 1)) {
        *at = ' ';
        CopyText(at + joiningSpace, line);
        joined.Commit(line.size() + joiningSpace);
        return;
    }
    if (joiningSpace) joined.WriteChar(' ');
    joined.Write(line);
}

}  // namespace

// The collected text goes straight to the joined copy: nothing else is
// written between a signal header and the line that closes its references,
// so the pass holds no more than one source line.
std::int64_t JoinSignals(LineReader& source, LineWriter& joined) {
    std::int64_t linesOutsideSignals = 0;
    JoinRule rule;
    std::string_view line;
    while (source.Next(line)) {
        if (rule.AddsAsItIs(line)) {
            WriteCollected(joined, line, rule.TakeAsItIs());
            continue;
        }
        if (rule.TakeNextSignalHeader(line)) {
            WriteHeaderAfterReferences(joined, line);
            if (joined.Failed()) return linesOutsideSignals;
            continue;
        }
        const JoinRule::Step step = rule.Next(line);
        if (step.closesCollected) joined.EndLine();  // empty or not
        if (step.collected) {
            if (step.joiningSpace) joined.WriteChar(' ');
            joined.Write(step.piece);
            continue;
        }
        joined.WriteLine(line);
        if (!rule.Collecting()) ++linesOutsideSignals;
        if (joined.Failed()) return linesOutsideSignals;
    }
    if (rule.Collecting()) joined.EndLine();  // a signal at the end of the source keeps its references
    return linesOutsideSignals;
}

}  // namespace brisel
