#include "convert/source_line_map.h"

namespace brisel {

namespace {

// A step is one byte of flags, then the piece's size in 7-bit groups when it
// has one.
constexpr unsigned char kCloses = 1, kJoiningSpace = 2, kCollectingAfter = 4, kSized = 8;

}  // namespace

// CR, CR LF and a lone LF each end a line, as the line reader takes them.
void SourceLineMap::Feed(std::string_view bytes) {
    if (afterCarriageReturn_ && !bytes.empty()) {
        afterCarriageReturn_ = false;
        if (bytes.front() == '\n') bytes.remove_prefix(1);
    }
    while (!bytes.empty()) {
        const std::size_t end = bytes.find_first_of("\r\n");
        if (end == std::string_view::npos) {
            partial_.append(bytes);
            return;
        }
        if (partial_.empty()) {
            OnLine(bytes.substr(0, end));
        } else {
            partial_.append(bytes.substr(0, end));
            OnLine(partial_);
            partial_.clear();
        }
        const bool carriageReturn = bytes[end] == '\r';
        bytes.remove_prefix(end + 1);
        if (carriageReturn && bytes.empty()) afterCarriageReturn_ = true;
        if (carriageReturn && !bytes.empty() && bytes.front() == '\n') bytes.remove_prefix(1);
    }
}

void SourceLineMap::Finish() {
    if (!partial_.empty()) OnLine(partial_);
    partial_.clear();
    partial_.shrink_to_fit();
}

void SourceLineMap::OnLine(std::string_view line) {
    const JoinRule::Step step = rule_.Next(line);
    Record(step, rule_.Collecting());
}

void SourceLineMap::Record(const JoinRule::Step& step, bool collectingAfter) {
    const std::size_t size = step.collected ? step.piece.size() : 0;
    steps_.push_back(static_cast<unsigned char>((step.closesCollected ? kCloses : 0) |
                                                (step.joiningSpace ? kJoiningSpace : 0) |
                                                (collectingAfter ? kCollectingAfter : 0) | (size > 0 ? kSized : 0)));
    for (std::size_t rest = size; rest > 0; rest >>= 7) {
        steps_.push_back(static_cast<unsigned char>((rest & 0x7F) | (rest > 0x7F ? 0x80 : 0)));
    }
}

bool SourceLineMap::NextStep(Step& step) {
    if (next_ >= steps_.size()) return false;
    const unsigned char flags = steps_[next_++];
    step = {(flags & kCloses) != 0, (flags & kJoiningSpace) != 0, (flags & kCollectingAfter) != 0, 0};
    if ((flags & kSized) != 0) {
        for (int shift = 0;; shift += 7) {
            const unsigned char group = steps_[next_++];
            step.pieceSize |= static_cast<std::size_t>(group & 0x7F) << shift;
            if ((group & 0x80) == 0) break;
        }
    }
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
        Step step;
        if (!NextStep(step)) {
            atEnd_ = true;
            return;
        }
        plainLine_ = sourceLines_;
        plainOpensSignal_ = step.collectingAfter;
    }
    ++joined_;
}

// Replays one more reference line into the connection line, or finds its end.
void SourceLineMap::ExtendConnection() {
    Step step;
    if (!NextStep(step)) {
        connectionEnded_ = true;
        return;
    }
    if (step.closesCollected) {
        connectionEnded_ = havePending_ = true;
        pendingLine_ = sourceLines_;
        pendingOpensSignal_ = step.collectingAfter;
        return;
    }
    if (!step.joiningSpace && step.pieceSize == 0) return;
    collected_ += (step.joiningSpace ? 1 : 0) + step.pieceSize;
    segmentLine_ = sourceLines_;
}

}  // namespace brisel
