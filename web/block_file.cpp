#include "web/block_file.h"

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace brisel::web {

bool BlockFile::Append(const char* data, std::size_t size) {
    while (size > 0) {
        const std::size_t used = size_ % kBlockSize;
        if (used == 0 && size_ / kBlockSize == blocks_.size()) {
            Block block(static_cast<char*>(std::malloc(kBlockSize)));
            if (!block) return false;
            blocks_.push_back(std::move(block));
        }
        const std::size_t n = std::min(size, kBlockSize - used);
        std::memcpy(blocks_[size_ / kBlockSize].get() + used, data, n);
        data += n;
        size -= n;
        size_ += n;
    }
    return true;
}

bool BlockFile::Append(const char* data, std::size_t size, std::string& error) {
    if (Append(data, size)) return true;
    error = std::strerror(ENOMEM);
    return false;
}

bool BlockFile::ReadAt(std::size_t offset, char* data, std::size_t size, std::size_t& read, std::string&) const {
    read = ReadAt(offset, data, size);
    return true;
}

std::size_t BlockFile::ReadAt(std::size_t offset, char* data, std::size_t size) const {
    std::size_t done = 0;
    while (done < size && offset < size_) {
        const char* block = blocks_[offset / kBlockSize].get();
        if (block == nullptr) break;
        const std::size_t at = offset % kBlockSize;
        const std::size_t n = std::min({size - done, kBlockSize - at, size_ - offset});
        std::memcpy(data + done, block + at, n);
        done += n;
        offset += n;
    }
    return done;
}

void BlockFile::Release(std::size_t offset) {
    const std::size_t whole = std::min(offset, size_) / kBlockSize;
    for (; released_ < whole; ++released_) blocks_[released_].reset();
}

void BlockFile::Clear() {
    blocks_.clear();
    size_ = 0;
    released_ = 0;
}

std::vector<std::string_view> BlockFile::Blocks() const {
    std::vector<std::string_view> views;
    for (std::size_t offset = released_ * kBlockSize; offset < size_; offset += kBlockSize) {
        views.emplace_back(blocks_[offset / kBlockSize].get(), std::min(kBlockSize, size_ - offset));
    }
    return views;
}

}  // namespace brisel::web
