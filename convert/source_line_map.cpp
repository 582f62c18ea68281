#include "convert/source_line_map.h"

#include "convert/netlist_text.h"

namespace brisel {

SourceLineMap::SourceLineMap(const std::string& sourcePath) : reader_(file_) { file_.Open(sourcePath); }

bool SourceLineMap::ReadSource(std::string_view& line) {
    if (!reader_.Next(line)) return false;
    ++sourceLines_;
    return true;
}

std::int64_t SourceLineMap::SourceLine(std::int64_t joinedLine, std::size_t offset) {
    while (joined_ < joinedLine && !atEnd_) NextJoinedLine();
    if (!inConnection_) return plainLine_;
    while (offset >= collected_ && !connectionEnded_) ExtendConnection();
    return segmentLine_;
}

void SourceLineMap::NextJoinedLine() {
    if (inConnection_) {
        while (!connectionEnded_) ExtendConnection();
        inConnection_ = false;
        if (!havePending_) {
            atEnd_ = true;
            return;
        }
        havePending_ = false;
        plainLine_ = pendingLine_;
        plainOpensSignal_ = pendingOpensSignal_;
    } else if (plainOpensSignal_) {
        inConnection_ = true;
        connectionEnded_ = collectedAny_ = false;
        collected_ = 0;
        segmentLine_ = plainLine_ + 1;
    } else {
        std::string_view line;
        if (!ReadSource(line)) {
            atEnd_ = true;
            return;
        }
        plainLine_ = sourceLines_;
        plainOpensSignal_ = IsSignalHeader(line);
    }
    ++joined_;
}

// Reads one more reference line into the connection line, or finds its end.
void SourceLineMap::ExtendConnection() {
    std::string_view line;
    if (!ReadSource(line)) {
        connectionEnded_ = true;
        return;
    }
    if (!line.empty() && line.front() == '*') {
        connectionEnded_ = havePending_ = true;
        pendingLine_ = sourceLines_;
        pendingOpensSignal_ = IsSignalHeader(line);
        return;
    }
    if (collectedAny_) {
        collected_ += 1 + line.size();  // the joining space, then the line
        segmentLine_ = sourceLines_;
        return;
    }
    const auto first = line.find_first_not_of(' ');
    if (first == std::string_view::npos) return;
    collected_ = line.size() - first;
    collectedAny_ = true;
    segmentLine_ = sourceLines_;
}

}  // namespace brisel
