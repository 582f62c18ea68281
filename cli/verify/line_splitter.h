#pragma once
// Splits a byte stream into lines. CR, CR LF and a lone LF each end a line;
// a last line without a line end is still a line.

#include <cstdint>
#include <istream>
#include <string>

namespace brisel::verify {

enum class LineEnd { None, Cr, CrLf, Lf };

class LineSplitter {
public:
    explicit LineSplitter(std::istream& in) : in_(in) {}

    // Reads the next line without its line end. Returns false at the end of
    // the stream.
    bool Next(std::string& line, LineEnd& end);

    // Number of the line last read, counted from 1.
    std::int64_t LineNumber() const { return lineNumber_; }

private:
    std::istream& in_;
    std::int64_t lineNumber_ = 0;
};

}  // namespace brisel::verify
