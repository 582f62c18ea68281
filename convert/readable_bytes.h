#pragma once
// The rule the engine's fast paths rest on: after every token of a line (a
// part ID, a pin, a net name) and from the start of every short text kept
// elsewhere (a number's digits, a net name kept aside), kReadableAfterText
// bytes may be read, whatever they hold. So a text of at most 16 bytes is
// read as one 16-byte block, and a scan reads whole blocks past a token's
// end, without testing lengths first. The line reader keeps the rule for
// its lines (a space in the place of the line end, then padding);
// DecimalCounter, PartNumber and the main pass's kept net name keep room
// for a whole block.

#include <cstddef>

namespace brisel {

inline constexpr std::size_t kReadableAfterText = 16;

}  // namespace brisel
