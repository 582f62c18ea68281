#pragma once
// Reads an ExpressPCB netlist as the converter writes it, fed in blocks of
// bytes: the eight header lines, then titles and rows of the part and net
// tables in the order the source gave them, then the connection table, with
// CR LF after every line.

#include <string_view>

#include "verify/discrepancy_list.h"
#include "verify/line_splitter.h"
#include "verify/target_netlist.h"

namespace brisel::verify {

class TargetReader : private LineHandler {
public:
    TargetReader(TargetTables& tables, ConnectionHandler& connections, DiscrepancyList& discrepancies)
        : lines_(*this), tables_(tables), connections_(connections), discrepancies_(discrepancies) {}

    void Feed(std::string_view bytes) {
        if (intact_) lines_.Feed(bytes);
    }
    // Adds a discrepancy for every deviation from the layout. Returns false when
    // the layout is broken so badly that the tables read cannot be trusted
    // (reading stops at the first such line).
    bool Finish();

    // Connection rows read.
    std::int64_t Connections() const { return connectionCount_; }

private:
    // What the lines before made the reader expect.
    enum class Stage { Header, NoHeader, AfterHeader, PartRows, NetRows, AfterEmptyLine, ConnectionRows };

    void OnLine(std::string_view line, LineEnd end, std::int64_t number) override;
    bool Feed(std::string_view line, std::int64_t number);
    bool FeedHeader(std::string_view line, std::int64_t number);
    bool FeedTable(std::string_view line, std::int64_t number);
    bool FeedRow(std::string_view line, std::int64_t number);
    bool FeedConnection(std::string_view line, std::int64_t number);
    bool Fail(Discrepancy discrepancy, std::int64_t number, std::string_view line);
    // What the usual layout has next, where a line is out of place.
    Discrepancy Expected() const;
    void NoteLineEnd(LineEnd end, std::int64_t number);

    LineSplitter lines_;
    TargetTables& tables_;
    ConnectionHandler& connections_;
    DiscrepancyList& discrepancies_;
    Stage stage_ = Stage::Header;
    bool intact_ = true;
    bool partTitleSeen_ = false;
    bool netTitleSeen_ = false;
    PartRange openTable_;   // the latest "Part IDs Table" and its rows so far
    PartRange partsInUse_;  // the latest one that had rows
    std::int64_t connectionCount_ = 0;
    std::int64_t badEnds_ = 0;
    Discrepancy firstBadEnd_{.kind = DiscrepancyKind::LineEndNotCrLf};
};

}  // namespace brisel::verify
