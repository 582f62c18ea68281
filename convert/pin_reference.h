#pragma once
// A pin reference of a connection line, split at its last full stop into the
// part ID and the pin.

#include <cstddef>
#include <string_view>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

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
    // Both only when HasStop.
    std::string_view PartId() const { return {token.data(), lastStop}; }
    std::string_view Pin() const { return {token.data() + lastStop + 1, token.size() - lastStop - 1}; }
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

// What a scan has found so far in a token.
struct TokenScan {
    const char* lastStop = nullptr;
    bool severalStops = false;
    bool badByte = false;

    void AddStop(const char* stop) {
        severalStops |= lastStop != nullptr;
        lastStop = stop;
    }
    // The stops of a block of 16 bytes at `block`, one mask bit per byte.
    void AddStops(const char* block, unsigned stops) {
        if (stops == 0) return;
        severalStops |= lastStop != nullptr || (stops & (stops - 1)) != 0;
        lastStop = block + 31 - __builtin_clz(stops);
    }
};

// Scans from `p` to the space that ends the token or to `end`; returns
// where it stopped.
inline const char* ScanBytes(const char* p, const char* end, TokenScan& scan) {
    for (; p != end; ++p) {
        const ByteKind kind = kByteKinds.kind[static_cast<unsigned char>(*p)];
        if (kind == kNameByte) continue;
        if (kind == kSpace) break;
        if (kind == kStop) {
            scan.AddStop(p);
        } else {
            scan.badByte = true;
        }
    }
    return p;
}

#if defined(__SSE2__)
// The same scan 16 bytes at a time while they lie before `end`: one mask bit
// per byte for the spaces, the full stops and the bytes no name may hold.
inline const char* ScanBlocks(const char* p, const char* end, TokenScan& scan) {
    const __m128i space = _mm_set1_epi8(' '), stop = _mm_set1_epi8('.');
    const __m128i quote = _mm_set1_epi8('"'), del = _mm_set1_epi8(0x7f);
    for (; end - p >= 16; p += 16) {
        const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
        // Signed, the bytes from 128 up are below the space too.
        const __m128i bad = _mm_or_si128(_mm_cmplt_epi8(bytes, space),
                                         _mm_or_si128(_mm_cmpeq_epi8(bytes, quote), _mm_cmpeq_epi8(bytes, del)));
        const unsigned spaces = static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(bytes, space)));
        const unsigned inToken = spaces == 0 ? 0xffffu : (spaces & (0u - spaces)) - 1;  // the bits before the space
        const unsigned stops = static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(bytes, stop))) & inToken;
        scan.AddStops(p, stops);
        scan.badByte |= (static_cast<unsigned>(_mm_movemask_epi8(bad)) & inToken) != 0;
        if (spaces != 0) return p + __builtin_ctz(spaces);
    }
    return p;
}
#endif

}  // namespace pin_reference_detail

// The reference whose token starts at `begin` and ends at the next space or
// at `end`. Inline: it runs once for every pin reference of the netlist.
inline PinReference ScanPinReference(const char* begin, const char* end) {
    using namespace pin_reference_detail;
    TokenScan scan;
    const char* p = begin;
#if defined(__SSE2__)
    p = ScanBlocks(p, end, scan);
    if (p == end || *p != ' ') p = ScanBytes(p, end, scan);
#else
    p = ScanBytes(p, end, scan);
#endif
    PinReference reference;
    reference.token = std::string_view(begin, static_cast<std::size_t>(p - begin));
    if (scan.lastStop == nullptr) return reference;
    reference.lastStop = static_cast<std::size_t>(scan.lastStop - begin);
    reference.plain = !scan.severalStops && !scan.badByte && reference.lastStop >= 1 &&
                      reference.lastStop <= kLongestName && IsPlainPin(reference.Pin());
    return reference;
}

}  // namespace brisel
