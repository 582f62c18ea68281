#pragma once
// A pin reference of a connection line, split at its last full stop into the
// part ID and the pin.

#include <cstddef>
#include <string_view>

namespace brisel {

struct PinReference {
    static constexpr std::size_t kNoStop = std::string_view::npos;

    std::string_view token;
    std::size_t lastStop = kNoStop;  // kNoStop: the token repeats the reference before it
    // One full stop, a part ID of 1 to 249 printable characters without a
    // double quote, and a pin of digits that are not all 0: nothing for the
    // checks to find.
    bool plain = false;

    bool HasStop() const { return lastStop != kNoStop; }
    std::string_view PartId() const { return token.substr(0, lastStop); }
    std::string_view Pin() const { return token.substr(lastStop + 1); }
};

// The reference whose token starts at `begin` and ends at the next space or
// at `end`.
PinReference ScanPinReference(const char* begin, const char* end);

}  // namespace brisel
