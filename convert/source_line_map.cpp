#include "convert/source_line_map.h"

namespace brisel {

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
        connectionEnded_ = false;
        collected_ = 0;
        segmentLine_ = plainLine_ + 1;
    } else {
        std::string_view line;
        if (!ReadSource(line)) {
            atEnd_ = true;
            return;
        }
        rule_.Next(line);
        plainLine_ = sourceLines_;
        plainOpensSignal_ = rule_.Collecting();
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
    const JoinRule::Step step = rule_.Next(line);
    if (step.closesCollected) {
        connectionEnded_ = havePending_ = true;
        pendingLine_ = sourceLines_;
        pendingOpensSignal_ = rule_.Collecting();
        return;
    }
    if (!step.joiningSpace && step.piece.empty()) return;
    collected_ += (step.joiningSpace ? 1 : 0) + step.piece.size();
    segmentLine_ = sourceLines_;
}

}  // namespace brisel
