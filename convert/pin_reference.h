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
#include "convert/readable_bytes.h"

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

inline bool IsPlainPin(std::string_view pin) {
    bool nonZero = false;
    for (char c : pin) {
        if (c < '0' || c > '9') return false;
        nonZero |= c != '0';
    }
    return nonZero;
}

// What the scan needs of a block of 16 bytes, one bit per byte, the first
// byte lowest; only the low 16 bits count. The scan uses only the bits
// before the token's end.
struct BlockMasks {
    unsigned blanks = 0;  // spaces and tabs, which end a token
    unsigned stops = 0;
    unsigned bad = 0;  // bytes no name may hold
    unsigned nonDigits = 0;
    unsigned zeros = 0;
};

// Both read all 16 bytes at `p`, which the bytes after the line allow.
#if defined(__SSE2__)
inline BlockMasks MasksOf(const char* p) {
    const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
    const auto bits = [](__m128i set) { return static_cast<unsigned>(_mm_movemask_epi8(set)); };
    BlockMasks masks;
    masks.blanks =
        bits(_mm_or_si128(_mm_cmpeq_epi8(bytes, _mm_set1_epi8(' ')), _mm_cmpeq_epi8(bytes, _mm_set1_epi8('\t'))));
    masks.stops = bits(_mm_cmpeq_epi8(bytes, _mm_set1_epi8('.')));
    // Signed, the bytes from 128 up are below the space too. Both masks are
    // taken as the complement of what passes, which the processor tests
    // directly; their bits from 16 up are set, and mean nothing.
    const __m128i nameByte = _mm_andnot_si128(
        _mm_or_si128(_mm_cmpeq_epi8(bytes, _mm_set1_epi8('"')), _mm_cmpeq_epi8(bytes, _mm_set1_epi8(0x7f))),
        _mm_cmpgt_epi8(bytes, _mm_set1_epi8(' ' - 1)));
    masks.bad = ~bits(nameByte);
    masks.nonDigits = ~bits(
        _mm_andnot_si128(_mm_cmpgt_epi8(bytes, _mm_set1_epi8('9')), _mm_cmpgt_epi8(bytes, _mm_set1_epi8('0' - 1))));
    masks.zeros = bits(_mm_cmpeq_epi8(bytes, _mm_set1_epi8('0')));
    return masks;
}
#else
inline BlockMasks MasksOf(const char* p) {
    BlockMasks masks;
    for (int i = 0; i < 16; ++i) {
        const unsigned bit = 1u << i;
        const auto c = static_cast<unsigned char>(p[i]);
        if (c == ' ' || c == '\t') masks.blanks |= bit;
        if (c == '.') masks.stops |= bit;
        if (IsBadNameByte(c)) masks.bad |= bit;
        if (c < '0' || c > '9') masks.nonDigits |= bit;
        if (c == '0') masks.zeros |= bit;
    }
    return masks;
}
#endif

// The bits of a block where a token may end: its spaces and tabs, the
// space after the line among them, and bit 16 for the next block.
inline unsigned TokenEnds(const BlockMasks& masks) { return masks.blanks | 1u << 16; }

// A pin of the bits `pin` of a block: digits, not all 0.
inline bool IsPlainPin(const BlockMasks& masks, unsigned pin) {
    return (masks.nonDigits & pin) == 0 && (pin & ~masks.zeros) != 0;
}

#if defined(__SSE2__)
// For each place of the full stop in a block, the bytes each place of the
// block may hold in a plain reference: a name's byte before the stop, any
// byte at it and a digit after it. The name's range starts above the double
// quote: it leaves out "!" too, which only sends such a token to the full
// checks, where nothing is found.
struct PlainRanges {
    alignas(16) unsigned char low[16][16];
    alignas(16) unsigned char high[16][16];
    constexpr PlainRanges() : low(), high() {
        for (int stop = 0; stop < 16; ++stop) {
            for (int i = 0; i < 16; ++i) {
                low[stop][i] = i < stop ? '#' : i == stop ? 0x00 : '0';
                high[stop][i] = i < stop ? '~' : i == stop ? 0xff : '9';
            }
        }
    }
};
inline constexpr PlainRanges kPlainRanges{};

