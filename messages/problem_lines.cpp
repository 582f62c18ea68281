#include "messages/problem_lines.h"

#include "messages/problem_texts.h"

namespace brisel::messages {
namespace {

const char* SeverityOf(ProblemKind kind) { return kind == ProblemKind::MappedPin ? ": note: " : ": warning: "; }

}  // namespace

std::optional<std::string> ProblemLines::Add(const Problem& problem) {
    if (++counts_[static_cast<std::size_t>(problem.kind)] > kMostPerKind) return std::nullopt;
    const std::string where = problem.joinedLine <= 0 ? label_ : label_ + ":" + std::to_string(problem.sourceLine);
    return where + SeverityOf(problem.kind) + ProblemText(problem, mapLabel_);
}

std::vector<std::string> ProblemLines::Omitted() const {
    std::vector<std::string> lines;
    for (int kind = 0; kind < kProblemKindCount; ++kind) {
        const long long more = counts_[static_cast<std::size_t>(kind)] - kMostPerKind;
        if (more <= 0) continue;
        lines.push_back(label_ + SeverityOf(static_cast<ProblemKind>(kind)) + std::to_string(more) +
                        " more of the kind \"" + ProblemKindName(static_cast<ProblemKind>(kind)) + "\" not shown");
    }
    return lines;
}

}  // namespace brisel::messages
