#pragma once
// Collects generated lines in a large block and hands it to the stream only
// when the block is full, so a million short lines cost a few writes.

#include <cstdint>
#include <ostream>
#include <string>
#include <string_view>

namespace brisel::bench {

class LineSink {
public:
    LineSink(std::ostream& out, bool crLf);
    ~LineSink();
    LineSink(const LineSink&) = delete;
    LineSink& operator=(const LineSink&) = delete;

    // Appends text to the current line.
    void Append(std::string_view text);
    void Append(std::uint64_t number);
    // Ends the current line.
    void EndLine();
    // Hands everything collected to the stream.
    void Flush();

    std::uint64_t Lines() const { return lines_; }

private:
    std::ostream& out_;
    std::string_view lineEnd_;
    std::string block_;
    std::uint64_t lines_ = 0;
};

}  // namespace brisel::bench
