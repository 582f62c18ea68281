#include "convert/line_reader.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace brisel {

LineReader::LineReader(ByteSource& source, std::size_t bufferSize)
    : source_(source), buffer_(bufferSize + kPadding), lineEnds_(bufferSize / 64 + 1) {}

bool LineReader::Fill() {
    if (atEnd_) return false;
    pos_ = 0;
    end_ = source_.Read(buffer_.data(), buffer_.size() - kPadding);
    if (end_ == 0) atEnd_ = true;
    MarkLineEnds();
    return end_ > 0;
}

void LineReader::MarkLineEnds() {
    markedWords_ = (end_ + 63) / 64;
    const char* data = buffer_.data();
    std::uint64_t* marks = lineEnds_.data();
    for (std::size_t w = 0, words = markedWords_; w < words; ++w) {
        const char* block = data + 64 * w;
        std::uint64_t ends = 0;
#if defined(__SSE2__)
        const __m128i lineFeed = _mm_set1_epi8('\n'), carriageReturn = _mm_set1_epi8('\r');
        for (int part = 0; part < 4; ++part) {
            const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(block + 16 * part));
            const auto found = static_cast<unsigned>(_mm_movemask_epi8(  // 16 bits
                _mm_or_si128(_mm_cmpeq_epi8(bytes, lineFeed), _mm_cmpeq_epi8(bytes, carriageReturn))));
            ends |= std::uint64_t{found} << (16 * part);
        }
#else
        for (int i = 0; i < 64; ++i) {
            ends |= std::uint64_t{block[i] == '\n' || block[i] == '\r'} << i;
        }
#endif
        marks[w] = ends;
    }
    if (end_ % 64 != 0) lineEnds_[end_ / 64] &= (std::uint64_t{1} << (end_ % 64)) - 1;  // not the bytes after
}

void LineReader::SkipLineFeedAfterCarriageReturn() {
    if (!afterCarriageReturn_) return;
    afterCarriageReturn_ = false;
    if (pos_ == end_ && !Fill()) return;
    if (buffer_[pos_] == '\n') ++pos_;
}

std::string_view LineReader::CarriedLine() {
    const std::size_t size = carry_.size();
    carry_.append(kReadableAfterLine, kAfterLine);
    return std::string_view(carry_.data(), size);
}

bool LineReader::NextSlowly(std::string_view& line) {
    SkipLineFeedAfterCarriageReturn();
    bool carrying = false;
    for (;;) {
        if (pos_ == end_ && !Fill()) {
            if (!carrying || Failed()) return false;
            line = CarriedLine();
            return true;
        }
        const char* begin = buffer_.data() + pos_;
        const char* end = buffer_.data() + end_;
        const char* stop = buffer_.data() + LineEndFrom(pos_);
        if (stop == end) {
            if (!carrying) carry_.clear();
            carry_.append(begin, stop);
            carrying = true;
            pos_ = end_;
            continue;
        }
        PassLineEnd(static_cast<std::size_t>(stop - buffer_.data()));
        if (carrying) {
            carry_.append(begin, stop);
            line = CarriedLine();
        } else {
            line = std::string_view(begin, static_cast<std::size_t>(stop - begin));
        }
        return true;
    }
}

}  // namespace brisel
