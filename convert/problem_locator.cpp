#include "convert/problem_locator.h"

namespace brisel {

void ProblemLocator::Report(const Problem& problem) {
    Problem located = problem;
    if (problem.joinedLine > 0) {
        if (!lines_) {
            source_ = files_.OpenForReading(sourcePath_);
            lines_ = std::make_unique<SourceLineMap>(*source_);
        }
        located.sourceLine = lines_->SourceLine(problem.joinedLine, problem.offset);
    }
    reporter_.ProblemFound(located);
}

}  // namespace brisel
