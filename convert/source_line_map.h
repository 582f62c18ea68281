#pragma once
// Finds the source line of a place in the joined copy, by reading the source
// again beside the main pass and following the joining rule: a line outside
// a signal is one source line, and a connection line is made of the
// reference lines after its header. It holds one source line at a time.

#include <cstdint>
#include <string>
#include <string_view>

#include "convert/joining_pass.h"
#include "convert/line_reader.h"

namespace brisel {

class SourceLineMap {
public:
    explicit SourceLineMap(ByteSource& source) : reader_(source) {}

    // The source line (counted from 1) of the byte `offset` of the joined
    // copy's line `joinedLine`. Places must be asked for in file order.
    std::int64_t SourceLine(std::int64_t joinedLine, std::size_t offset);

private:
    bool ReadSource(std::string_view& line);
    void NextJoinedLine();
    void ExtendConnection();

    LineReader reader_;
    JoinRule rule_;
    std::int64_t sourceLines_ = 0;  // source lines read so far
    std::int64_t joined_ = 0;       // the joined line the map stands on
    bool atEnd_ = false;

    // On a plain line: its source line, and whether it opens a signal.
    std::int64_t plainLine_ = 0;
    bool plainOpensSignal_ = false;

    // On a connection line: the reference lines read so far make up its
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
