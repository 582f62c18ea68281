#include "convert/line_reader.h"

#include <cstring>

namespace brisel {

namespace {

constexpr std::size_t kUnknown = static_cast<std::size_t>(-1);

std::size_t Find(const std::vector<char>& buffer, std::size_t from, std::size_t end, char c) {
    const void* found = std::memchr(buffer.data() + from, c, end - from);
    return found ? static_cast<std::size_t>(static_cast<const char*>(found) - buffer.data()) : end;
}

}  // namespace

LineReader::LineReader(ByteSource& source, std::size_t bufferSize) : source_(source), buffer_(bufferSize) {}

bool LineReader::Fill() {
    if (atEnd_) return false;
    pos_ = 0;
    end_ = source_.Read(buffer_.data(), buffer_.size());
    nextLineFeed_ = nextCarriageReturn_ = kUnknown;
    if (end_ == 0) atEnd_ = true;
    return end_ > 0;
}

void LineReader::SkipLineFeedAfterCarriageReturn() {
    if (!afterCarriageReturn_) return;
    afterCarriageReturn_ = false;
    if (pos_ == end_ && !Fill()) return;
    if (buffer_[pos_] == '\n') ++pos_;
}

// The first CR or LF at or after pos_, or end_.
std::size_t LineReader::FindLineEnd() {
    if (nextLineFeed_ == kUnknown || nextLineFeed_ < pos_) nextLineFeed_ = Find(buffer_, pos_, end_, '\n');
    if (nextCarriageReturn_ == kUnknown || nextCarriageReturn_ < pos_)
        nextCarriageReturn_ = Find(buffer_, pos_, end_, '\r');
    return std::min(nextLineFeed_, nextCarriageReturn_);
}

bool LineReader::Next(std::string_view& line) {
    SkipLineFeedAfterCarriageReturn();
    bool carrying = false;
    for (;;) {
        if (pos_ == end_ && !Fill()) {
            if (!carrying || Failed()) return false;
            line = carry_;
            return true;
        }
        const char* begin = buffer_.data() + pos_;
        const char* stop = buffer_.data() + FindLineEnd();
        if (stop == buffer_.data() + end_) {
            if (!carrying) carry_.clear();
            carry_.append(begin, stop);
            carrying = true;
            pos_ = end_;
            continue;
        }
        afterCarriageReturn_ = *stop == '\r';
        pos_ = static_cast<std::size_t>(stop - buffer_.data()) + 1;
        if (carrying) {
            carry_.append(begin, stop);
            line = carry_;
        } else {
            line = std::string_view(begin, static_cast<std::size_t>(stop - begin));
        }
        return true;
    }
}

}  // namespace brisel
