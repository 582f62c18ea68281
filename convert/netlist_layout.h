#pragma once
// The exact text of the ExpressPCB netlist and of the connection spool.

#include <cstdint>
#include <cstring>
#include <string_view>

#include "convert/decimal.h"
#include "convert/line_writer.h"
#include "convert/part_ids.h"

namespace brisel {

void WriteHeader(LineWriter& target, std::string_view appVersion);
void WritePartTableHeader(LineWriter& target);
void WritePartRow(LineWriter& target, std::string_view partId, std::string_view partName);
void WriteNetTableHeader(LineWriter& target);
void WriteNetRow(LineWriter& target, std::string_view netName, std::string_view firstConnection);
void WriteConnectionTableHeader(LineWriter& target);

namespace layout_detail {

// A pin is a few bytes, too short to be worth a call: two fixed-size moves
// that may overlap cover any length up to 16.
inline char* Put(char* at, std::string_view text) {
    const char* from = text.data();
    const std::size_t n = text.size();
    if (n >= 8 && n <= 16) {
        std::uint64_t head, tail;
        std::memcpy(&head, from, 8);
        std::memcpy(&tail, from + n - 8, 8);
        std::memcpy(at, &head, 8);
        std::memcpy(at + n - 8, &tail, 8);
    } else if (n >= 4 && n < 8) {
        std::uint32_t head, tail;
        std::memcpy(&head, from, 4);
        std::memcpy(&tail, from + n - 4, 4);
        std::memcpy(at, &head, 4);
        std::memcpy(at + n - 4, &tail, 4);
    } else if (n > 0 && n < 4) {
        at[0] = from[0];
        at[n / 2] = from[n / 2];
        at[n - 1] = from[n - 1];
    } else if (n > 16) {
        std::memcpy(at, from, n);
    }
    return at + n;
}

}  // namespace layout_detail

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
    at = layout_detail::Put(at, pin);
    *at++ = ' ';
    at = next.PutText(at);
    *at++ = '\r';
    *at++ = '\n';
    spool.Commit(size);
}

}  // namespace brisel
