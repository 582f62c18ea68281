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
    const auto [partId, partName] = SplitPartLine(line);
    checks_.At(lineNumber, line);
    checks_.CheckName(partId, "part ID");
    checks_.CheckName(partName, "part name");
    WritePartRow(target_, partId, partName);
    const PartNumber& part = ids_.Store(partNumber_, KeyOfPadded(partId));
    if (mapper_ != nullptr) mapper_->OnPart(&part, partId, partName);
}

}  // namespace brisel
