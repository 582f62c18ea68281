#include "convert/line_feeds.h"

#include <algorithm>
#include <cstdint>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace brisel {

// Counted into one byte per lane, four blocks of 16 bytes a step for up to
// 63 steps (at most 252 in a lane), then summed; elsewhere into one byte for
// up to 255 bytes at a time, which the compiler turns into a loop over many
// bytes per step.
std::int64_t CountLineFeeds(const char* data, std::size_t size) {
    std::int64_t count = 0;
    std::size_t start = 0;
#if defined(__SSE2__)
    const __m128i lineFeed = _mm_set1_epi8('\n'), zero = _mm_setzero_si128();
    const auto matches = [&](std::size_t at) {  // -1 in each lane that holds a line feed
        return _mm_cmpeq_epi8(_mm_loadu_si128(reinterpret_cast<const __m128i*>(data + at)), lineFeed);
    };
    while (size - start >= 64) {
        __m128i inLanes = zero;
        const std::size_t steps = std::min<std::size_t>(63, (size - start) / 64);
        for (std::size_t step = 0; step < steps; ++step, start += 64) {
            const __m128i pairs = _mm_add_epi8(_mm_add_epi8(matches(start), matches(start + 16)),
                                               _mm_add_epi8(matches(start + 32), matches(start + 48)));
            inLanes = _mm_sub_epi8(inLanes, pairs);
        }
        const __m128i sums = _mm_sad_epu8(inLanes, zero);
        count += _mm_cvtsi128_si32(sums) + _mm_cvtsi128_si32(_mm_srli_si128(sums, 8));
    }
#endif
    for (; start < size; start += 255) {
        const std::size_t stop = std::min(size, start + 255);
        std::uint8_t inChunk = 0;
        for (std::size_t i = start; i < stop; ++i) inChunk = static_cast<std::uint8_t>(inChunk + (data[i] == '\n'));
        count += inChunk;
    }
    return count;
}

}  // namespace brisel
