#include "convert/line_writer.h"

#include <algorithm>

namespace brisel {

LineWriter::LineWriter(ByteSink& sink, std::size_t bufferSize)
    : sink_(sink), buffer_(std::max<std::size_t>(bufferSize, 64)) {}

LineWriter::~LineWriter() { Flush(); }

void LineWriter::Drain() {
    if (used_ > 0 && !sink_.Failed()) sink_.Write(buffer_.data(), used_);
    used_ = 0;
}

// Text that does not fit into what is left of the buffer. Text as long as
// the buffer goes straight to the sink, without a copy.
void LineWriter::WriteLong(std::string_view text) {
    Drain();
    if (text.size() >= buffer_.size()) {
        if (!sink_.Failed()) sink_.Write(text.data(), text.size());
        return;
    }
    std::memcpy(buffer_.data(), text.data(), text.size());
    used_ = text.size();
}

bool LineWriter::Flush() {
    Drain();
    return !sink_.Failed() && sink_.Flush();
}

}  // namespace brisel
