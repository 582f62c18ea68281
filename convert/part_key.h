#pragma once
// A part ID as the part index compares it: ASCII letters folded to lower
// case. An ID of up to 16 bytes is held folded in two words, so that looking
// it up compares two words instead of text; a longer one keeps its text.

#include <cstdint>
#include <string_view>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "convert/netlist_text.h"
#include "convert/readable_bytes.h"
#include "convert/word_bytes.h"

namespace brisel {

struct PartKey {
    static constexpr std::size_t kInWords = 16;

    std::string_view id;
    std::uint64_t word[2] = {};  // the folded ID, when it fits; zeros after it
    std::uint64_t hash = 0;

    bool InWords() const { return id.size() <= kInWords; }
};

namespace part_key_detail {

// The words take the first byte of the ID as their lowest (word_bytes
// asserts it); the shifts below that drop bytes rely on it.
using namespace word_bytes;

// Every byte from 'A' to 'Z' gets the 0x20 bit; no byte carries into the
// next, because each sum stays below 0x100.
constexpr std::uint64_t FoldWord(std::uint64_t word) {
    const std::uint64_t low = word & (0x7f * kOnes);
    const std::uint64_t atLeastA = low + (0x80 - 'A') * kOnes;
    const std::uint64_t aboveZ = low + (0x80 - 'Z' - 1) * kOnes;
    const std::uint64_t capital = atLeastA & ~aboveZ & ~word & (0x80 * kOnes);
    return word | (capital >> 2);
}

// The words in one: the first multiplied, which no two first words share,
// with the second added in. Then one full 64 x 64-bit product folded into
// 64 bits, so that every bit of the hash depends on every bit of the ID.
inline std::uint64_t Mix(std::uint64_t a, std::uint64_t b, std::size_t length) {
    __extension__ using Product = unsigned __int128;
    const std::uint64_t words = ((a ^ length) * 0x9e3779b97f4a7c15ull) ^ b;
    const Product product = static_cast<Product>(words) * 0xc2b2ae3d27d4eb4full;
    return static_cast<std::uint64_t>(product) ^ static_cast<std::uint64_t>(product >> 64);
}

inline std::uint64_t HashText(std::string_view id) {
    std::uint64_t hash = 14695981039346656037ull;  // FNV-1a over folded letters
    for (char c : id) {
        hash ^= kFold(c);
        hash *= 1099511628211ull;
    }
    return Mix(hash, 0, id.size());
}

}  // namespace part_key_detail

inline PartKey KeyOf(std::string_view id) {
    using namespace part_key_detail;
    PartKey key;
    key.id = id;
    const std::size_t n = id.size();
    if (n > PartKey::kInWords) {
        key.hash = HashText(id);
        return key;
    }
    if (n > 8) {
        key.word[0] = FoldWord(Load<std::uint64_t>(id.data()));
        key.word[1] = FoldWord(Load<std::uint64_t>(id.data() + n - 8) >> (8 * (16 - n)));
    } else if (n > 0) {
        key.word[0] = FoldWord(LoadUpTo8(id.data(), n));
    }
    key.hash = Mix(key.word[0], key.word[1], n);
    return key;
}

// The same key for an ID that is followed by kReadableAfterText readable
// bytes, whatever they hold: a short ID is read with one 16-byte load, folded and
// cut to its length there. Without SSE2 it is KeyOf itself.
inline PartKey KeyOfPadded(std::string_view id) {
#if defined(__SSE2__) && defined(__x86_64__)
    using namespace part_key_detail;
    const std::size_t n = id.size();
    if (n > PartKey::kInWords) return KeyOf(id);
    PartKey key;
    key.id = id;
    static constexpr char kFirstBytes[32] = {-1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1};
    const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(id.data()));
    // Signed, the bytes from 128 up are below 'A' and stay as they are.
    const __m128i capital =
        _mm_andnot_si128(_mm_cmpgt_epi8(bytes, _mm_set1_epi8('Z')), _mm_cmpgt_epi8(bytes, _mm_set1_epi8('A' - 1)));
    const __m128i folded = _mm_or_si128(bytes, _mm_and_si128(capital, _mm_set1_epi8(0x20)));
    const __m128i kept = _mm_and_si128(folded, _mm_loadu_si128(reinterpret_cast<const __m128i*>(kFirstBytes + 16 - n)));
    key.word[0] = static_cast<std::uint64_t>(_mm_cvtsi128_si64(kept));
    key.word[1] = static_cast<std::uint64_t>(_mm_cvtsi128_si64(_mm_unpackhi_epi64(kept, kept)));
    key.hash = Mix(key.word[0], key.word[1], n);
    return key;
#else
    return KeyOf(id);
#endif
}

}  // namespace brisel
