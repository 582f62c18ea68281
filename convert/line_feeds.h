#pragma once
// Counting the rows of a block of text.

#include <cstddef>
#include <cstdint>

namespace brisel {

// The line feeds in `size` bytes at `data`.
std::int64_t CountLineFeeds(const char* data, std::size_t size);

}  // namespace brisel
