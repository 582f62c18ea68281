#pragma once
// The exact text of the ExpressPCB netlist and of the connection spool.

#include <string_view>

#include "convert/decimal.h"
#include "convert/line_writer.h"
#include "convert/part_ids.h"
#include "convert/short_copy.h"

namespace brisel {

void WriteHeader(LineWriter& target, std::string_view appVersion);
void WritePartTableHeader(LineWriter& target);
void WritePartRow(LineWriter& target, std::string_view partId, std::string_view partName);
void WriteNetTableHeader(LineWriter& target);
void WriteNetRow(LineWriter& target, std::string_view netName, std::string_view firstConnection);
void WriteConnectionTableHeader(LineWriter& target);

// A connection row: the net's number, the part's number, the pin as read
// from the source and the number of the net's next row (0 for its last).
// Built in place and inline: this is the row written a million times for a
// large board. Each number is written with one 16-byte move that may run
// past its text, into room that the row asks for beyond its own size.
inline void WriteConnectionRow(LineWriter& spool, const DecimalCounter& net, const PartNumber& part,
                               std::string_view pin, const DecimalCounter& next) {
    const std::size_t size = net.Text().size() + part.Text().size() + pin.size() + next.Text().size() + 5;
    char* row = spool.Room(size + 16);
    if (row == nullptr) {
        for (auto piece : {net.Text(), std::string_view(" "), part.Text(), std::string_view(" "), pin,
                           std::string_view(" "), next.Text()})
            spool.Write(piece);
        spool.EndLine();
        return;
    }
    char* at = net.PutText(row);
    *at++ = ' ';
    at = part.PutText(at);
    *at++ = ' ';
    at = CopyText(at, pin);
    *at++ = ' ';
    at = next.PutText(at);
    *at++ = '\r';
    *at++ = '\n';
    spool.Commit(size);
}

}  // namespace brisel
