#pragma once
// What the check finds where a target does not hold what its source calls
// for, as values: messages/ words them. Each kind names the fields it fills;
// the others keep their defaults.

#include <cstdint>
#include <string>

#include "verify/line_splitter.h"
#include "verify/table_layout.h"

namespace brisel::verify {

enum class DiscrepancyKind {
    // Reading
    TargetUnreadable,  // the target would not open: `text` its path, `error` the errno
    ReadFailed,        // a read of the source or the target failed

    // The target's layout, line by line (`line` the target line)
    LineEndNotCrLf,     // the first line whose end is `lineEnd`, not CR LF; `found` more lines like it
    NotTheFixedLine,    // not `expectedText`, a line of the header or a table's title; `text` the line
    NotTheBanner,       // line 2 is not the banner; `text` the line
    NotAPartRow,        // neither a part row nor an empty line; `text` the line
    NotANetRow,         // neither a net row nor an empty line; `text` the line
    NotAConnectionRow,  // not a connection row; `text` the line
    EndsEarly,          // the target ends after `line`, before `expectedText`, the connection table's title

    // The numbers of connection row `connection`
    NetNumberOutOfRange,   // net `found`, of `expected` nets (0: none)
    PartNumberOutOfRange,  // part `found`, of `expected` parts of its table (0: none)

    // The chain of next-connection numbers of net `net`
    EmptyNetMisplaced,        // no rows, so its first connection should be `expected`, not `found`
    ChainBackwards,           // row `connection` names row `next`, which is not after it
    FirstConnectionNotInNet,  // its first connection, `connection`, has another net number
    ChainBreaks,              // row `connection` names row `next`, which has another net number
    ChainShort,               // the chain reaches `found` of the `expected` rows with the net's number

    // The tables against the source
    PartRowsDiffer,     // the counts agree, but the part rows hold other IDs or names
    TableCountsDiffer,  // `targetTables` in the target, `sourceTables` from the source
    NetCountDiffers,    // `found` nets in the target, `expected` in the source

    // Net `net` against the source's net of the same number, named `sourceName`,
    // whose header is on source line `line`
    NetNameDiffers,          // named `text` in the target
    ConnectionCountDiffers,  // `found` rows in the target, `expected` pins from the source (no `line`)
    PinsDiffer,              // as many rows as pins, but other pins
};

struct Discrepancy {
    DiscrepancyKind kind;
    std::int64_t line = 0;
    std::int64_t net = 0;
    std::int64_t connection = 0;
    std::int64_t next = 0;
    std::int64_t found = 0;
    std::int64_t expected = 0;
    std::string text = {};          // bytes of the target: a line, a net name, a path
    std::string expectedText = {};  // bytes the target should hold there
    std::string sourceName = {};    // a net name of the source
    LineEnd lineEnd = LineEnd::CrLf;
    TableCounts targetTables = {};
    TableCounts sourceTables = {};
    int error = 0;
};

}  // namespace brisel::verify
