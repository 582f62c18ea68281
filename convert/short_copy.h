#pragma once
// Copies of the few bytes that most names, numbers and lines hold, without
// the call that a copy of unknown length costs.

#include <cstring>
#include <string_view>

#include "convert/readable_bytes.h"

namespace brisel {

namespace short_copy_detail {

// Two fixed-size moves that may overlap cover any length from N to 2 N.
template <std::size_t N>
struct Block {
    char bytes[N];
};

template <std::size_t N>
void CopyTwoBlocks(char* to, const char* from, std::size_t n) {
    Block<N> head, tail;
    std::memcpy(&head, from, N);
    std::memcpy(&tail, from + n - N, N);
    std::memcpy(to, &head, N);
    std::memcpy(to + n - N, &tail, N);
}

}  // namespace short_copy_detail

// Copies `text` to `to` and returns the end of the copy; reads and writes
// no byte outside the text and the copy. Always inline: its few moves cost
// less than a call.
[[gnu::always_inline]] inline char* CopyText(char* to, std::string_view text) {
    using short_copy_detail::CopyTwoBlocks;
    const char* from = text.data();
    const std::size_t n = text.size();
    if (n > 32) {
        std::memcpy(to, from, n);
    } else if (n > 16) {
        CopyTwoBlocks<16>(to, from, n);
    } else if (n >= 8) {
        CopyTwoBlocks<8>(to, from, n);
    } else if (n >= 4) {
        CopyTwoBlocks<4>(to, from, n);
    } else if (n > 0) {
        to[0] = from[0];
        to[n / 2] = from[n / 2];
        to[n - 1] = from[n - 1];
    }
    return to + n;
}

// Sixteen bytes that start with a text of at most 16, held by value: a row
// built from several is written without reading any of them again after a
// store, which a store through a char pointer would otherwise force.
struct TextBlock {
    char bytes[16];
    std::size_t size;
};
static_assert(sizeof TextBlock::bytes <= kReadableAfterText, "a short text's block stays in its readable bytes");

// The block at `from`, which must have 16 readable bytes, as a short text has.
inline TextBlock BlockAt(const char* from, std::size_t size) {
    TextBlock block;
    std::memcpy(block.bytes, from, 16);
    block.size = size;
    return block;
}

// Writes all 16 bytes at `to` and returns the end of the text.
inline char* PutBlock(char* to, const TextBlock& block) {
    std::memcpy(to, block.bytes, 16);
    return to + block.size;
}

}  // namespace brisel
