#pragma once
// The lines of a part section as the reader returns them: what ends the
// section, and a part line's ID and name.

#include <string_view>

#include "convert/netlist_text.h"
#include "convert/padded_text.h"

namespace brisel {

// A blank line and a keyword line of another section end the part section;
// a remark does not.
inline bool EndsPartSection(std::string_view line) {
    if (line.empty()) return true;
    if (IsBlank(line.front())) return IsBlankLine(line);
    if (line.front() != '*') return false;
    return IsNetTableHeader(line) || (IsSectionKeywordLine(line) && !IsRemarkLine(line));
}

struct PartLine {
    std::string_view id;
    std::string_view name;
};

// The part ID starts at the first character that is neither a space nor a
// tab and ends at the next space or tab; the name is the rest with its outer
// spaces removed. The line is one the reader returned: the space after it
// ends an ID that runs to the line's end.
inline PartLine SplitPartLine(std::string_view line) {
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

}  // namespace brisel
