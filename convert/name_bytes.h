#pragma once
// The bytes a name of the target format may hold.

#include <cstdint>
#include <string_view>

#include "convert/word_bytes.h"

namespace brisel {

// Only the printable ASCII characters pass, the double quote excepted.
struct BadNameBytes {
    bool bad[256];
    constexpr BadNameBytes() : bad() {
        for (int c = 0; c < 256; ++c) bad[c] = c < 32 || c > 126 || c == '"';
    }
};
inline constexpr BadNameBytes kBadNameBytes{};

constexpr bool IsBadNameByte(unsigned char c) { return kBadNameBytes.bad[c]; }

namespace name_bytes_detail {

using namespace word_bytes;

// The top bit of each byte of the word that is below the space, above the
// tilde or a double quote. A borrow or a carry only runs upwards, from a
// byte that is marked itself, so a byte is marked rightly whatever the
// bytes above it hold.
constexpr std::uint64_t BadBytes(std::uint64_t word) {
    const std::uint64_t belowSpace = (word - ' ' * kOnes) & ~word;
    const std::uint64_t aboveTilde = (word + kOnes) | word;
    return ((belowSpace | aboveTilde) & (0x80 * kOnes)) | BytesEqualTo(word, '"');
}

}  // namespace name_bytes_detail

// Whether the name holds a byte no name may hold, read eight bytes at a
// time with no read outside the name.
inline bool HasBadNameByte(std::string_view name) {
    using namespace name_bytes_detail;
    const char* p = name.data();
    const std::size_t n = name.size();
    if (n < 8) {
        if (n == 0) return false;
        return (BadBytes(LoadUpTo8(p, n)) & KeepBytes(~std::uint64_t{0}, n)) != 0;  // not the zeros above it
    }
    for (std::size_t i = 0; i + 8 < n; i += 8) {
        if (BadBytes(Load<std::uint64_t>(p + i)) != 0) return true;
    }
    return BadBytes(Load<std::uint64_t>(p + n - 8)) != 0;
}

}  // namespace brisel
