#include "cli/verify/connectivity_check.h"

#include <string>

#include "cli/verify/text.h"

namespace brisel::verify {

void ConnectivityCheck::OnConnection(const TargetConnection& row) {
    if (pins_.empty()) {
        pins_.resize(tables_.Nets.size());
        rows_.resize(tables_.Nets.size());
    }
    if (row.Net < 1 || row.Net > static_cast<std::int64_t>(pins_.size())) return;
    const std::size_t net = static_cast<std::size_t>(row.Net - 1);
    ++rows_[net];
    const PartRange& parts = tables_.Nets[net].Parts;
    if (row.Part >= 1 && row.Part <= static_cast<std::int64_t>(parts.Count)) {
        pins_[net].Add(PinHash(tables_.Parts[parts.From + static_cast<std::size_t>(row.Part - 1)], row.Pin));
    }
}

void ConnectivityCheck::CompareNet(const SourceNet& source, std::int64_t number, ProblemList& problems) const {
    const TargetNet& net = tables_.Nets[number - 1];
    if (net.Name != source.Name) {
        problems.Add("net " + std::to_string(number) + ": name \"" + Printable(net.Name) + "\" in the target, \"" +
                     Printable(source.Name) + "\" in the source (line " + std::to_string(source.HeaderLine) + ")");
    }
    const std::string label = "net \"" + Printable(source.Name) + "\" (net " + std::to_string(number) + "): ";
    const auto index = static_cast<std::size_t>(number - 1);
    const std::int64_t rows = index < rows_.size() ? rows_[index] : 0;
    const PinDigest written = index < pins_.size() ? pins_[index] : PinDigest{};
    if (rows != source.Pins.count) {
        problems.Add(label + std::to_string(rows) + " connections in the target, " + std::to_string(source.Pins.count) +
                     " expected from the source");
    } else if (written != source.Pins) {
        problems.Add(label + "the target's connections name other pins than the source's references (line " +
                     std::to_string(source.HeaderLine) + ")");
    }
}

void ConnectivityCheck::Finish(const std::vector<SourceNet>& source, ProblemList& problems) {
    const auto targetNets = static_cast<std::int64_t>(tables_.Nets.size());
    const auto sourceNets = static_cast<std::int64_t>(source.size());
    for (std::int64_t number = 1; number <= std::min(targetNets, sourceNets); ++number) {
        CompareNet(source[static_cast<std::size_t>(number - 1)], number, problems);
    }
    if (sourceNets != targetNets) {
        problems.Add("net count: " + std::to_string(targetNets) + " in the target, " + std::to_string(sourceNets) +
                     " in the source");
    }
}

}  // namespace brisel::verify
