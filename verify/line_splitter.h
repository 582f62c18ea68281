#pragma once
// Splits bytes, fed in blocks of any size, into lines. CR, CR LF and a lone
// LF each end a line; a last line without a line end is still a line.

#include <cstdint>
#include <string>
#include <string_view>

namespace brisel::verify {

enum class LineEnd { None, Cr, CrLf, Lf };

class LineHandler {
public:
    virtual ~LineHandler() = default;
    // `number` counts lines from 1.
    virtual void OnLine(std::string_view line, LineEnd end, std::int64_t number) = 0;
};

class LineSplitter {
public:
    explicit LineSplitter(LineHandler& handler) : handler_(handler) {}

    void Feed(std::string_view bytes);
    // The end of the bytes: hands on the last line if it has no line end.
    void Finish();

    std::int64_t Lines() const { return lines_; }

private:
    void Emit(std::string_view line, LineEnd end);
    // Takes the line that ends at `end` within `bytes`; returns where the next starts.
    std::size_t TakeLine(std::string_view bytes, std::size_t start, std::size_t end);

    LineHandler& handler_;
    std::string partial_;     // the start of a line that the next block ends
    bool crPending_ = false;  // a CR ended the last block: an LF may follow
    std::int64_t lines_ = 0;
};

}  // namespace brisel::verify
