#include "verify/verify.h"

#include <cerrno>
#include <cstring>
#include <fstream>

#include "common/native_path.h"
#include "verify/chain_check.h"
#include "verify/connectivity_check.h"
#include "verify/problem_list.h"
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

void CompareLayouts(const TableLayout& target, const TableLayout& source, ProblemList& problems) {
    if (target == source) return;
    if (target.Counts() == source.Counts()) {
        problems.Add("tables: the target's part rows hold other IDs or names than the source's part lines");
    } else {
        problems.Add("tables: the target has " + target.Counts() + "; the source gives " + source.Counts());
    }
}

}  // namespace

Report Verifier::CheckTarget(std::istream& target) {
    source_.Finish();
    TargetTables tables;
    ProblemList problems;
    BothChecks checks(tables);
    TargetReader reader(tables, checks, problems);
    ReadBlocks(target, [&reader](std::string_view bytes) { reader.Feed(bytes); });
    if (reader.Finish()) {
        checks.chains.Finish(reader.Connections(), problems);
        CompareLayouts(tables.layout, source_.Layout(), problems);
        checks.pins.Finish(source_, problems);
    }
    if (target.bad()) {
        problems.Add("a read failed while verifying");
    }
    Report report;
    report.ok = problems.Empty();
    report.nets = static_cast<long long>(tables.nets.size());
    report.connections = reader.Connections();
    report.problems = problems.Take();
    report.risks = source_.Risks();
    return report;
}

Report Verifier::CheckTarget(const std::string& targetPath) {
    std::ifstream target(NativePath(targetPath), std::ios::binary);
    if (!target) {
        Report report;
        report.problems.push_back("cannot read the target file '" + targetPath + "': " + std::strerror(errno));
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
        report.problems.emplace_back("a read failed while verifying");
    }
    return report;
}

}  // namespace brisel::verify
