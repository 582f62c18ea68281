#pragma once
// The exact text of the ExpressPCB netlist and of the connection spool.

#include <cstdint>
#include <cstring>
#include <string_view>

#include "convert/line_writer.h"

namespace brisel {

void WriteHeader(LineWriter& target, std::string_view appVersion);
void WritePartTableHeader(LineWriter& target);
void WritePartRow(LineWriter& target, std::string_view partId, std::string_view partName);
void WriteNetTableHeader(LineWriter& target);
void WriteNetRow(LineWriter& target, std::string_view netName, std::string_view firstConnection);
void WriteConnectionTableHeader(LineWriter& target);

namespace layout_detail {

// Every text of a connection row points into a line or a number, never nowhere.
inline char* Put(char* at, std::string_view text) {
    std::memcpy(at, text.data(), text.size());
    return at + text.size();
}

}  // namespace layout_detail

// A connection row from the decimal texts of its numbers; the pin is written
// as read from the source. Copied in one piece and inline: this is the row
// written a million times for a large board.
inline void WriteConnectionRow(LineWriter& spool, std::string_view net, std::string_view part, std::string_view pin,
                               std::string_view next) {
    const std::size_t size = net.size() + part.size() + pin.size() + next.size() + 5;
    using layout_detail::Put;
    char* row = spool.Room(size);
    if (row == nullptr) {
        for (auto piece : {net, std::string_view(" "), part, std::string_view(" "), pin, std::string_view(" "), next})
            spool.Write(piece);
        spool.EndLine();
        return;
    }
    char* at = Put(row, net);
    *at++ = ' ';
    at = Put(at, part);
    *at++ = ' ';
    at = Put(at, pin);
    *at++ = ' ';
    at = Put(at, next);
    *at++ = '\r';
    *at++ = '\n';
    spool.Commit(size);
}

}  // namespace brisel
