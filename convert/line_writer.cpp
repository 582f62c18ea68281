#include "convert/line_writer.h"

#include <charconv>
#include <cstring>

namespace brisel {

LineWriter::LineWriter(ByteSink& sink, std::size_t bufferSize)
    : sink_(sink), buffer_(bufferSize) {}

LineWriter::~LineWriter() { Flush(); }

void LineWriter::Drain() {
    if (used_ > 0 && !sink_.Failed()) sink_.Write(buffer_.data(), used_);
    used_ = 0;
}

void LineWriter::Write(std::string_view text) {
    if (text.size() > buffer_.size() - used_) {
        Drain();
        if (text.size() > buffer_.size()) {
            if (!sink_.Failed()) sink_.Write(text.data(), text.size());
            return;
        }
    }
    std::memcpy(buffer_.data() + used_, text.data(), text.size());
    used_ += text.size();
}

void LineWriter::WriteChar(char c) {
    if (used_ == buffer_.size()) Drain();
    buffer_[used_++] = c;
}

void LineWriter::WriteNumber(std::int64_t value) {
    char digits[24];
    const auto result = std::to_chars(digits, digits + sizeof digits, value);
    Write(std::string_view(digits, static_cast<std::size_t>(result.ptr - digits)));
}

bool LineWriter::Flush() {
    Drain();
    return !sink_.Failed();
}

}  // namespace brisel
