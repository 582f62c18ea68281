#include "convert/line_reader.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace brisel {

LineReader::LineReader(ByteSource& source, std::size_t bufferSize) : source_(source), buffer_(bufferSize) {}

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

// The first CR or LF from `from`, or `end`: one pass for both, 16 bytes at
// a time where the processor allows.
const char* LineReader::FindLineEnd(const char* from, const char* end) const {
    const char* p = from;
#if defined(__SSE2__)
    const __m128i lineFeed = _mm_set1_epi8('\n'), carriageReturn = _mm_set1_epi8('\r');
    for (; end - p >= 16; p += 16) {
        const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
        const int ends =
            _mm_movemask_epi8(_mm_or_si128(_mm_cmpeq_epi8(bytes, lineFeed), _mm_cmpeq_epi8(bytes, carriageReturn)));
        if (ends != 0) return p + __builtin_ctz(static_cast<unsigned>(ends));
    }
#endif
    while (p != end && *p != '\n' && *p != '\r') ++p;
    return p;
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
        const char* end = buffer_.data() + end_;
        const char* stop = FindLineEnd(begin, end);
        if (stop == end) {
            if (!carrying) carry_.clear();
            carry_.append(begin, stop);
            carrying = true;
            pos_ = end_;
            continue;
        }
        pos_ = static_cast<std::size_t>(stop - buffer_.data()) + 1;
        if (*stop == '\r') {
            if (stop + 1 == end) {
                afterCarriageReturn_ = true;
            } else if (stop[1] == '\n') {
                ++pos_;
            }
        }
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
