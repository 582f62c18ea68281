#include "cli/verify/digest.h"

#include "cli/verify/text.h"

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

Hasher PartHash(std::string_view partId) { return Hasher().AddFolded(partId).AddNumber(partId.size()); }

std::uint64_t PinHash(Hasher part, std::string_view pin) { return part.Add(pin).Value(); }

void SequenceDigest::Add(std::uint64_t eventHash) { state_ = Mix(state_ + eventHash); }

}  // namespace brisel::verify
