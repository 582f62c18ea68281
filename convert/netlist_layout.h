#pragma once
// The exact text of the ExpressPCB netlist and of the connection spool.

#include <cstring>
#include <string_view>

#include "convert/decimal.h"
#include "convert/line_writer.h"
#include "convert/part_ids.h"
#include "convert/readable_bytes.h"
#include "convert/short_copy.h"

namespace brisel {

void WriteHeader(LineWriter& target, std::string_view appVersion);
void WritePartTableHeader(LineWriter& target);
void WritePartRow(LineWriter& target, std::string_view partId, std::string_view partName);
void WriteNetTableHeader(LineWriter& target);
void WriteNetRowInPieces(LineWriter& target, std::string_view netName, std::string_view firstConnection);
void WriteConnectionTableHeader(LineWriter& target);
// The same row as WriteConnectionRow, for a longer text or a smaller buffer.
void WriteConnectionRowInPieces(LineWriter& spool, const DecimalCounter& net, const PartNumber& part,
                                std::string_view pin, const DecimalCounter& next);

// A connection row: the net's number, the part's number, the pin as read
// from the source and the number of the net's next row (0 for its last).
// Built in place and inline: this is the row written a million times for a
// large board. Each text of at most 16 bytes is written with one 16-byte move
// that may run past it, into room that the row asks for beyond what it
// fills; the pin must be followed by kReadableAfterText readable bytes.
//
// The row's last number and line end are still in the spool's buffer
// afterwards, so that EndNetRows can make a net's last row name no next one.
inline void WriteConnectionRow(LineWriter& spool, const DecimalCounter& net, const PartNumber& part,
                               std::string_view pin, const DecimalCounter& next) {
    if ((net.Text().size() | part.textLength | pin.size() | next.Text().size()) <= 16) {  // each at most 16
        const TextBlock blocks[] = {net.Block(), part.Block(), BlockAt(pin.data(), pin.size()), next.Block()};
        if (char* row = spool.Room(4 * 16 + 5)) {
            char* at = PutBlock(row, blocks[0]);
            *at++ = ' ';
            at = PutBlock(at, blocks[1]);
            *at++ = ' ';
            at = PutBlock(at, blocks[2]);
            *at++ = ' ';
            at = PutBlock(at, blocks[3]);
            *at++ = '\r';
            *at++ = '\n';
            spool.Commit(static_cast<std::size_t>(at - row));
            return;
        }
    }
    WriteConnectionRowInPieces(spool, net, part, pin, next);
}

// After a net's last row, written with `next` as its last number: that
// number becomes 0, in the room it leaves (a number has a digit at least).
inline void EndNetRows(LineWriter& spool, const DecimalCounter& next) {
    char* at = spool.TakeBack(next.Text().size() + 2);
    std::memcpy(at, "0\r\n", 3);
    spool.Commit(3);
}

// A row of the Net Names Table: the quoted net name and the number of the
// net's first connection row. Built in place and inline, as the connection
// rows, from two blocks for the usual name of at most 16 bytes; the name
// must be followed by kReadableAfterText readable bytes.
inline void WriteNetRow(LineWriter& target, std::string_view netName, const DecimalCounter& firstConnection) {
    if ((netName.size() | firstConnection.Text().size()) <= 16) {  // each at most 16
        const TextBlock blocks[] = {BlockAt(netName.data(), netName.size()), firstConnection.Block()};
        if (char* row = target.Room(2 * 16 + 5)) {
            *row = '"';
            char* at = PutBlock(row + 1, blocks[0]);
            *at++ = '"';
            *at++ = ' ';
            at = PutBlock(at, blocks[1]);
            *at++ = '\r';
            *at++ = '\n';
            target.Commit(static_cast<std::size_t>(at - row));
            return;
        }
    }
    WriteNetRowInPieces(target, netName, firstConnection.Text());
}

}  // namespace brisel
