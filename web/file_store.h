#pragma once
// Where a file of the page keeps its bytes: the browser's storage for the
// page, or the worker's memory. Written at its end, read from anywhere.

#include <cstddef>
#include <string>

namespace brisel::web {

class FileStore {
public:
    virtual ~FileStore() = default;
    // Appends the bytes; false with the reason when they could not all be kept.
    virtual bool Append(const char* data, std::size_t size, std::string& error) = 0;
    // Copies up to `size` bytes from `offset`, fewer at the end; false with the
    // reason when they could not be read.
    virtual bool ReadAt(std::size_t offset, char* data, std::size_t size, std::size_t& read,
                        std::string& error) const = 0;
    virtual std::size_t Size() const = 0;
    virtual void Clear() = 0;
    // Bytes before `offset` will not be read again: a store may let them go.
    virtual void Release(std::size_t) {}
    // Whether any bytes were let go, so that the file cannot be read whole.
    virtual bool PartlyReleased() const { return false; }
    // Whether the store keeps its bytes in the worker's memory, and how many.
    virtual bool InWorkerMemory() const { return false; }
    virtual std::size_t HeldBytes() const { return 0; }
};

}  // namespace brisel::web