// Whether the token of the bits `inToken` of the block at `p`, whose only
// full stop stands at bit `last`, is plain: each byte held against its
// place's range with one clamp, and a pin byte above "0".
inline bool IsPlainInBlock(const char* p, unsigned last, unsigned inToken) {
    const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
    const __m128i low = _mm_load_si128(reinterpret_cast<const __m128i*>(kPlainRanges.low[last]));
    const __m128i high = _mm_load_si128(reinterpret_cast<const __m128i*>(kPlainRanges.high[last]));
    const __m128i clamped = _mm_max_epu8(_mm_min_epu8(bytes, high), low);
    const auto inRange = static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(clamped, bytes)));
    const auto aboveZero = static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpgt_epi8(bytes, _mm_set1_epi8('0'))));
    return (inRange & inToken) == inToken && ((aboveZero & inToken) >> last) != 0;  // the stop is no digit
}
#else
inline bool IsPlainInBlock(const char* p, unsigned last, unsigned inToken) {
    const BlockMasks masks = MasksOf(p);
    return (masks.bad & ((1u << last) - 1)) == 0 && IsPlainPin(masks, inToken & ~((2u << last) - 1));
}
#endif

// A token that runs over more than one block.
[[gnu::noinline]] inline PinReference ScanLongToken(const char* begin) {
    const char* lastStop = nullptr;
    bool severalStops = false;
    bool badByte = false;
    for (const char* p = begin;; p += 16) {
        const BlockMasks masks = MasksOf(p);
        const unsigned ends = TokenEnds(masks);
        const unsigned inToken = (ends & (0u - ends)) - 1;  // the bits before the token's end
        const unsigned stops = masks.stops & inToken;
        if (stops != 0) {
            severalStops |= lastStop != nullptr || (stops & (stops - 1)) != 0;
            lastStop = p + 31 - __builtin_clz(stops);
        }
        badByte |= (masks.bad & inToken) != 0;
        if (inToken == 0xffffu) continue;

        PinReference reference;
        reference.token = std::string_view(begin, static_cast<std::size_t>(p + __builtin_ctz(ends) - begin));
        if (lastStop == nullptr) return reference;
        reference.lastStop = static_cast<std::size_t>(lastStop - begin);
        const bool plainPin =
            lastStop >= p ? IsPlainPin(masks, inToken & ~((2u << (lastStop - p)) - 1)) : IsPlainPin(reference.Pin());
        reference.plain =
            !severalStops && !badByte && reference.lastStop >= 1 && reference.lastStop <= kLongestName && plainPin;
        return reference;
    }
}

}  // namespace pin_reference_detail

// The reference whose token starts at `begin`, in a line, and ends at the
// next space or tab, read 16 bytes at a time; empty when a space or tab
// stands at `begin`. The line must be followed by a space
// and more readable bytes, kReadableAfterText in all. Inline: it runs once
// for every pin reference of the netlist, and most tokens fit into the
// first block.
inline PinReference ScanPinReference(const char* begin) {
    using namespace pin_reference_detail;
    const BlockMasks masks = MasksOf(begin);
    const unsigned length = static_cast<unsigned>(__builtin_ctz(TokenEnds(masks)));
    if (length == 16) return ScanLongToken(begin);
    PinReference reference;
    reference.token = std::string_view(begin, length);
    const unsigned inToken = (1u << length) - 1;
    const unsigned stops = masks.stops & inToken;
    if (stops == 0) return reference;
    const unsigned last = 31u - static_cast<unsigned>(__builtin_clz(stops));
    reference.lastStop = last;
    // No other full stop, a part ID before it and a plain pin after it.
    reference.plain = last >= 1 && (stops & (stops - 1)) == 0 && IsPlainInBlock(begin, last, inToken);
    return reference;
}

}  // namespace brisel
