#include "cli/verify/connectivity_check.h"

#include <map>
#include <string>
#include <utility>

#include "cli/verify/text.h"

namespace brisel::verify {
namespace {

// Part ID with its letter case folded, and the pin as written.
using PinKey = std::pair<std::string, std::string>;
// Each pin once, with the text to show for it.
using PinSet = std::map<PinKey, std::string>;

std::string Shown(std::string_view partId, std::string_view pin) { return Printable(partId) + "." + Printable(pin); }

PinSet SourcePins(const SourceNet& net) {
    PinSet pins;
    for (const SourcePin& pin : net.Pins) {
        pins.emplace(PinKey{FoldCase(pin.PartId), pin.Pin}, Shown(pin.PartId, pin.Pin));
    }
    return pins;
}

// Rows whose part number is out of range are left out here; the range check
// reports them.
PinSet TargetPins(const TargetNetlist& target, const ConnectionNumbers& rows) {
    PinSet pins;
    for (const std::int64_t number : rows) {
        const TargetConnection& row = target.Connections[number - 1];
        if (row.Part >= 1 && row.Part <= static_cast<std::int64_t>(target.Parts.size())) {
            const std::string& partId = target.Parts[row.Part - 1].Id;
            pins.emplace(PinKey{FoldCase(partId), row.Pin}, Shown(partId, row.Pin));
        }
    }
    return pins;
}

// Adds one line per pin of `from` that `other` lacks; returns how many.
int ReportMissing(const PinSet& from, const PinSet& other, const std::string& label, const std::string& what,
                  ProblemList& problems) {
    int count = 0;
    for (const auto& [key, shown] : from) {
        if (!other.contains(key)) {
            problems.Add(label + "pin " + shown + " " + what);
            ++count;
        }
    }
    return count;
}

void CompareNet(const SourceNet& source, const TargetNetlist& target, std::int64_t number,
                const ConnectionNumbers& rows, ProblemList& problems) {
    const TargetNet& net = target.Nets[number - 1];
    const std::string label = "net \"" + Printable(source.Name) + "\" (net " + std::to_string(number) + "): ";
    if (net.Name != source.Name) {
        problems.Add("net " + std::to_string(number) + ": name \"" + Printable(net.Name) + "\" in the target, \"" +
                     Printable(source.Name) + "\" in the source (line " + std::to_string(source.HeaderLine) + ")");
    }
    const PinSet expected = SourcePins(source);
    const PinSet written = TargetPins(target, rows);
    const int differences = ReportMissing(expected, written, label, "missing from the target", problems) +
                            ReportMissing(written, expected, label, "in the target but not in the source", problems);
    if (differences == 0 && rows.size() != source.Pins.size()) {
        problems.Add(label + std::to_string(rows.size()) + " connections in the target, " +
                     std::to_string(source.Pins.size()) + " expected from the source");
    }
}

}  // namespace

void CheckConnectivity(PadsSourceReader& source, const TargetNetlist& target, ProblemList& problems) {
    const std::vector<ConnectionNumbers> rows = ConnectionsByNet(target);
    const auto targetNets = static_cast<std::int64_t>(target.Nets.size());
    std::int64_t sourceNets = 0;
    SourceNet net;
    while (source.NextNet(net)) {
        ++sourceNets;
        if (sourceNets <= targetNets) {
            CompareNet(net, target, sourceNets, rows[sourceNets], problems);
        }
    }
    if (sourceNets != targetNets) {
        problems.Add("net count: " + std::to_string(targetNets) + " in the target, " + std::to_string(sourceNets) +
                     " in the source");
    }
}

}  // namespace brisel::verify
