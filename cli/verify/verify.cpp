#include "cli/verify/verify.h"

#include <cerrno>
#include <cstring>
#include <fstream>

#include "cli/verify/chain_check.h"
#include "cli/verify/connectivity_check.h"
#include "cli/verify/pads_source.h"
#include "cli/verify/problem_list.h"
#include "cli/verify/target_netlist.h"
#include "cli/verify/target_reader.h"
#include "common/native_path.h"

namespace brisel::verify {
namespace {

Report Failed(const std::string& problem) {
    Report report;
    report.problems.push_back(problem);
    return report;
}

std::string CannotRead(const char* which, const std::string& path) {
    return std::string("cannot read the ") + which + " file '" + path + "': " + std::strerror(errno);
}

}  // namespace

Report VerifyConversion(std::istream& source, std::istream& target) {
    TargetNetlist netlist;
    ProblemList problems;
    if (ReadTarget(target, netlist, problems)) {
        CheckNumbersAndChains(netlist, problems);
        PadsSourceReader reader(source);
        CheckConnectivity(reader, netlist, problems);
    }
    if (source.bad() || target.bad()) {
        problems.Add("a read failed while verifying");
    }
    Report report;
    report.ok = problems.Empty();
    report.nets = static_cast<long long>(netlist.Nets.size());
    report.connections = static_cast<long long>(netlist.Connections.size());
    report.problems = problems.Take();
    return report;
}

Report VerifyConversion(const std::string& sourcePath, const std::string& targetPath) {
    std::ifstream target(NativePath(targetPath), std::ios::binary);
    if (!target) {
        return Failed(CannotRead("target", targetPath));
    }
    std::ifstream source(NativePath(sourcePath), std::ios::binary);
    if (!source) {
        return Failed(CannotRead("source", sourcePath));
    }
    return VerifyConversion(source, target);
}

}  // namespace brisel::verify
