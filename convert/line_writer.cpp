#include "convert/line_writer.h"

#include <algorithm>

namespace brisel {

LineWriter::LineWriter(ByteSink& sink, std::size_t bufferSize)
    : sink_(sink),
      buffer_(std::max<std::size_t>(bufferSize, 64)),
      next_(buffer_.data()),
      limit_(buffer_.data() + buffer_.size()),
      failed_(sink.Failed()) {}

LineWriter::~LineWriter() { Flush(); }

void LineWriter::Drain() {
    const auto used = static_cast<std::size_t>(next_ - buffer_.data());
    if (used > 0 && !sink_.Failed()) sink_.Write(buffer_.data(), used);
    failed_ = sink_.Failed();
    next_ = buffer_.data();
}

char* LineWriter::RoomAfterDrain(std::size_t size) {
    Drain();
    return size <= Left() ? next_ : nullptr;
}

// Text that does not fit into what is left of the buffer. Text as long as
// the buffer goes straight to the sink, without a copy.
void LineWriter::WriteLong(std::string_view text) {
    Drain();
    if (text.size() >= buffer_.size()) {
        if (!sink_.Failed()) sink_.Write(text.data(), text.size());
        failed_ = sink_.Failed();
        return;
    }
    std::memcpy(buffer_.data(), text.data(), text.size());
    next_ = buffer_.data() + text.size();
}

bool LineWriter::Flush() {
    Drain();
    const bool flushed = !sink_.Failed() && sink_.Flush();
    failed_ = sink_.Failed();
    return flushed;
}

}  // namespace brisel
