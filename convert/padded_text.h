#pragma once
// Scans of text inside a line as the reader returns it: followed in memory
// by a space and more readable bytes, kReadableAfterText in all. They read
// whole 16-byte blocks, which may run past the text into those bytes.

#include <algorithm>
#include <cstddef>
#include <string_view>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "convert/name_bytes.h"
#include "convert/netlist_text.h"
#include "convert/readable_bytes.h"

namespace brisel {

namespace padded_text_detail {

#if defined(__SSE2__)
inline unsigned BitsOf(__m128i set) { return static_cast<unsigned>(_mm_movemask_epi8(set)); }
inline __m128i BlockAt(const char* p) { return _mm_loadu_si128(reinterpret_cast<const __m128i*>(p)); }
#endif

}  // namespace padded_text_detail

// The first space or tab at or after `p`, which must come before the end of
// the line's padding: the space after the line stops it at the latest.
inline const char* FindBlank(const char* p) {
#if defined(__SSE2__)
    using namespace padded_text_detail;
    for (;; p += 16) {
        const __m128i bytes = BlockAt(p);
        const unsigned blanks =
            BitsOf(_mm_or_si128(_mm_cmpeq_epi8(bytes, _mm_set1_epi8(' ')), _mm_cmpeq_epi8(bytes, _mm_set1_epi8('\t'))));
        if (blanks != 0) return p + __builtin_ctz(blanks);
    }
#else
    while (!IsBlank(*p)) ++p;
    return p;
#endif
}

// The first byte at or after `p` that is not a space, or `end`, the line's end.
inline const char* SkipSpaces(const char* p, const char* end) {
#if defined(__SSE2__)
    using namespace padded_text_detail;
    for (; p < end; p += 16) {
        const unsigned others = ~BitsOf(_mm_cmpeq_epi8(BlockAt(p), _mm_set1_epi8(' '))) & 0xffffu;
        if (others != 0) return std::min(p + __builtin_ctz(others), end);
    }
    return end;
#else
    while (p < end && *p == ' ') ++p;
    return p;
#endif
}

// Whether a name holds a byte no name may hold. A name of at most 16 bytes
// is tested in one block, which needs kReadableAfterText readable bytes from
// the name's start.
inline bool HasBadNameBytePadded(std::string_view name) {
#if defined(__SSE2__)
    using namespace padded_text_detail;
    if (name.size() <= 16) {
        const __m128i bytes = BlockAt(name.data());
        // Signed, the bytes from 128 up are below the space too.
        const __m128i good = _mm_andnot_si128(
            _mm_or_si128(_mm_cmpeq_epi8(bytes, _mm_set1_epi8('"')), _mm_cmpeq_epi8(bytes, _mm_set1_epi8(0x7f))),
            _mm_cmpgt_epi8(bytes, _mm_set1_epi8(' ' - 1)));
        const unsigned inName = (1u << name.size()) - 1;
        return (~BitsOf(good) & inName) != 0;
    }
#endif
    return HasBadNameByte(name);
}

// NetNameOf for a signal header as the reader returns it: a name part of at
// most 16 bytes loses its outer spaces in one block.
inline std::string_view NetNameInLine(std::string_view header, std::size_t start) {
#if defined(__SSE2__)
    using namespace padded_text_detail;
    if (header.size() > start && header.size() - start <= 16) {
        const char* text = header.data() + start;
        const unsigned inText = (1u << (header.size() - start)) - 1;
        const unsigned others = ~BitsOf(_mm_cmpeq_epi8(BlockAt(text), _mm_set1_epi8(' '))) & inText;
        if (others == 0) return {};
        const auto first = static_cast<unsigned>(__builtin_ctz(others));
        return {text + first, 32u - static_cast<unsigned>(__builtin_clz(others)) - first};
    }
#endif
    return NetNameOf(header, start);
}

}  // namespace brisel
