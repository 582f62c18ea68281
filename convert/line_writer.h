#pragma once
// Buffered writing of lines, each ended with CR LF. A failure of the sink is
// kept; later writes do nothing, and Flush reports it.

#include <cstdint>
#include <string_view>
#include <vector>

#include "convert/byte_stream.h"

namespace brisel {

class LineWriter {
public:
    explicit LineWriter(ByteSink& sink, std::size_t bufferSize = 1 << 18);
    ~LineWriter();
    LineWriter(const LineWriter&) = delete;
    LineWriter& operator=(const LineWriter&) = delete;

    void Write(std::string_view text);
    void WriteChar(char c);
    void WriteNumber(std::int64_t value);
    void EndLine() { Write("\r\n"); }
    void WriteLine(std::string_view text) {
        Write(text);
        EndLine();
    }
    // Quoted field: the text between double quotes, unchanged.
    void WriteQuoted(std::string_view text) {
        WriteChar('"');
        Write(text);
        WriteChar('"');
    }

    bool Flush();
    bool Failed() const { return sink_.Failed(); }

private:
    void Drain();

    ByteSink& sink_;
    std::vector<char> buffer_;
    std::size_t used_ = 0;
};

}  // namespace brisel
