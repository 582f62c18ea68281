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

void WriteNetRow(LineWriter& target, std::string_view netName, std::string_view firstConnection) {
    target.WriteQuoted(netName);
    target.WriteChar(' ');
    target.WriteLine(firstConnection);
}

void WriteConnectionTableHeader(LineWriter& target) {
    target.EndLine();
    target.WriteLine("\"Net Connections Table\"");
}

}  // namespace brisel
