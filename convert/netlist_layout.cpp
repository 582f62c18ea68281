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

// Built in place: a large board has a hundred thousand parts.
void WritePartRow(LineWriter& target, std::string_view partId, std::string_view partName) {
    const std::size_t size = partId.size() + partName.size() + 10;
    if (char* row = target.Room(size)) {
        char* at = row;
        *at++ = '"';
        at = CopyText(at, partId);
        std::memcpy(at, "\" \"", 3);
        at = CopyText(at + 3, partName);
        std::memcpy(at, "\" \"\"\r\n", 6);
        target.Commit(size);
        return;
    }
    target.WriteQuoted(partId);
    target.WriteChar(' ');
    target.WriteQuoted(partName);
    target.WriteLine(" \"\"");
}

void WriteNetTableHeader(LineWriter& target) {
    target.EndLine();
    target.WriteLine("\"Net Names Table\"");
}

// Built in place, as the part rows.
void WriteNetRowInPieces(LineWriter& target, std::string_view netName, std::string_view firstConnection) {
    const std::size_t size = netName.size() + firstConnection.size() + 5;
    if (char* row = target.Room(size)) {
        char* at = row;
        *at++ = '"';
        at = CopyText(at, netName);
        *at++ = '"';
        *at++ = ' ';
        at = CopyText(at, firstConnection);
        *at++ = '\r';
        *at++ = '\n';
        target.Commit(size);
        return;
    }
    target.WriteQuoted(netName);
    target.WriteChar(' ');
    target.WriteLine(firstConnection);
}

void WriteConnectionRowInPieces(LineWriter& spool, const DecimalCounter& net, const PartNumber& part,
                                std::string_view pin, const DecimalCounter& next) {
    for (auto piece : {net.Text(), std::string_view(" "), part.Text(), std::string_view(" "), pin}) spool.Write(piece);
    // The last number and the line end go into the buffer together, where
    // EndNetRows can take them back: at most 23 bytes, and the buffer has 64.
    const std::string_view number = next.Text();
    char* tail = spool.Room(number.size() + 3);
    tail[0] = ' ';
    std::memcpy(tail + 1, number.data(), number.size());
    std::memcpy(tail + 1 + number.size(), "\r\n", 2);
    spool.Commit(number.size() + 3);
}

void WriteConnectionTableHeader(LineWriter& target) {
    target.EndLine();
    target.WriteLine("\"Net Connections Table\"");
}

}  // namespace brisel
