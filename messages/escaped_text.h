#pragma once
// Bytes of a name or a line made fit to show on one line that reads one way:
// the bytes a reader could not see or could take for something else written
// as escapes. What is escaped depends on where the text is shown.

#include <cstddef>
#include <string>
#include <string_view>

namespace brisel::messages {

struct EscapeRules {
    // Line feed, carriage return and tab as \n, \r, \t rather than \xNN.
    bool namedControls = false;
    // Bytes 0x80 to 0xFF as \xNN too; control bytes and 0x7F always are.
    bool nonAscii = false;
    // A double quote as \".
    bool quote = false;
    // A backslash doubled.
    bool backslash = false;
    // The bytes of the text shown at most; "..." follows a longer text.
    std::size_t most = std::string_view::npos;
};

std::string Escaped(std::string_view text, const EscapeRules& rules);

// A text of the source inside a problem text, in double quotes: control and
// non-ASCII bytes as \xNN, a double quote as \" and a backslash as \\, and at
// most 60 bytes with "..." after them.
std::string Quote(std::string_view text);

// A byte as a problem text names it: "0x1F".
std::string ByteCode(unsigned char byte);

}  // namespace brisel::messages
