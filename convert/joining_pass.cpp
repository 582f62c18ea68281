#include "convert/joining_pass.h"

#include "convert/netlist_text.h"

namespace brisel {

// The collected text goes straight to the joined copy: nothing else is
// written between a signal header and the line that closes its references,
// so the pass holds no more than one source line.
void JoinSignals(LineReader& source, LineWriter& joined) {
    bool collecting = false;  // inside a signal, after its header
    bool collectedAny = false;
    std::string_view line;
    while (source.Next(line)) {
        if (collecting && !line.empty() && line.front() == '*') {
            joined.EndLine();  // closes the collected line, empty or not
            collecting = false;
        }
        if (collecting) {
            // Leading spaces of the whole text go; a joining space comes
            // between the lines collected.
            if (collectedAny) {
                joined.WriteChar(' ');
                joined.Write(line);
            } else {
                const auto first = line.find_first_not_of(' ');
                if (first != std::string_view::npos) {
                    joined.Write(line.substr(first));
                    collectedAny = true;
                }
            }
            continue;
        }
        joined.WriteLine(line);
        if (IsSignalHeader(line)) {
            collecting = true;
            collectedAny = false;
        }
        if (joined.Failed()) return;
    }
    if (collecting) joined.EndLine();  // a signal at the end of the source keeps its references
}

}  // namespace brisel
