#pragma once
// The exact text of the ExpressPCB netlist and of the connection spool.

#include <cstdint>
#include <string_view>

#include "convert/line_writer.h"

namespace brisel {

void WriteHeader(LineWriter& target, std::string_view appVersion);
void WritePartTableHeader(LineWriter& target);
void WritePartRow(LineWriter& target, std::string_view partId, std::string_view partName);
void WriteNetTableHeader(LineWriter& target);
void WriteNetRow(LineWriter& target, std::string_view netName, std::int64_t firstConnection);
void WriteConnectionTableHeader(LineWriter& target);
// A connection row; the pin is written as read from the source.
void WriteConnectionRow(LineWriter& spool, std::int64_t net, std::int64_t part, std::string_view pin,
                        std::int64_t next);

}  // namespace brisel
