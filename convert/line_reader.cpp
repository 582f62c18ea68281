#include "convert/line_reader.h"

namespace brisel {

namespace {

// The first CR or LF in [begin, end), or end.
const char* FindLineEnd(const char* begin, const char* end) {
    for (const char* p = begin; p != end; ++p) {
        if (static_cast<unsigned char>(*p) <= '\r' && (*p == '\n' || *p == '\r')) return p;
    }
    return end;
}

}  // namespace

LineReader::LineReader(ByteSource& source, std::size_t bufferSize)
    : source_(source), buffer_(bufferSize) {}

bool LineReader::Fill() {
    if (atEnd_) return false;
    pos_ = 0;
    end_ = source_.Read(buffer_.data(), buffer_.size());
    if (end_ == 0) atEnd_ = true;
    return end_ > 0;
}

void LineReader::SkipLineFeedAfterCarriageReturn() {
    if (!afterCarriageReturn_) return;
    afterCarriageReturn_ = false;
    if (pos_ == end_ && !Fill()) return;
    if (buffer_[pos_] == '\n') ++pos_;
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
        const char* stop = FindLineEnd(begin, buffer_.data() + end_);
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
