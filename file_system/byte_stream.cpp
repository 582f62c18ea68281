#include "file_system/byte_stream.h"

#include <algorithm>
#include <cstring>

namespace brisel {

std::size_t StringSource::Read(char* data, std::size_t size) {
    const std::size_t n = std::min(size, text_.size() - pos_);
    std::memcpy(data, text_.data() + pos_, n);
    pos_ += n;
    return n;
}

}  // namespace brisel
