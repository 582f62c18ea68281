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
void WriteNetRow(LineWriter& target, std::string_view netName, std::string_view firstConnection);
void WriteConnectionTableHeader(LineWriter& target);
// A connection row from the decimal texts of its numbers; the pin is written
// as read from the source.
void WriteConnectionRow(LineWriter& spool, std::string_view net, std::string_view part, std::string_view pin,
                        std::string_view next);

}  // namespace brisel
