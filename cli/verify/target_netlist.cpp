#include "cli/verify/target_netlist.h"

namespace brisel::verify {

std::vector<ConnectionNumbers> ConnectionsByNet(const TargetNetlist& netlist) {
    std::vector<ConnectionNumbers> rows(netlist.Nets.size() + 1);
    std::int64_t number = 0;
    for (const TargetConnection& row : netlist.Connections) {
        ++number;
        if (row.Net >= 1 && row.Net < static_cast<std::int64_t>(rows.size())) {
            rows[row.Net].push_back(number);
        }
    }
    return rows;
}

}  // namespace brisel::verify
