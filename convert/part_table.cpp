#include "convert/part_table.h"

#include "convert/netlist_layout.h"
#include "convert/netlist_text.h"
#include "convert/part_line.h"

namespace brisel {

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
        if (mapper_ != nullptr) mapper_->Clear();
    }
}

void PartTable::AddPart(std::string_view line, std::int64_t lineNumber) {
    partCount_ = ++partsInSection_;
    partNumber_.Increment();
    const PartLine part = SplitPartLine(line);
    checks_.At(lineNumber, line);
    checks_.CheckNameInLine(part.id, NameRole::PartId);
    checks_.CheckNameInLine(part.name, NameRole::PartName);
    WritePartRow(target_, part.id, part.name);
    const PartNumber& stored = ids_.Store(partNumber_, KeyOfPadded(part.id));
    if (mapper_ != nullptr) mapper_->OnPart(&stored, part.id, part.name);
}

}  // namespace brisel
