#include "verify/digest.h"

#include <cstring>

#include "verify/text.h"

namespace brisel::verify {
namespace {

// The finaliser of SplitMix64: every input bit reaches every output bit.
std::uint64_t Mix(std::uint64_t x) {
    x = (x ^ (x >> 30)) * 0xbf58476d1ce4e5b9ULL;
    x = (x ^ (x >> 27)) * 0x94d049bb133111ebULL;
    return x ^ (x >> 31);
}

}  // namespace

Hasher& Hasher::Add(std::string_view bytes) {
    for (const char c : bytes) AddByte(static_cast<unsigned char>(c));
    return *this;
}

Hasher& Hasher::AddFolded(std::string_view bytes) {
    for (const char c : bytes) AddByte(static_cast<unsigned char>(FoldChar(c)));
    return *this;
}

Hasher& Hasher::AddNumber(std::uint64_t value) {
    for (int shift = 0; shift < 64; shift += 8) AddByte(static_cast<unsigned char>(value >> shift));
    return *this;
}

std::uint64_t Hasher::Value() const { return Mix(state_); }

namespace {

constexpr std::uint64_t kOnes = 0x0101010101010101ULL;

template <typename Word>
std::uint64_t Load(const char* bytes) {
    Word word;
    std::memcpy(&word, bytes, sizeof word);
    return word;
}

std::uint64_t EightBytes(const char* bytes) { return Load<std::uint64_t>(bytes); }

}  // namespace

// 0x20 added to every byte from 'A' to 'Z'; no sum carries into the next byte.
std::uint64_t FoldWord(std::uint64_t word) {
    const std::uint64_t low = word & (0x7f * kOnes);
    const std::uint64_t fromA = low + (0x80 - 'A') * kOnes;
    const std::uint64_t pastZ = low + (0x80 - 'Z' - 1) * kOnes;
    return word | ((fromA & ~pastZ & ~word & (0x80 * kOnes)) >> 2);
}

namespace {

std::uint64_t Step(std::uint64_t state, std::uint64_t word) { return (state ^ word) * 0x9e3779b97f4a7c15ULL; }

template <bool kFolded>
std::uint64_t HashWords(std::uint64_t state, std::string_view text) {
    std::size_t at = 0;
    for (; text.size() - at >= 8; at += 8) {
        const std::uint64_t word = EightBytes(text.data() + at);
        state = Step(state, kFolded ? FoldWord(word) : word);
    }
    if (at < text.size()) {
        const std::uint64_t word = WordOf(text.data() + at, text.size() - at);
        state = Step(state, kFolded ? FoldWord(word) : word);
    }
    return Mix(state ^ text.size());
}

}  // namespace

// Two loads that may overlap, whose shared bytes agree; nothing read outside
// the bytes.
std::uint64_t WordOf(const char* bytes, std::size_t count) {
    if (count >= 4) return Load<std::uint32_t>(bytes) | Load<std::uint32_t>(bytes + count - 4) << (8 * (count - 4));
    if (count == 0) return 0;
    const auto byte = [bytes](std::size_t i) { return std::uint64_t{static_cast<unsigned char>(bytes[i])} << (8 * i); };
    return byte(0) | byte(count / 2) | byte(count - 1);
}

std::uint64_t PartHash(std::string_view partId) { return HashWords<true>(0x243f6a8885a308d3ULL, partId); }

std::uint64_t PinHash(std::uint64_t part, std::string_view pin) { return HashWords<false>(part, pin); }

void SequenceDigest::Add(std::uint64_t eventHash) { state_ = Mix(state_ + eventHash); }

}  // namespace brisel::verify
