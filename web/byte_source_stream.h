#pragma once
// A byte source as an input stream, for readers that take one.

#include <istream>
#include <streambuf>
#include <vector>

#include "file_system/byte_stream.h"

namespace brisel::web {

class ByteSourceBuffer : public std::streambuf {
public:
    explicit ByteSourceBuffer(ByteSource& source) : source_(source), buffer_(1 << 20) {}

protected:
    int_type underflow() override {
        const std::size_t size = source_.Read(buffer_.data(), buffer_.size());
        if (size == 0) return traits_type::eof();
        setg(buffer_.data(), buffer_.data(), buffer_.data() + size);
        return traits_type::to_int_type(*gptr());
    }

private:
    ByteSource& source_;
    std::vector<char> buffer_;
};

// Ends where the source fails; ask the source whether it did.
class ByteSourceStream : public std::istream {
public:
    explicit ByteSourceStream(ByteSource& source) : std::istream(nullptr), buffer_(source) { rdbuf(&buffer_); }

private:
    ByteSourceBuffer buffer_;
};

}  // namespace brisel::web
