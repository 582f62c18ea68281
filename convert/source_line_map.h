#pragma once
// Finds the source line of a place in the joined copy. It is fed the
// source's bytes as the joining pass reads them, follows the joining rule on
// its own and keeps of each source line only how it joined (a byte or two),
// so the source is read once, also when it is a pipe: a line outside a
// signal is one source line, and a connection line is made of the reference
// lines after its header.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "convert/joining_pass.h"

namespace brisel {

class SourceLineMap {
public:
    // The source's bytes, in order, in blocks of any size.
    void Feed(std::string_view bytes);
    // The end of the source: a last line without a line end still counts.
    void Finish();

    // The source line (counted from 1) of the byte `offset` of the joined
    // copy's line `joinedLine`. Places must be asked for in file order, once
    // the source is finished.
    std::int64_t SourceLine(std::int64_t joinedLine, std::size_t offset);

private:
    // How one source line joined.
    struct Step {
        bool closesCollected = false;
        bool joiningSpace = false;
        bool collectingAfter = false;  // inside a signal after this line
        std::size_t pieceSize = 0;     // bytes it added to a connection line
    };

    void OnLine(std::string_view line);
    void Record(const JoinRule::Step& step, bool collectingAfter);
    bool NextStep(Step& step);
    void NextJoinedLine();
    void ExtendConnection();

    // Recording: the line split across blocks, and the steps.
    JoinRule rule_;
    std::string partial_;
    bool afterCarriageReturn_ = false;
    std::vector<unsigned char> steps_;

    // Replaying.
    std::size_t next_ = 0;          // the next recorded step
    std::int64_t sourceLines_ = 0;  // source lines replayed so far
    std::int64_t joined_ = 0;       // the joined line the map stands on
    bool atEnd_ = false;

    // On a plain line: its source line, and whether it opens a signal.
    std::int64_t plainLine_ = 0;
    bool plainOpensSignal_ = false;

    // On a connection line: the reference lines replayed so far make up its
    // first `collected_` bytes; the last of them is `segmentLine_`.
    bool inConnection_ = false;
    bool connectionEnded_ = false;
    std::size_t collected_ = 0;
    std::int64_t segmentLine_ = 0;

    // The "*" line that ended a connection line, waiting to be the next line.
    bool havePending_ = false;
    bool pendingOpensSignal_ = false;
    std::int64_t pendingLine_ = 0;
};

}  // namespace brisel
