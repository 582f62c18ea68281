#pragma once
// Where the conversion's bytes come from and go to: files in the program,
// strings in tests. Both report failure once and stay failed.

#include <cstddef>
#include <string>

#include "file_system/file_reason.h"

namespace brisel {

class ByteSource {
public:
    virtual ~ByteSource() = default;
    // Reads up to `size` bytes; returns 0 at the end or on failure.
    virtual std::size_t Read(char* data, std::size_t size) = 0;
    virtual bool Failed() const = 0;
    // Why it failed; nothing (FileReason::Code::None) while it has not.
    virtual FileReason Error() const = 0;
};

class ByteSink {
public:
    virtual ~ByteSink() = default;
    // Writes all `size` bytes or fails.
    virtual bool Write(const char* data, std::size_t size) = 0;
    // Hands what was written on to its destination.
    virtual bool Flush() { return !Failed(); }
    virtual bool Failed() const = 0;
    virtual FileReason Error() const = 0;
};

// In-memory ends, for tests and for callers that convert text.
class StringSource : public ByteSource {
public:
    explicit StringSource(std::string text) : text_(std::move(text)) {}
    std::size_t Read(char* data, std::size_t size) override;
    bool Failed() const override { return false; }
    FileReason Error() const override { return {}; }

private:
    std::string text_;
    std::size_t pos_ = 0;
};

class StringSink : public ByteSink {
public:
    bool Write(const char* data, std::size_t size) override {
        text_.append(data, size);
        return true;
    }
    bool Failed() const override { return false; }
    FileReason Error() const override { return {}; }
    const std::string& Text() const { return text_; }

private:
    std::string text_;
};

}  // namespace brisel
