#include "cli/verify/line_splitter.h"

namespace brisel::verify {

bool LineSplitter::Next(std::string& line, LineEnd& end) {
    line.clear();
    std::streambuf* buffer = in_.rdbuf();
    constexpr auto eof = std::char_traits<char>::eof();
    for (;;) {
        const auto c = buffer->sbumpc();
        if (c == eof) {
            end = LineEnd::None;
            if (line.empty()) {
                return false;
            }
            break;
        }
        if (c == '\n') {
            end = LineEnd::Lf;
            break;
        }
        if (c == '\r') {
            end = LineEnd::Cr;
            if (buffer->sgetc() == '\n') {
                buffer->sbumpc();
                end = LineEnd::CrLf;
            }
            break;
        }
        line.push_back(static_cast<char>(c));
    }
    ++lineNumber_;
    return true;
}

}  // namespace brisel::verify
