#pragma once
// Paths as the windows and the command line hold them: a folder that ends in
// its separator, and a file name.

#include <string>
#include <string_view>

namespace brisel {

// The character that separates folders: "\" on Windows, "/" elsewhere.
char PathSeparator();

// Where the folder part of a path ends: the position of its last separator,
// or npos. Windows takes "/" between folders too.
std::size_t LastSeparator(std::string_view path);

// Splits at the last separator: the folder keeps it, the file name is the rest
// (empty when the text ends in a separator). Returns false, changing nothing,
// when the text holds no separator.
bool SplitPath(std::string_view text, std::string& folder, std::string& file);

// True when two paths name the same file: the same existing file under any
// spelling (links, "..", letter case where the file system ignores it), or,
// when either does not exist, the same normalised absolute path ignoring case.
bool SameFile(const std::string& a, const std::string& b);

}  // namespace brisel
