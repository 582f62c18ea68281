#pragma once
// Buffered writing of lines, each ended with CR LF. A failure of the sink is
// kept; later writes do nothing, and Flush reports it.

#include <cstdint>
#include <cstring>
#include <string_view>
#include <vector>

#include "convert/short_copy.h"
#include "file_system/byte_stream.h"

namespace brisel {

class LineWriter {
public:
    explicit LineWriter(ByteSink& sink, std::size_t bufferSize = 1 << 18);
    ~LineWriter();
    LineWriter(const LineWriter&) = delete;
    LineWriter& operator=(const LineWriter&) = delete;

    // Always inline: the joining pass writes every source line through it.
    [[gnu::always_inline]] void Write(std::string_view text) {
        if (text.empty()) return;  // an empty view may hold no pointer at all
        if (text.size() <= Left()) {
            next_ = CopyText(next_, text);
        } else {
            WriteLong(text);
        }
    }
    void WriteChar(char c) {
        if (next_ == limit_) Drain();
        *next_++ = c;
    }
    void EndLine() {
        if (Left() < 2) Drain();
        std::memcpy(next_, "\r\n", 2);
        next_ += 2;
    }
    // Room for `size` bytes at the end of the buffer, to be filled at once
    // and committed with Commit; nullptr when they do not fit.
    char* Room(std::size_t size) {
        if (size <= Left()) [[likely]] {
            // Never null, as the buffer is never empty: told to the compiler, so
            // that the caller's test of the answer costs nothing here.
            if (next_ == nullptr) __builtin_unreachable();
            return next_;
        }
        return RoomAfterDrain(size);
    }
    void Commit(std::size_t size) { next_ += size; }
    // Takes back the last `size` bytes written and returns where they
    // stood: room for as many bytes again, to be committed. They must still
    // be in the buffer: committed after a Room for them, with nothing
    // written since.
    char* TakeBack(std::size_t size) { return next_ -= size; }
    // Always inline, as Write.
    [[gnu::always_inline]] void WriteLine(std::string_view text) {
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
    // Whether the sink has failed, as it answered after this writer's last
    // call to it: only the writer writes to its sink, so the answer holds
    // until the next call, and the loops that ask after every line make no
    // call of their own.
    bool Failed() const { return failed_; }

private:
    std::size_t Left() const { return static_cast<std::size_t>(limit_ - next_); }
    void Drain();
    char* RoomAfterDrain(std::size_t size);
    void WriteLong(std::string_view text);

    ByteSink& sink_;
    std::vector<char> buffer_;
    char* next_;   // where the next byte goes
    char* limit_;  // the buffer's end
    bool failed_;
};

}  // namespace brisel
