#pragma once
// The tables of an ExpressPCB netlist as read back from a target file.
// Numbers are kept as read, so that out-of-range values can be reported.

#include <cstdint>
#include <string>
#include <vector>

namespace brisel::verify {

struct TargetPart {
    std::string Id;
    std::string Name;
};

struct TargetNet {
    std::string Name;
    std::int64_t FirstConnection = 0;
};

struct TargetConnection {
    std::int64_t Net = 0;
    std::int64_t Part = 0;
    std::string Pin;
    std::int64_t Next = 0;
};

// Part k is Parts[k - 1], net n is Nets[n - 1], connection c is
// Connections[c - 1].
struct TargetNetlist {
    std::vector<TargetPart> Parts;
    std::vector<TargetNet> Nets;
    std::vector<TargetConnection> Connections;
};

using ConnectionNumbers = std::vector<std::int64_t>;

// The connection numbers of each net's rows, indexed by net number (entry 0
// stays empty); rows whose net number is out of range are in no entry.
std::vector<ConnectionNumbers> ConnectionsByNet(const TargetNetlist& netlist);

}  // namespace brisel::verify
