#include "convert/problem_locator.h"

namespace brisel {

// Problems are found once the joining pass has read the whole source.
void ProblemLocator::Report(const Problem& problem) {
    Problem located = problem;
    if (problem.joinedLine > 0) {
        if (!finished_) lines_.Finish();
        finished_ = true;
        located.sourceLine = lines_.SourceLine(problem.joinedLine, problem.offset);
    }
    reporter_.ProblemFound(located);
}

}  // namespace brisel
