#pragma once
// A file's bytes in the page's memory, in blocks of one size: it grows a
// block at a time and never moves what it holds, so that writing a file of
// any size copies each byte once and asks for no more memory than the file
// needs. Blocks already read can be let go, and their memory serves the
// next blocks that any file asks for.

#include <cstddef>
#include <cstdlib>
#include <memory>
#include <string_view>
#include <vector>

#include "web/file_store.h"

namespace brisel::web {

class BlockFile : public FileStore {
public:
    static constexpr std::size_t kBlockSize = std::size_t{1} << 20;

    // Appends the bytes; false when memory for a new block cannot be had,
    // with the bytes that fitted appended.
    bool Append(const char* data, std::size_t size);
    // Copies up to `size` bytes from `offset`, fewer at the end.
    std::size_t ReadAt(std::size_t offset, char* data, std::size_t size) const;

    bool Append(const char* data, std::size_t size, std::string& error) override;
    bool ReadAt(std::size_t offset, char* data, std::size_t size, std::size_t& read, std::string& error) const override;
    // Lets go of the whole blocks before `offset`.
    void Release(std::size_t offset) override;
    bool PartlyReleased() const override { return released_ > 0; }
    std::size_t Size() const override { return size_; }
    bool InWorkerMemory() const override { return true; }
    // The bytes not let go.
    std::size_t HeldBytes() const override { return size_ - released_ * kBlockSize; }
    void Clear() override;

    // The bytes not let go, in order, one view for each block.
    std::vector<std::string_view> Blocks() const;

private:
    struct Free {
        void operator()(char* block) const { std::free(block); }
    };
    using Block = std::unique_ptr<char[], Free>;

    std::vector<Block> blocks_;
    std::size_t size_ = 0;
    std::size_t released_ = 0;  // blocks let go, from the first on
};

}  // namespace brisel::web
