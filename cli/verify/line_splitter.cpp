#include "cli/verify/line_splitter.h"

#include <cstring>

namespace brisel::verify {
namespace {

const char* Find(const char* from, const char* end, char c) {
    return static_cast<const char*>(std::memchr(from, c, static_cast<std::size_t>(end - from)));
}

}  // namespace

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
        const bool crLf = bytes[0] == '\n';
        Emit(partial_, crLf ? LineEnd::CrLf : LineEnd::Cr);
        partial_.clear();
        start = crLf ? 1 : 0;
    }
    // The next LF is found once and used until it is passed, so that a
    // block of CR line ends is not searched to its end for every line.
    const char* end = bytes.data() + bytes.size();
    const char* lf = nullptr;
    bool lfAhead = true;  // the block may hold another LF
    while (start < bytes.size()) {
        const char* from = bytes.data() + start;
        if (lfAhead && (lf == nullptr || lf < from)) {
            lf = Find(from, end, '\n');
            lfAhead = lf != nullptr;
        }
        const char* cr = Find(from, lf == nullptr ? end : lf, '\r');
        const char* stop = cr != nullptr ? cr : lf;
        if (stop == nullptr) {
            partial_.append(from, end);
            return;
        }
        start = TakeLine(bytes, start, static_cast<std::size_t>(stop - bytes.data()));
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
