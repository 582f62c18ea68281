#pragma once
// The bytes a name of the target format may hold.

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

}  // namespace brisel
