#pragma once
// Splits a byte stream into lines. CR, CR LF and a lone LF each end a line
// and are not part of it; a last line without a line end is still a line.

#include <string>
#include <string_view>
#include <vector>

#include "convert/byte_stream.h"

namespace brisel {

class LineReader {
public:
    explicit LineReader(ByteSource& source, std::size_t bufferSize = 1 << 18);

    // The next line, valid until the next call. False at the end of the
    // stream or when reading failed (see Failed).
    bool Next(std::string_view& line);

    bool Failed() const { return source_.Failed(); }

private:
    bool Fill();
    void SkipLineFeedAfterCarriageReturn();
    const char* FindLineEnd(const char* from, const char* end) const;

    ByteSource& source_;
    std::vector<char> buffer_;
    std::size_t pos_ = 0;
    std::size_t end_ = 0;
    bool atEnd_ = false;
    bool afterCarriageReturn_ = false;  // a CR ended the buffer: an LF may follow in the next
    std::string carry_;                 // a line that runs over the end of the buffer
};

}  // namespace brisel
