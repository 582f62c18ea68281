#pragma once
// The lines of a part section: what ends the section, and a part line's ID
// and name.

#include <string_view>

#include "convert/netlist_text.h"
#include "convert/word_bytes.h"

namespace brisel {

// A blank line and a keyword line of another section end the part section;
// a remark does not.
inline bool EndsPartSection(std::string_view line) {
    if (line.empty()) return true;
    if (IsBlank(line.front())) return IsBlankLine(line);
    if (line.front() != '*') return false;
    return IsNetTableHeader(line) || (IsSectionKeywordLine(line) && !IsRemarkLine(line));
}

namespace part_line_detail {

// As find_first_of(" \t"), eight bytes a step.
inline std::size_t FindSpaceOrTab(std::string_view line) {
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
inline std::size_t IndentOf(std::string_view line) {
    std::size_t indent = 0;
    while (indent < line.size() && IsBlank(line[indent])) ++indent;
    return indent;
}

}  // namespace part_line_detail

struct PartLine {
    std::string_view id;
    std::string_view name;
};

// The part ID starts at the first character that is neither a space nor a
// tab and ends at the next space or tab; the name is the rest with its outer
// spaces removed.
inline PartLine SplitPartLine(std::string_view line) {
    using namespace part_line_detail;
    const std::string_view indented = line.substr(IndentOf(line));
    const auto split = FindSpaceOrTab(indented);
    const std::string_view name =
        split == std::string_view::npos ? std::string_view{} : TrimSpaces(indented.substr(split + 1));
    return {indented.substr(0, split), name};
}

}  // namespace brisel
