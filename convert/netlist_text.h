#pragma once
// Small text rules shared by the passes: keyword tests (letter case ignored,
// keyword at the first character) and space trimming.

#include <cstdint>
#include <string_view>

#include "convert/word_bytes.h"

namespace brisel {

// Every byte with ASCII capitals folded to lower case, as a table for the
// lookups made once per pin reference. The one case fold of the program.
struct CaseFold {
    unsigned char byte[256];
    constexpr CaseFold() : byte() {
        for (int c = 0; c < 256; ++c) byte[c] = static_cast<unsigned char>(c >= 'A' && c <= 'Z' ? c + 32 : c);
    }
    unsigned char operator()(char c) const { return byte[static_cast<unsigned char>(c)]; }
};
inline constexpr CaseFold kFold{};

inline bool SameTextIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    if (a == b) return true;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (kFold(a[i]) != kFold(b[i])) return false;
    }
    return true;
}

inline bool StartsWithIgnoreCase(std::string_view line, std::string_view keyword) {
    if (line.size() < keyword.size()) return false;
    for (std::size_t i = 0; i < keyword.size(); ++i) {
        if (kFold(line[i]) != kFold(keyword[i])) return false;
    }
    return true;
}

// Removes leading and trailing space characters only; tabs stay. A long run
// of leading spaces, as between a part's ID and its name, is passed eight at
// a time.
inline std::string_view TrimSpaces(std::string_view text) {
    std::size_t first = 0;
    while (text.size() - first >= 8 &&
           word_bytes::Load<std::uint64_t>(text.data() + first) == ' ' * word_bytes::kOnes) {
        first += 8;
    }
    while (first < text.size() && text[first] == ' ') ++first;
    if (first == text.size()) return {};
    std::size_t end = text.size();
    while (text[end - 1] == ' ') --end;
    return text.substr(first, end - first);
}

inline bool IsLongSignalHeader(std::string_view line) { return StartsWithIgnoreCase(line, "*SIGNAL*"); }

// "*SIGNAL* GND" and "*SIG* GND" both name the net GND. The long form's name
// starts at the tenth character, the short form's after the keyword; 0 for
// a line that is no signal header.
inline std::size_t NetNameStart(std::string_view line) {
    if (IsLongSignalHeader(line)) return 9;
    return StartsWithIgnoreCase(line, "*SIG*") ? 5 : 0;
}

inline bool IsSignalHeader(std::string_view line) { return NetNameStart(line) != 0; }

// The net name of a signal header whose name starts at `start`.
inline std::string_view NetNameOf(std::string_view header, std::size_t start) {
    return header.size() <= start ? std::string_view{} : TrimSpaces(header.substr(start));
}

inline bool IsPartHeader(std::string_view line) { return StartsWithIgnoreCase(line, "*PART*"); }
inline bool IsNetHeader(std::string_view line) { return StartsWithIgnoreCase(line, "*NET*"); }
inline bool IsEndLine(std::string_view line) { return StartsWithIgnoreCase(line, "*END*"); }

}  // namespace brisel
