#include "verify/connectivity_check.h"

#include <algorithm>
#include <string>

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

void ConnectivityCheck::CompareNet(const SourceNet& source, std::string_view sourceName, std::int64_t number,
                                   DiscrepancyList& discrepancies) const {
    using enum DiscrepancyKind;
    const auto index = static_cast<std::size_t>(number - 1);
    const std::string_view name = tables_.netNames[index];
    if (name != sourceName) {
        discrepancies.Add({.kind = NetNameDiffers,
                           .line = source.headerLine,
                           .net = number,
                           .text = std::string(name),
                           .sourceName = std::string(sourceName)});
    }
    const Written written = index < written_.size() ? written_[index] : Written{};
    if (written.rows == source.pins.count && written.pins == source.pins) return;
    if (written.rows != source.pins.count) {
        discrepancies.Add({.kind = ConnectionCountDiffers,
                           .net = number,
                           .found = written.rows,
                           .expected = source.pins.count,
                           .sourceName = std::string(sourceName)});
    } else {
        discrepancies.Add(
            {.kind = PinsDiffer, .line = source.headerLine, .net = number, .sourceName = std::string(sourceName)});
    }
}

void ConnectivityCheck::Finish(const PadsSourceReader& source, DiscrepancyList& discrepancies) {
    const auto targetNets = static_cast<std::int64_t>(tables_.nets.size());
    const auto sourceNets = static_cast<std::int64_t>(source.Nets().size());
    for (std::int64_t number = 1; number <= std::min(targetNets, sourceNets); ++number) {
        const auto index = static_cast<std::size_t>(number - 1);
        CompareNet(source.Nets()[index], source.NetName(index), number, discrepancies);
    }
    if (sourceNets != targetNets) {
        discrepancies.Add({.kind = DiscrepancyKind::NetCountDiffers, .found = targetNets, .expected = sourceNets});
    }
}

}  // namespace brisel::verify
