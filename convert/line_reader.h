#pragma once
// Splits a byte stream into lines. CR, CR LF and a lone LF each end a line
// and are not part of it; a last line without a line end is still a line.
// A stream that this program wrote, whose lines all end with CR LF, is read
// with less work: only an LF ends a line there, with the CR before it.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "convert/readable_bytes.h"
#include "file_system/byte_stream.h"

namespace brisel {

enum class LineEnds {
    Any,   // CR, CR LF or a lone LF
    CrLf,  // an LF, with the CR right before it if there is one; a lone CR is text
};

template <LineEnds kEnds>
class BasicLineReader {
public:
    // Every line is followed in memory by kAfterLine, in the place of its
    // line end, and then by more readable bytes of no particular value, this
    // many in all: a scanner may read whole blocks that run past the line's
    // end, and a space there ends the line's last word as the line end would.
    static constexpr std::size_t kReadableAfterLine = kReadableAfterText;
    static constexpr char kAfterLine = ' ';

    explicit BasicLineReader(ByteSource& source, std::size_t bufferSize = 1 << 18);

    // The next line, valid until the next call. False at the end of the
    // stream or when reading failed (see Failed). Always inline for a line
    // that ends inside the buffer: left to itself, the compiler keeps the
    // joining pass's copy out of line.
    [[gnu::always_inline]] bool Next(std::string_view& line) {
        if (NextInBuffer(line)) return true;
        // The slow path hands its line over in a member, so that the
        // caller's line never has an address and stays in registers.
        if (!NextSlowly()) return false;
        line = slowLine_;
        return true;
    }
    // The next line when it ends inside the buffer; then the line before it
    // stays where it is, valid until the next call. False, with nothing
    // read, when Next has more to do.
    [[gnu::always_inline]] bool NextInBuffer(std::string_view& line) {
        const std::size_t begin = pos_;
        const std::size_t stop = LineEndFrom(begin);
        // The line runs on into the next buffer, or none is left (also after
        // a CR at the end of the buffer).
        if (stop == end_) return false;
        const char* data = buffer_.data();  // loaded once: PassLineEnd's store may alias it
        line = std::string_view(data + begin, PassLineEnd(stop) - begin);
        return true;
    }

    bool Failed() const { return source_.Failed(); }

private:
    // The bytes that marking reads past those read: whole blocks of 64.
    static constexpr std::size_t kPadding = 64;
    static_assert(kReadableAfterLine <= kPadding);

    bool NextSlowly();
    // Moves past the line end at `stop`, the CR or LF found there, and an LF
    // right after a CR, which belongs to the same line end; then puts
    // kAfterLine in its place. Returns where the line ends.
    std::size_t PassLineEnd(std::size_t stop) {
        if constexpr (kEnds == LineEnds::CrLf) {
            return PassLineFeed(stop);
        }
        pos_ = stop + 1;
        if (buffer_[stop] == '\r') {
            if (pos_ == end_) {
                afterCarriageReturn_ = true;  // the LF may start the next buffer
            } else if (buffer_[pos_] == '\n') {
                ++pos_;
            }
        }
        buffer_[stop] = kAfterLine;
        return stop;
    }
    // The same for the LF at `stop` and a CR right before it. The byte
    // before `stop` must be in the buffer; before a line's first byte it is
    // the line end before, which is no CR.
    std::size_t PassLineFeed(std::size_t stop) {
        pos_ = stop + 1;
        const std::size_t lineEnd = stop - (buffer_[stop - 1] == '\r');
        buffer_[lineEnd] = kAfterLine;
        return lineEnd;
    }
    void PassCarriedLineEnd(std::size_t stop);
    bool Fill();
    void MarkLineEnds();
    std::string_view CarriedLine();
    void SkipLineFeedAfterCarriageReturn();
    // Where the first CR or LF at or after `at` (up to end_) stands, or
    // end_: the mark at end_ stops the search.
    std::size_t LineEndFrom(std::size_t at) const {
        std::size_t word = at / 64;
        std::uint64_t ends = lineEnds_[word] >> (at % 64);
        std::size_t base = at;
        while (ends == 0) {
            ends = lineEnds_[++word];
            base = 64 * word;
        }
        return base + static_cast<unsigned>(__builtin_ctzll(ends));
    }

    ByteSource& source_;
    std::vector<char> buffer_;  // the bytes read, then kPadding more
    // Bit i % 64 of word i / 64 is set when buffer_[i] ends a line, for
    // the bytes read, and for end_, where the bytes read end: marked once
    // for each buffer, so that each line's end is found with a look at a
    // word or two, and the search needs no test of its own for the end.
    std::vector<std::uint64_t> lineEnds_;
    std::size_t pos_ = 0;
    std::size_t end_ = 0;
    bool atEnd_ = false;
    // A CR ended the buffer: an LF may follow in the next. Only the last
    // byte read can be such a CR, so that pos_ == end_ while it is set.
    bool afterCarriageReturn_ = false;
    std::string carry_;          // a line that runs over the end of the buffer, then its padding
    std::string_view slowLine_;  // the line NextSlowly read
};

using LineReader = BasicLineReader<LineEnds::Any>;
// The reader of the joined copy, which the joining pass writes with CR LF.
using CrLfLineReader = BasicLineReader<LineEnds::CrLf>;

}  // namespace brisel
