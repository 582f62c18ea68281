#pragma once
// A pin reference of a connection line, split at its last full stop into the
// part ID and the pin.

#include <cstddef>
#include <string_view>

#include "convert/name_bytes.h"
#include "convert/problems.h"

namespace brisel {

struct PinReference {
    static constexpr std::size_t kNoStop = std::string_view::npos;

    std::string_view token;
    std::size_t lastStop = kNoStop;  // kNoStop: the token repeats the reference before it
    // One full stop, a part ID of 1 to kLongestName printable characters without a
    // double quote, and a pin of digits that are not all 0: nothing for the
    // checks to find.
    bool plain = false;

    bool HasStop() const { return lastStop != kNoStop; }
    std::string_view PartId() const { return token.substr(0, lastStop); }
    std::string_view Pin() const { return token.substr(lastStop + 1); }
};

namespace pin_reference_detail {

// What the scan of a token does at a byte: most bytes are name bytes and
// need nothing.
enum ByteKind : unsigned char { kNameByte, kSpace, kStop, kBadByte };

struct ByteKinds {
    ByteKind kind[256];
    constexpr ByteKinds() : kind() {
        for (int c = 0; c < 256; ++c) kind[c] = IsBadNameByte(static_cast<unsigned char>(c)) ? kBadByte : kNameByte;
        kind[static_cast<unsigned char>(' ')] = kSpace;
        kind[static_cast<unsigned char>('.')] = kStop;
    }
};
inline constexpr ByteKinds kByteKinds{};

inline bool IsPlainPin(std::string_view pin) {
    bool nonZero = false;
    for (char c : pin) {
        if (c < '0' || c > '9') return false;
        nonZero |= c != '0';
    }
    return nonZero;
}

}  // namespace pin_reference_detail

// The reference whose token starts at `begin` and ends at the next space or
// at `end`. Inline: it runs once for every pin reference of the netlist.
inline PinReference ScanPinReference(const char* begin, const char* end) {
    using namespace pin_reference_detail;
    const char* lastStop = nullptr;
    int stops = 0;
    bool badByte = false;
    const char* p = begin;
    for (; p != end; ++p) {
        const ByteKind kind = kByteKinds.kind[static_cast<unsigned char>(*p)];
        if (kind == kNameByte) continue;
        if (kind == kSpace) break;
        if (kind == kStop) {
            lastStop = p;
            ++stops;
        } else {
            badByte = true;
        }
    }
    PinReference reference;
    reference.token = std::string_view(begin, static_cast<std::size_t>(p - begin));
    if (lastStop == nullptr) return reference;
    reference.lastStop = static_cast<std::size_t>(lastStop - begin);
    reference.plain = stops == 1 && !badByte && reference.lastStop >= 1 && reference.lastStop <= kLongestName &&
                      IsPlainPin(reference.Pin());
    return reference;
}

}  // namespace brisel
