#include "convert/part_table.h"

#include "convert/netlist_layout.h"
#include "convert/netlist_text.h"
#include "convert/word_bytes.h"

namespace brisel {

void PartTable::OnLine(std::string_view line, std::int64_t lineNumber) {
    if (IsPartHeader(line)) {
        OnHeader();
        return;
    }
    if (!headerSeen_ || sectionEnded_) return;
    if (IsNetHeader(line) || line.empty()) {
        sectionEnded_ = true;
        return;
    }
    // Signal headers, "*END*" and remarks inside the section are no parts.
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

// As find_first_of(" \t"), eight bytes a step.
std::size_t FindSpaceOrTab(std::string_view line) {
    using namespace word_bytes;
    std::size_t i = 0;
    for (; line.size() - i >= 8; i += 8) {
        const std::uint64_t word = Load<std::uint64_t>(line.data() + i);
        const std::uint64_t found = BytesEqualTo(word, ' ') | BytesEqualTo(word, '\t');
        if (found != 0) return i + static_cast<std::size_t>(__builtin_ctzll(found)) / 8;
    }
    for (; i < line.size(); ++i) {
        if (line[i] == ' ' || line[i] == '\t') return i;
    }
    return std::string_view::npos;
}

}  // namespace

// The part ID ends at the first space or tab; the name is the rest with
// its outer spaces removed.
void PartTable::AddPart(std::string_view line, std::int64_t lineNumber) {
    partCount_ = ++partsInSection_;
    partNumber_.Increment();
    const auto split = FindSpaceOrTab(line);
    const std::string_view partId = line.substr(0, split);
    const std::string_view partName =
        split == std::string_view::npos ? std::string_view{} : TrimSpaces(line.substr(split + 1));
    checks_.At(lineNumber, line);
    checks_.CheckName(partId, "part ID");
    checks_.CheckName(partName, "part name");
    WritePartRow(target_, partId, partName);
    ids_.Store(partNumber_, KeyOfPadded(partId));
}

}  // namespace brisel
