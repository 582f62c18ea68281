#include "verify/connectivity_check.h"

#include <string>

#include "verify/text.h"

namespace brisel::verify {

void ConnectivityCheck::OnConnection(const TargetConnection& row) {
    if (written_.empty()) written_.resize(tables_.nets.size());
    if (row.net < 1 || row.net > static_cast<std::int64_t>(written_.size())) return;
    const std::size_t net = static_cast<std::size_t>(row.net - 1);
    Written& written = written_[net];
    ++written.rows;
    const PartRange& parts = tables_.nets[net].parts;
    if (row.part >= 1 && row.part <= static_cast<std::int64_t>(parts.count)) {
        written.pins.Add(PinHash(tables_.parts[parts.from + static_cast<std::size_t>(row.part - 1)], row.pin));
    }
}

// The words of a problem are put together only when there is one.
void ConnectivityCheck::CompareNet(const SourceNet& source, std::string_view sourceName, std::int64_t number,
                                   ProblemList& problems) const {
    const auto index = static_cast<std::size_t>(number - 1);
    const std::string_view name = tables_.netNames[index];
    if (name != sourceName) {
        problems.Add("net " + std::to_string(number) + ": name \"" + Printable(name) + "\" in the target, \"" +
                     Printable(sourceName) + "\" in the source (line " + std::to_string(source.headerLine) + ")");
    }
    const Written written = index < written_.size() ? written_[index] : Written{};
    if (written.rows == source.pins.count && written.pins == source.pins) return;
    const std::string label = "net \"" + Printable(sourceName) + "\" (net " + std::to_string(number) + "): ";
    if (written.rows != source.pins.count) {
        problems.Add(label + std::to_string(written.rows) + " connections in the target, " +
                     std::to_string(source.pins.count) + " expected from the source");
    } else {
        problems.Add(label + "the target's connections name other pins than the source's references (line " +
                     std::to_string(source.headerLine) + ")");
    }
}

void ConnectivityCheck::Finish(const PadsSourceReader& source, ProblemList& problems) {
    const auto targetNets = static_cast<std::int64_t>(tables_.nets.size());
    const auto sourceNets = static_cast<std::int64_t>(source.Nets().size());
    for (std::int64_t number = 1; number <= std::min(targetNets, sourceNets); ++number) {
        const auto index = static_cast<std::size_t>(number - 1);
        CompareNet(source.Nets()[index], source.NetName(index), number, problems);
    }
    if (sourceNets != targetNets) {
        problems.Add("net count: " + std::to_string(targetNets) + " in the target, " + std::to_string(sourceNets) +
                     " in the source");
    }
}

}  // namespace brisel::verify
