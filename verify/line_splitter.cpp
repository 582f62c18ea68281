#include "verify/line_splitter.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace brisel::verify {
namespace {

// The first CR or LF from `from` on, or nullptr; sixteen bytes a step where
// SSE2 is there, as the rows of a target are short and many.
const char* FindLineEnd(const char* from, const char* end) {
#if defined(__SSE2__)
    const __m128i lineFeed = _mm_set1_epi8('\n');
    const __m128i carriageReturn = _mm_set1_epi8('\r');
    for (; end - from >= 16; from += 16) {
        const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(from));
        const auto ends = static_cast<unsigned>(
            _mm_movemask_epi8(_mm_or_si128(_mm_cmpeq_epi8(bytes, lineFeed), _mm_cmpeq_epi8(bytes, carriageReturn))));
        if (ends != 0) return from + __builtin_ctz(ends);
    }
#endif
    for (; from < end; ++from) {
        if (*from == '\n' || *from == '\r') return from;
    }
    return nullptr;
}

}  // namespace

void LineSplitter::Emit(std::string_view line, LineEnd end) { handler_.OnLine(line, end, ++lines_); }

std::size_t LineSplitter::TakeLine(std::string_view bytes, std::size_t start, std::size_t end) {
    const std::string_view piece = bytes.substr(start, end - start);
    std::string_view line = piece;
    if (!partial_.empty()) {
        partial_.append(piece);
        line = partial_;
    }
    if (bytes[end] == '\n') {
        Emit(line, LineEnd::Lf);
    } else if (end + 1 == bytes.size()) {
        crPending_ = true;  // the line is told once the next byte shows its end
        if (partial_.empty()) partial_.assign(piece);
        return end + 1;
    } else if (bytes[end + 1] == '\n') {
        Emit(line, LineEnd::CrLf);
        ++end;
    } else {
        Emit(line, LineEnd::Cr);
    }
    partial_.clear();
    return end + 1;
}

void LineSplitter::Feed(std::string_view bytes) {
    std::size_t start = 0;
    if (crPending_ && !bytes.empty()) {
        crPending_ = false;
        const bool crLf = bytes[0] == '\n';
        Emit(partial_, crLf ? LineEnd::CrLf : LineEnd::Cr);
        partial_.clear();
        start = crLf ? 1 : 0;
    }
    const char* end = bytes.data() + bytes.size();
    while (start < bytes.size()) {
        const char* from = bytes.data() + start;
        const char* stop = FindLineEnd(from, end);
        if (stop == nullptr) {
            partial_.append(from, end);
            return;
        }
        start = TakeLine(bytes, start, static_cast<std::size_t>(stop - bytes.data()));
    }
}

void LineSplitter::Finish() {
    if (crPending_) {
        crPending_ = false;
        Emit(partial_, LineEnd::Cr);
    } else if (!partial_.empty()) {
        Emit(partial_, LineEnd::None);
    }
    partial_.clear();
}

}  // namespace brisel::verify
