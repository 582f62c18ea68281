#include "convert/netlist_layout.h"

#include <cstring>

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

namespace {

// Every text of a connection row points into a line or a number, never nowhere.
char* Put(char* at, std::string_view text) {
    std::memcpy(at, text.data(), text.size());
    return at + text.size();
}

}  // namespace

// Copied in one piece: this is the row written a million times for a large board.
void WriteConnectionRow(LineWriter& spool, std::string_view net, std::string_view part, std::string_view pin,
                        std::string_view next) {
    const std::size_t size = net.size() + part.size() + pin.size() + next.size() + 5;
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
