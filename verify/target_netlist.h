#pragma once
// The tables of an ExpressPCB netlist as read back from a target file. The
// part and net tables are kept; the connection rows are handed on one by one
// as they are read. Numbers are kept as read, so that out-of-range values can
// be reported.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "verify/digest.h"
#include "verify/name_list.h"
#include "verify/table_layout.h"

namespace brisel::verify {

// Part numbers 1 to count: TargetTables::parts[from] onwards.
struct PartRange {
    std::size_t from = 0;
    std::size_t count = 0;
};

// A net's part numbers count the rows of the latest "Part IDs Table" that
// had rows when the net's row was written, up to the rows it had then.
struct TargetNet {
    std::int64_t firstConnection = 0;
    PartRange parts;
};

struct TargetConnection {
    std::int64_t net = 0;
    std::int64_t part = 0;
    std::string_view pin;
    std::int64_t next = 0;
};

// Net n is nets[n - 1], named netNames[n - 1].
struct TargetTables {
    std::vector<std::uint64_t> parts;  // PartHash of each part row's ID
    std::vector<TargetNet> nets;
    NameList netNames;
    TableLayout layout;
};

class ConnectionHandler {
public:
    virtual ~ConnectionHandler() = default;
    // Connection `number`, counted from 1; all net rows have been read.
    virtual void OnConnection(std::int64_t number, const TargetConnection& row) = 0;
};

}  // namespace brisel::verify
