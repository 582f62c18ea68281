#include "cli/verify/chain_check.h"

#include <cstdint>
#include <string>
#include <vector>

namespace brisel::verify {
namespace {

std::string Num(std::int64_t value) { return std::to_string(value); }

std::string Range(std::size_t count) {
    return count == 0 ? "(the table is empty)" : "1.." + Num(static_cast<std::int64_t>(count));
}

void CheckRanges(const TargetNetlist& netlist, ProblemList& problems) {
    const auto nets = static_cast<std::int64_t>(netlist.Nets.size());
    const auto parts = static_cast<std::int64_t>(netlist.Parts.size());
    std::int64_t number = 0;
    for (const TargetConnection& row : netlist.Connections) {
        ++number;
        if (row.Net < 1 || row.Net > nets) {
            problems.Add("connection " + Num(number) + ": net number " + Num(row.Net) + " out of range " +
                         Range(netlist.Nets.size()));
        }
        if (row.Part < 1 || row.Part > parts) {
            problems.Add("connection " + Num(number) + ": part number " + Num(row.Part) + " out of range " +
                         Range(netlist.Parts.size()));
        }
    }
}

// A net without rows points where the next net starts, or one past the last
// connection.
void CheckEmptyNet(const TargetNetlist& netlist, std::size_t index, ProblemList& problems) {
    const std::int64_t expected = index + 1 < netlist.Nets.size()
                                      ? netlist.Nets[index + 1].FirstConnection
                                      : static_cast<std::int64_t>(netlist.Connections.size()) + 1;
    const std::int64_t first = netlist.Nets[index].FirstConnection;
    if (first != expected) {
        problems.Add("net " + Num(static_cast<std::int64_t>(index + 1)) +
                     ": has no connections, so its first connection should be " + Num(expected) +
                     " (where the next one starts), not " + Num(first));
    }
}

// Walks the chain from the net's first connection; returns how many rows it
// visited, or -1 when it broke.
std::int64_t WalkChain(const TargetNetlist& netlist, std::int64_t net, ProblemList& problems) {
    const auto total = static_cast<std::int64_t>(netlist.Connections.size());
    const std::string label = "net " + Num(net) + ": ";
    std::int64_t current = netlist.Nets[net - 1].FirstConnection;
    if (current < 1 || current > total || netlist.Connections[current - 1].Net != net) {
        problems.Add(label + "first connection " + Num(current) + " is not in the net");
        return -1;
    }
    std::int64_t visited = 1;
    for (;;) {
        const std::int64_t next = netlist.Connections[current - 1].Next;
        if (next == 0) {
            return visited;
        }
        if (next <= current) {
            problems.Add(label + "chain goes backwards at connection " + Num(current) + " (next " + Num(next) + ")");
            return -1;
        }
        if (next > total || netlist.Connections[next - 1].Net != net) {
            problems.Add(label + "chain breaks at connection " + Num(current) + " (next " + Num(next) +
                         " is not in the net)");
            return -1;
        }
        current = next;
        ++visited;
    }
}

void CheckChain(const TargetNetlist& netlist, std::int64_t net, const ConnectionNumbers& rows, ProblemList& problems) {
    const std::int64_t visited = WalkChain(netlist, net, problems);
    const auto owned = static_cast<std::int64_t>(rows.size());
    if (visited >= 0 && visited != owned) {
        problems.Add("net " + Num(net) + ": chain reaches " + Num(visited) + " of the " + Num(owned) +
                     " connections with this net number");
    }
}

}  // namespace

void CheckNumbersAndChains(const TargetNetlist& netlist, ProblemList& problems) {
    CheckRanges(netlist, problems);
    const std::vector<ConnectionNumbers> rows = ConnectionsByNet(netlist);
    for (std::size_t index = 0; index < netlist.Nets.size(); ++index) {
        const auto net = static_cast<std::int64_t>(index + 1);
        if (rows[net].empty()) {
            CheckEmptyNet(netlist, index, problems);
        } else {
            CheckChain(netlist, net, rows[net], problems);
        }
    }
}

}  // namespace brisel::verify
