#include "convert/netlist_layout.h"

namespace brisel {

void WriteHeader(LineWriter& target, std::string_view appVersion) {
    target.WriteLine("\"ExpressPCB Netlist\"");
    target.Write("\"Brisel v");
    target.Write(appVersion);
    target.WriteLine(" netlist converted from PADS\"");
    target.WriteLine("1");
    target.WriteLine("0");
    target.WriteLine("0");
    for (int i = 0; i < 3; ++i) target.WriteLine("\"\"");
}

void WritePartTableHeader(LineWriter& target) { target.WriteLine("\"Part IDs Table\""); }

void WritePartRow(LineWriter& target, std::string_view partId, std::string_view partName) {
    target.WriteQuoted(partId);
    target.WriteChar(' ');
    target.WriteQuoted(partName);
    target.WriteLine(" \"\"");
}

void WriteNetTableHeader(LineWriter& target) {
    target.EndLine();
    target.WriteLine("\"Net Names Table\"");
}

void WriteNetRow(LineWriter& target, std::string_view netName, std::int64_t firstConnection) {
    target.WriteQuoted(netName);
    target.WriteChar(' ');
    target.WriteNumber(firstConnection);
    target.EndLine();
}

void WriteConnectionTableHeader(LineWriter& target) {
    target.EndLine();
    target.WriteLine("\"Net Connections Table\"");
}

void WriteConnectionRow(LineWriter& spool, std::int64_t net, std::int64_t part, std::string_view pin,
                        std::int64_t next) {
    spool.WriteNumber(net);
    spool.WriteChar(' ');
    spool.WriteNumber(part);
    spool.WriteChar(' ');
    spool.Write(pin);
    spool.WriteChar(' ');
    spool.WriteNumber(next);
    spool.EndLine();
}

}  // namespace brisel
