#include "verify/problem_list.h"

#include <utility>

namespace brisel::verify {

void ProblemList::Add(std::string line) {
    if (lines_.size() < limit_) {
        lines_.push_back(std::move(line));
    } else {
        ++dropped_;
    }
}

void ProblemList::Append(ProblemList&& other) {
    for (std::string& line : other.lines_) Add(std::move(line));
    dropped_ += other.dropped_;
    other.lines_.clear();
    other.dropped_ = 0;
}

std::vector<std::string> ProblemList::Take() {
    std::vector<std::string> taken = std::move(lines_);
    if (dropped_ > 0) {
        taken.push_back("... and " + std::to_string(dropped_) + " more problems");
    }
    lines_.clear();
    dropped_ = 0;
    return taken;
}

}  // namespace brisel::verify
