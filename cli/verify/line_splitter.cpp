#include "cli/verify/line_splitter.h"

namespace brisel::verify {

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
        const bool lf = bytes[0] == '\n';
        Emit(partial_, lf ? LineEnd::CrLf : LineEnd::Cr);
        partial_.clear();
        start = lf ? 1 : 0;
    }
    while (start < bytes.size()) {
        const std::size_t stop = bytes.find_first_of("\r\n", start);
        if (stop == std::string_view::npos) {
            partial_.append(bytes.substr(start));
            return;
        }
        start = TakeLine(bytes, start, stop);
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
