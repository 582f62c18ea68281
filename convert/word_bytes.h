#pragma once
// Bytes of text read as 64-bit words, the first byte lowest.

#include <bit>
#include <cstdint>
#include <cstring>

namespace brisel::word_bytes {

static_assert(std::endian::native == std::endian::little);

constexpr std::uint64_t kOnes = 0x0101010101010101ull;

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

// The first `n` (0 to 8) bytes of a word, the rest 0.
constexpr std::uint64_t KeepBytes(std::uint64_t word, std::size_t n) {
    return n == 0 ? 0 : word & (~std::uint64_t{0} >> (64 - 8 * n));
}

// The top bit of each byte of the word that equals `byte`. A borrow only
// runs upwards, from a byte that is marked itself, so the lowest mark is
// always right, and any mark at all says that some byte matches.
constexpr std::uint64_t BytesEqualTo(std::uint64_t word, char byte) {
    const std::uint64_t x = word ^ (static_cast<unsigned char>(byte) * kOnes);
    return (x - kOnes) & ~x & (0x80 * kOnes);
}

}  // namespace brisel::word_bytes
