#include "tests/reliability/netlist_files.h"

#include <fstream>

namespace brisel::reliability {

namespace fs = std::filesystem;

void WriteNetlist(const fs::path& path, int parts, int nets, int referencesPerNet) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    std::string chunk = "*PADS-PCB*\r\n*PART*\r\n";
    auto drain = [&] {
        if (chunk.size() < (1 << 20)) return;
        out << chunk;
        chunk.clear();
    };
    for (int part = 0; part < parts; ++part) {
        // Appended piece by piece: GCC 12 warns falsely (-Wrestrict) on "U" + text.
        chunk += 'U';
        chunk += std::to_string(part);
        chunk += " R0603\r\n";
        drain();
    }
    chunk += "*NET*\r\n";
    long long reference = 0;
    for (int net = 0; net < nets; ++net) {
        chunk += "*SIGNAL* N";
        chunk += std::to_string(net);
        chunk += "\r\n";
        for (int k = 0; k < referencesPerNet; ++k, ++reference) {
            if (k > 0) chunk += ' ';
            chunk += 'U';
            chunk += std::to_string(reference * 7919 % parts);
            chunk += '.';
            chunk += std::to_string(k + 1);
        }
        chunk += "\r\n";
        drain();
    }
    out << chunk << "*END*\r\n";
}

}  // namespace brisel::reliability
