#pragma once
// Fingerprints that let the checker compare what the source gives with what
// the target holds without keeping either: a pin is hashed from its part ID
// (letter case folded) and its pin text; a net's pins are summed, so that
// their order does not matter.

#include <cstdint>
#include <string_view>

namespace brisel::verify {

class Hasher {
public:
    Hasher& Add(std::string_view bytes);
    Hasher& AddFolded(std::string_view bytes);  // ASCII letters in lower case
    Hasher& AddNumber(std::uint64_t value);
    // The state so far, well mixed.
    std::uint64_t Value() const;

private:
    void AddByte(unsigned char byte) { state_ = (state_ ^ byte) * 0x100000001b3ULL; }

    std::uint64_t state_ = 0xcbf29ce484222325ULL;
};

// The fingerprint of a part ID, letter case folded, and of a pin: its part's
// fingerprint and the pin's bytes. Lengths go in, so that no two pairs of
// texts run together into the same bytes. Read eight bytes at a time: every
// pin of a netlist is hashed on both sides of the check.
std::uint64_t PartHash(std::string_view partId);
// Up to eight bytes as a word, the first byte lowest, zeros after them; and
// a word with its ASCII capitals in lower case.
std::uint64_t WordOf(const char* bytes, std::size_t count);
std::uint64_t FoldWord(std::uint64_t word);
std::uint64_t PinHash(std::uint64_t part, std::string_view pin);

struct PinDigest {
    std::uint64_t sum = 0;
    std::int64_t count = 0;

    void Add(std::uint64_t pinHash) {
        sum += pinHash;
        ++count;
    }
    bool operator==(const PinDigest&) const = default;
};

// A sequence of events in order: the tables' titles and rows.
class SequenceDigest {
public:
    void Add(std::uint64_t eventHash);
    bool operator==(const SequenceDigest&) const = default;

private:
    std::uint64_t state_ = 0;
};

}  // namespace brisel::verify
