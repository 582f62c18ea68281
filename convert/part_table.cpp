#include "convert/part_table.h"

#include "convert/netlist_layout.h"
#include "convert/netlist_text.h"
#include "convert/word_bytes.h"

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

// The spaces and tabs a part line begins with.
std::size_t IndentOf(std::string_view line) {
    std::size_t indent = 0;
    while (indent < line.size() && IsBlank(line[indent])) ++indent;
    return indent;
}

}  // namespace

// The part ID starts at the first character that is neither a space nor a
// tab and ends at the next space or tab; the name is the rest with its outer
// spaces removed.
void PartTable::AddPart(std::string_view line, std::int64_t lineNumber) {
    partCount_ = ++partsInSection_;
    partNumber_.Increment();
    const std::string_view indented = line.substr(IndentOf(line));
    const auto split = FindSpaceOrTab(indented);
    const std::string_view partId = indented.substr(0, split);
    const std::string_view partName =
        split == std::string_view::npos ? std::string_view{} : TrimSpaces(indented.substr(split + 1));
    checks_.At(lineNumber, line);
    checks_.CheckName(partId, "part ID");
    checks_.CheckName(partName, "part name");
    WritePartRow(target_, partId, partName);
    ids_.Store(partNumber_, KeyOfPadded(partId));
}

}  // namespace brisel
