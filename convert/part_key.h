#pragma once
// A part ID as the part index compares it: ASCII letters folded to lower
// case. An ID of up to 16 bytes is held folded in two words, so that looking
// it up compares two words instead of text; a longer one keeps its text.

#include <bit>
#include <cstdint>
#include <cstring>
#include <string_view>

#include "convert/netlist_text.h"

namespace brisel {

struct PartKey {
    static constexpr std::size_t kInWords = 16;

    std::string_view id;
    std::uint64_t word[2] = {};  // the folded ID, when it fits; zeros after it
    std::uint64_t hash = 0;      // never 0

    bool InWords() const { return id.size() <= kInWords; }
};

namespace part_key_detail {

// The words take the first byte of the ID as their lowest; the shifts below
// that drop bytes rely on it.
static_assert(std::endian::native == std::endian::little);

constexpr std::uint64_t kOnes = 0x0101010101010101ull;

// Every byte from 'A' to 'Z' gets the 0x20 bit; no byte carries into the
// next, because each sum stays below 0x100.
constexpr std::uint64_t FoldWord(std::uint64_t word) {
    const std::uint64_t low = word & (0x7f * kOnes);
    const std::uint64_t atLeastA = low + (0x80 - 'A') * kOnes;
    const std::uint64_t aboveZ = low + (0x80 - 'Z' - 1) * kOnes;
    const std::uint64_t capital = atLeastA & ~aboveZ & ~word & (0x80 * kOnes);
    return word | (capital >> 2);
}

template <typename Word>
Word Load(const char* at) {
    Word word;
    std::memcpy(&word, at, sizeof word);
    return word;
}

// The first `n` (1 to 8) bytes at `at` in a word, the rest 0, with no read
// outside them: two loads that may overlap, whose shared bytes agree.
inline std::uint64_t LoadUpTo8(const char* at, std::size_t n) {
    if (n >= 4) {
        const std::uint64_t tail = Load<std::uint32_t>(at + n - 4);
        return Load<std::uint32_t>(at) | tail << (8 * (n - 4));
    }
    const auto byte = [at](std::size_t i) { return std::uint64_t{static_cast<unsigned char>(at[i])} << (8 * i); };
    return byte(0) | byte(n / 2) | byte(n - 1);
}

inline std::uint64_t Mix(std::uint64_t a, std::uint64_t b, std::size_t length) {
    std::uint64_t hash = (a ^ length) * 0x9e3779b97f4a7c15ull ^ b * 0xc2b2ae3d27d4eb4full;
    hash ^= hash >> 29;
    hash *= 0xbf58476d1ce4e5b9ull;
    return (hash ^ (hash >> 32)) | 1;
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

}  // namespace brisel
