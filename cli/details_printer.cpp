#include "cli/details_printer.h"

namespace brisel::cli {

void DetailsPrinter::Print(const Problem& problem) {
    if (++counts_[static_cast<std::size_t>(problem.kind)] > kMostPerKind) return;
    if (problem.joinedLine <= 0) {
        std::fprintf(err_, "%s: warning: %s\n", label_.c_str(), problem.text.c_str());
        return;
    }
    std::fprintf(err_, "%s:%lld: warning: %s\n", label_.c_str(), static_cast<long long>(problem.sourceLine),
                 problem.text.c_str());
}

void DetailsPrinter::PrintOmitted() {
    for (int kind = 0; kind < kProblemKindCount; ++kind) {
        const long long more = counts_[static_cast<std::size_t>(kind)] - kMostPerKind;
        if (more <= 0) continue;
        std::fprintf(err_, "%s: warning: %lld more of the kind \"%s\" not shown\n", label_.c_str(), more,
                     ProblemKindName(static_cast<ProblemKind>(kind)).c_str());
    }
}

}  // namespace brisel::cli
