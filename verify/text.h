#pragma once
// Byte-wise text helpers: ASCII letter case only, no locale.

#include <string>
#include <string_view>

namespace brisel::verify {

inline char FoldChar(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

// ASCII letters in lower case; every other byte as it is.
std::string FoldCase(std::string_view text);

// True when text begins with keyword, ASCII letter case ignored.
bool StartsWithIgnoreCase(std::string_view text, std::string_view keyword);

// Without leading and trailing space characters (code 32 only).
std::string_view TrimSpaces(std::string_view text);

}  // namespace brisel::verify
