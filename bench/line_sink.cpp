#include "bench/line_sink.h"

#include <charconv>

namespace brisel::bench {
namespace {

constexpr std::size_t BlockBytes = 1 << 20;

}  // namespace

LineSink::LineSink(std::ostream& out, bool crLf) : out_(out), lineEnd_(crLf ? "\r\n" : "\n") {
    block_.reserve(BlockBytes + 4096);
}

LineSink::~LineSink() { Flush(); }

void LineSink::Append(std::string_view text) { block_ += text; }

void LineSink::Append(std::uint64_t number) {
    char digits[24];
    const auto result = std::to_chars(digits, digits + sizeof digits, number);
    block_.append(digits, result.ptr);
}

void LineSink::EndLine() {
    block_ += lineEnd_;
    ++lines_;
    if (block_.size() >= BlockBytes) {
        Flush();
    }
}

void LineSink::Flush() {
    out_.write(block_.data(), static_cast<std::streamsize>(block_.size()));
    block_.clear();
}

}  // namespace brisel::bench
