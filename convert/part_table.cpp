#include "convert/part_table.h"

#include "convert/netlist_layout.h"
#include "convert/netlist_text.h"
#include "convert/padded_text.h"

namespace brisel {

namespace {

// A blank line and a keyword line of another section end the part section;
// a remark does not.
bool EndsPartSection(std::string_view line) {
    if (line.empty()) return true;
    if (IsBlank(line.front())) return IsBlankLine(line);
    if (line.front() != '*') return false;
    return IsNetTableHeader(line) || (IsSectionKeywordLine(line) && !IsRemarkLine(line));
}

}  // namespace

void PartTable::OnLine(std::string_view line, std::int64_t lineNumber) {
    if (IsPartHeader(line)) {
        OnHeader();
        return;
    }
    if (!headerSeen_ || sectionEnded_) return;
    if (EndsPartSection(line)) {
        sectionEnded_ = true;
        return;
    }
    // Remarks and other lines that begin with "*" inside the section are no parts.
    if (line.front() == '*') return;
    AddPart(line, lineNumber);
}

// A header inside an open section starts the numbering again, and only the
// new section's parts can be found: an earlier ID would resolve to a number
// that a row of the new section holds.
void PartTable::OnHeader() {
    WritePartTableHeader(target_);
    headerSeen_ = true;
    if (!sectionEnded_) {
        partsInSection_ = 0;
        partNumber_ = DecimalCounter();
        ids_.Clear();
    }
}

namespace {

// The part ID starts at the first character that is neither a space nor a
// tab and ends at the next space or tab; the name is the rest with its outer
// spaces removed. The line is one the reader returned: the space after it
// ends an ID that runs to the line's end.
struct PartLine {
    std::string_view id;
    std::string_view name;
};

PartLine SplitPartLine(std::string_view line) {
    const char* end = line.data() + line.size();
    const char* id = line.data();
    while (id < end && IsBlank(*id)) ++id;
    const char* idEnd = FindBlank(id);
    if (idEnd >= end) return {{id, static_cast<std::size_t>(end - id)}, {}};
    const char* name = SkipSpaces(idEnd + 1, end);
    const char* nameEnd = end;
    while (nameEnd > name && nameEnd[-1] == ' ') --nameEnd;
    return {{id, static_cast<std::size_t>(idEnd - id)}, {name, static_cast<std::size_t>(nameEnd - name)}};
}

}  // namespace

void PartTable::AddPart(std::string_view line, std::int64_t lineNumber) {
    partCount_ = ++partsInSection_;
    partNumber_.Increment();
    const PartLine part = SplitPartLine(line);
    checks_.At(lineNumber, line);
    checks_.CheckNameInLine(part.id, "part ID");
    checks_.CheckNameInLine(part.name, "part name");
    WritePartRow(target_, part.id, part.name);
    ids_.Store(partNumber_, KeyOfPadded(part.id));
}

}  // namespace brisel
