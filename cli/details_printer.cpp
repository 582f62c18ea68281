#include "cli/details_printer.h"

namespace brisel::cli {

DetailsPrinter::DetailsPrinter(std::string label, std::string path, std::FILE* err)
    : label_(std::move(label)), path_(std::move(path)), err_(err) {}

void DetailsPrinter::Report(const Problem& problem) {
    if (++counts_[static_cast<std::size_t>(problem.kind)] > kMostPerKind) return;
    if (problem.joinedLine <= 0) {
        std::fprintf(err_, "%s: warning: %s\n", label_.c_str(), problem.text.c_str());
        return;
    }
    if (!lines_) lines_ = std::make_unique<SourceLineMap>(path_);
    const long long line = lines_->SourceLine(problem.joinedLine, problem.offset);
    std::fprintf(err_, "%s:%lld: warning: %s\n", label_.c_str(), line, problem.text.c_str());
}

void DetailsPrinter::PrintOmitted() {
    for (int kind = 0; kind < kProblemKindCount; ++kind) {
        const long long more = counts_[static_cast<std::size_t>(kind)] - kMostPerKind;
        if (more <= 0) continue;
        std::fprintf(err_, "%s: warning: %lld more of the kind \"%s\" not shown\n", label_.c_str(), more,
                     ProblemKindName(static_cast<ProblemKind>(kind)));
    }
}

}  // namespace brisel::cli
