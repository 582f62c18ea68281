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

// The texts of a row are a few bytes each, too short to be worth a call:
// two fixed-size moves that may overlap cover any length up to 16.
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
