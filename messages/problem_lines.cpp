#include "messages/problem_lines.h"

#include "messages/problem_texts.h"

namespace brisel::messages {
namespace {

const char* SeverityOf(ProblemKind kind) { return kind == ProblemKind::MappedPin ? "note" : "warning"; }

}  // namespace

std::string SourceLineText(const std::string& label, std::optional<std::int64_t> line, const char* severity,
                           const std::string& text) {
    const std::string where = line ? label + ":" + std::to_string(*line) : label;
    return where + ": " + severity + ": " + text;
}

std::optional<std::string> ProblemLines::Add(const Problem& problem) {
    if (++counts_[static_cast<std::size_t>(problem.kind)] > kMostPerKind) return std::nullopt;
    const auto line = problem.joinedLine <= 0 ? std::nullopt : std::optional(problem.sourceLine);
    return SourceLineText(label_, line, SeverityOf(problem.kind), ProblemText(problem, mapLabel_));
}

std::vector<std::string> ProblemLines::Omitted() const {
    std::vector<std::string> lines;
    for (int kind = 0; kind < kProblemKindCount; ++kind) {
        const long long more = counts_[static_cast<std::size_t>(kind)] - kMostPerKind;
        if (more <= 0) continue;
        lines.push_back(SourceLineText(label_, std::nullopt, SeverityOf(static_cast<ProblemKind>(kind)),
                                       std::to_string(more) + " more of the kind \"" +
                                           ProblemKindName(static_cast<ProblemKind>(kind)) + "\" not shown"));
    }
    return lines;
}

}  // namespace brisel::messages
