#include "verify/verify.h"

#include <cerrno>
#include <fstream>

#include "common/native_path.h"
#include "verify/chain_check.h"
#include "verify/connectivity_check.h"
#include "verify/discrepancy_list.h"
#include "verify/target_netlist.h"
#include "verify/target_reader.h"

namespace brisel::verify {
namespace {

constexpr std::size_t kBlockSize = 1 << 16;

class BothChecks : public ConnectionHandler {
public:
    explicit BothChecks(const TargetTables& tables) : chains(tables), pins(tables) {}
    void OnConnection(std::int64_t number, const TargetConnection& row) override {
        chains.OnConnection(number, row);
        pins.OnConnection(row);
    }

    ChainCheck chains;
    ConnectivityCheck pins;
};

template <typename Feed>
void ReadBlocks(std::istream& in, Feed feed) {
    std::string block(kBlockSize, '\0');
    while (in.read(block.data(), static_cast<std::streamsize>(block.size())) || in.gcount() > 0) {
        feed(std::string_view(block.data(), static_cast<std::size_t>(in.gcount())));
    }
}

void CompareLayouts(const TableLayout& target, const TableLayout& source, DiscrepancyList& discrepancies) {
    if (target == source) return;
    if (target.Counts() == source.Counts()) {
        discrepancies.Add({.kind = DiscrepancyKind::PartRowsDiffer});
    } else {
        discrepancies.Add({.kind = DiscrepancyKind::TableCountsDiffer,
                           .targetTables = target.Counts(),
                           .sourceTables = source.Counts()});
    }
}

}  // namespace

Report Verifier::CheckTarget(std::istream& target) {
    source_.Finish();
    TargetTables tables;
    DiscrepancyList discrepancies;
    BothChecks checks(tables);
    TargetReader reader(tables, checks, discrepancies);
    ReadBlocks(target, [&reader](std::string_view bytes) { reader.Feed(bytes); });
    if (reader.Finish()) {
        checks.chains.Finish(reader.Connections(), discrepancies);
        CompareLayouts(tables.layout, source_.Layout(), discrepancies);
        checks.pins.Finish(source_, discrepancies);
    }
    if (target.bad()) {
        discrepancies.Add({.kind = DiscrepancyKind::ReadFailed});
    }
    Report report;
    report.ok = discrepancies.Empty();
    report.nets = static_cast<long long>(tables.nets.size());
    report.connections = reader.Connections();
    report.discrepanciesLeftOut = discrepancies.LeftOut();
    report.discrepancies = discrepancies.Take();
    report.risks = source_.Risks();
    return report;
}

Report Verifier::CheckTarget(const std::string& targetPath) {
    std::ifstream target(NativePath(targetPath), std::ios::binary);
    if (!target) {
        const int error = errno;
        Report report;
        report.discrepancies.push_back({.kind = DiscrepancyKind::TargetUnreadable, .text = targetPath, .error = error});
        return report;
    }
    return CheckTarget(target);
}

bool Verifier::FeedSource(std::istream& source) {
    ReadBlocks(source, [this](std::string_view bytes) { FeedSource(bytes); });
    return !source.bad();
}

Report VerifyConversion(std::istream& source, std::istream& target) {
    Verifier verifier;
    const bool read = verifier.FeedSource(source);
    Report report = verifier.CheckTarget(target);
    if (!read) {
        report.ok = false;
        report.discrepancies.push_back({.kind = DiscrepancyKind::ReadFailed});
    }
    return report;
}

}  // namespace brisel::verify
