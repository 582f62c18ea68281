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
// large board. Each number, and the pin, is written with one 16-byte move
// that may run past its text, into room that the row asks for beyond what
// it fills; the pin must be followed by 16 readable bytes.
//
// The row's last number and line end are still in the spool's buffer
// afterwards, so that EndNetRows can make a net's last row name no next one.
inline void WriteConnectionRow(LineWriter& spool, const DecimalCounter& net, const PartNumber& part,
                               std::string_view pin, const DecimalCounter& next) {
    // Three numbers of up to 20 digits, three spaces, CR LF and the slack of
    // the last move: enough for any row, so its size need not be known first.
    constexpr std::size_t kMostBesidesPin = 3 * 20 + 5 + 16;
    char* row = spool.Room(kMostBesidesPin + pin.size());
    if (row == nullptr) {  // a pin longer than the buffer
        for (auto piece : {net.Text(), std::string_view(" "), part.Text(), std::string_view(" "), pin}) {
            spool.Write(piece);
        }
        row = spool.Room(kMostBesidesPin);
        char* at = row;
        *at++ = ' ';
        at = next.PutText(at);
        *at++ = '\r';
        *at++ = '\n';
        spool.Commit(static_cast<std::size_t>(at - row));
        return;
    }
    char* at = net.PutText(row);
    *at++ = ' ';
    at = part.PutText(at);
    *at++ = ' ';
    at = CopyPaddedText(at, pin);
    *at++ = ' ';
    at = next.PutText(at);
    *at++ = '\r';
    *at++ = '\n';
    spool.Commit(static_cast<std::size_t>(at - row));
}

// After a net's last row, written with `next` as its last number: that
// number becomes 0.
inline void EndNetRows(LineWriter& spool, const DecimalCounter& next) {
    spool.TakeBack(next.Text().size() + 2);
    spool.Write("0\r\n");
}

}  // namespace brisel
