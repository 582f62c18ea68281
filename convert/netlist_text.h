#pragma once
// Small text rules shared by the passes: keyword tests (letter case ignored,
// keyword at the first character) and space trimming.

#include <cstdint>
#include <string_view>

#include "convert/word_bytes.h"

namespace brisel {

// Every byte with ASCII capitals folded to lower case, as a table for text
// compared byte by byte. Part keys and keywords fold whole words and blocks
// by the same rule.
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

// A keyword of at most eight characters, to be compared with a line's first
// eight bytes as one word: the line's bytes in the letters' places get the
// 0x20 bit, which makes a capital lower case and any other byte no letter.
struct Keyword {
    std::size_t size = 0;
    std::uint64_t lower = 0;    // the keyword with its letters in lower case
    std::uint64_t letters = 0;  // 0x20 in each letter's byte
    std::uint64_t kept = 0;     // 0xff in each of the keyword's bytes
    consteval explicit Keyword(std::string_view text) : size(text.size()) {
        if (size == 0 || size > 8 || text[0] != '*') throw "a keyword is one to eight bytes and starts with \"*\"";
        for (std::size_t i = 0; i < size; ++i) {
            const auto c = static_cast<unsigned char>(text[i]);
            const bool letter = (c | 0x20) >= 'a' && (c | 0x20) <= 'z';
            lower |= std::uint64_t{letter ? (c | 0x20u) : c} << (8 * i);
            letters |= std::uint64_t{letter ? 0x20u : 0u} << (8 * i);
            kept |= std::uint64_t{0xff} << (8 * i);
        }
    }
};

inline bool StartsWithKeyword(std::string_view line, const Keyword& keyword) {
    using namespace word_bytes;
    // The first byte alone turns most lines away: every keyword starts with "*".
    if (line.size() < keyword.size || static_cast<unsigned char>(line.front()) != (keyword.lower & 0xff)) return false;
    const std::uint64_t first =
        line.size() >= 8 ? Load<std::uint64_t>(line.data()) : LoadUpTo8(line.data(), line.size());
    return ((first | keyword.letters) & keyword.kept) == keyword.lower;
}

inline bool IsLongSignalHeader(std::string_view line) { return StartsWithKeyword(line, Keyword("*SIGNAL*")); }

// "*SIGNAL* GND" and "*SIG* GND" both name the net GND. The long form's name
// starts at the tenth character, the short form's after the keyword; 0 for
// a line that is no signal header.
inline std::size_t NetNameStart(std::string_view line) {
    if (IsLongSignalHeader(line)) return 9;
    return StartsWithKeyword(line, Keyword("*SIG*")) ? 5 : 0;
}

inline bool IsSignalHeader(std::string_view line) { return NetNameStart(line) != 0; }

// The net name of a signal header whose name starts at `start`.
inline std::string_view NetNameOf(std::string_view header, std::size_t start) {
    return header.size() <= start ? std::string_view{} : TrimSpaces(header.substr(start));
}

inline bool IsPartHeader(std::string_view line) { return StartsWithKeyword(line, Keyword("*PART*")); }
inline bool IsNetHeader(std::string_view line) { return StartsWithKeyword(line, Keyword("*NET*")); }
inline bool IsEndLine(std::string_view line) { return StartsWithKeyword(line, Keyword("*END*")); }

// The modern netlists' "*CONNECTION*", its first twelve characters.
inline bool IsConnectionHeader(std::string_view line) {
    return StartsWithKeyword(line, Keyword("*CONNECT")) && line.size() >= 12 &&
           SameTextIgnoringCase(line.substr(8, 4), "ION*");
}

// "*NET*" and "*CONNECTION*" open the Net Names Table alike.
inline bool IsNetTableHeader(std::string_view line) { return IsNetHeader(line) || IsConnectionHeader(line); }

inline bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// Empty, or nothing but spaces and tabs.
inline bool IsBlankLine(std::string_view line) {
    for (char c : line) {
        if (!IsBlank(c)) return false;
    }
    return true;
}

inline bool IsKeywordCharacter(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_' || c == '-';
}

// A line that opens a section of its own: "*", one or more letters, digits,
// "_" or "-", "*", then the line's end, a space or a tab, as "*MISC*",
// "*SIGNAL* GND" or "*END*". "*SIGNAL*GND" and "*N$1*" are none.
inline bool IsSectionKeywordLine(std::string_view line) {
    if (line.empty() || line.front() != '*') return false;
    std::size_t end = 1;
    while (end < line.size() && IsKeywordCharacter(line[end])) ++end;
    return end > 1 && end < line.size() && line[end] == '*' && (end + 1 == line.size() || IsBlank(line[end + 1]));
}

inline bool IsRemarkLine(std::string_view line) { return StartsWithKeyword(line, Keyword("*REMARK*")); }

}  // namespace brisel
