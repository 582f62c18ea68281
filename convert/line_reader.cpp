#include "convert/line_reader.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace brisel {

template <LineEnds kEnds>
BasicLineReader<kEnds>::BasicLineReader(ByteSource& source, std::size_t bufferSize)
    : source_(source), buffer_(bufferSize + kPadding), lineEnds_(bufferSize / 64 + 1) {
    lineEnds_[0] = 1;  // end_, before anything is read
}

template <LineEnds kEnds>
bool BasicLineReader<kEnds>::Fill() {
    if (atEnd_) return false;
    pos_ = 0;
    end_ = source_.Read(buffer_.data(), buffer_.size() - kPadding);
    if (end_ == 0) atEnd_ = true;
    MarkLineEnds();
    return end_ > 0;
}

template <LineEnds kEnds>
void BasicLineReader<kEnds>::MarkLineEnds() {
    const char* data = buffer_.data();
    std::uint64_t* marks = lineEnds_.data();
    constexpr bool kMarksCarriageReturn = kEnds == LineEnds::Any;
    for (std::size_t w = 0, words = (end_ + 63) / 64; w < words; ++w) {
        const char* block = data + 64 * w;
        std::uint64_t ends = 0;
#if defined(__SSE2__)
        const __m128i lineFeed = _mm_set1_epi8('\n'),
                      carriageReturn = _mm_set1_epi8(kMarksCarriageReturn ? '\r' : '\n');
        for (int part = 0; part < 4; ++part) {
            const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(block + 16 * part));
            __m128i found = _mm_cmpeq_epi8(bytes, lineFeed);
            if constexpr (kMarksCarriageReturn) found = _mm_or_si128(found, _mm_cmpeq_epi8(bytes, carriageReturn));
            ends |= std::uint64_t{static_cast<unsigned>(_mm_movemask_epi8(found))} << (16 * part);  // 16 bits
        }
#else
        for (int i = 0; i < 64; ++i) {
            ends |= std::uint64_t{block[i] == '\n' || (kMarksCarriageReturn && block[i] == '\r')} << i;
        }
#endif
        marks[w] = ends;
    }
    // end_ itself, which stops every search before the marks past it: those
    // of the bytes after the ones read, and those left by a longer read.
    marks[end_ / 64] |= std::uint64_t{1} << (end_ % 64);
}

template <LineEnds kEnds>
void BasicLineReader<kEnds>::SkipLineFeedAfterCarriageReturn() {
    if (!afterCarriageReturn_) return;
    afterCarriageReturn_ = false;
    if (pos_ == end_ && !Fill()) return;
    if (buffer_[pos_] == '\n') ++pos_;
}

template <LineEnds kEnds>
std::string_view BasicLineReader<kEnds>::CarriedLine() {
    const std::size_t size = carry_.size();
    carry_.append(kReadableAfterLine, kAfterLine);
    return std::string_view(carry_.data(), size);
}

template <LineEnds kEnds>
bool BasicLineReader<kEnds>::NextSlowly() {
    std::string_view& line = slowLine_;
    SkipLineFeedAfterCarriageReturn();
    bool carrying = false;
    for (;;) {
        if (pos_ == end_ && !Fill()) {
            if (!carrying || Failed()) return false;
            line = CarriedLine();
            return true;
        }
        const std::size_t begin = pos_;
        const std::size_t stop = LineEndFrom(begin);
        if (stop == end_) {
            if (!carrying) carry_.clear();
            carry_.append(buffer_.data() + begin, stop - begin);
            carrying = true;
            pos_ = end_;
            continue;
        }
        if (carrying) {
            carry_.append(buffer_.data() + begin, stop - begin);
            PassCarriedLineEnd(stop);
            line = CarriedLine();
        } else if (kEnds == LineEnds::CrLf && stop == begin) {  // an empty line, maybe the buffer's first
            pos_ = stop + 1;
            buffer_[stop] = kAfterLine;
            line = std::string_view(buffer_.data() + begin, 0);
        } else {
            line = std::string_view(buffer_.data() + begin, PassLineEnd(stop) - begin);
        }
        return true;
    }
}

// The line end of a carried line, at `stop`: the carried bytes lose a CR
// before an LF that ends them.
template <LineEnds kEnds>
void BasicLineReader<kEnds>::PassCarriedLineEnd(std::size_t stop) {
    if constexpr (kEnds == LineEnds::CrLf) {
        pos_ = stop + 1;
        if (!carry_.empty() && carry_.back() == '\r') carry_.pop_back();
    } else {
        PassLineEnd(stop);
    }
}

template class BasicLineReader<LineEnds::Any>;
template class BasicLineReader<LineEnds::CrLf>;

}  // namespace brisel
