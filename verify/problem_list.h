#pragma once
// Collects problem lines up to a limit, so that a badly damaged target gives
// a readable report instead of a million lines.

#include <cstddef>
#include <string>
#include <vector>

namespace brisel::verify {

class ProblemList {
public:
    explicit ProblemList(std::size_t limit = 100) : limit_(limit) {}

    void Add(std::string line);
    // Takes over the lines of another list, and its count of lines left out.
    void Append(ProblemList&& other);
    bool Empty() const { return lines_.empty(); }

    // The kept lines, then one line that counts the ones left out.
    std::vector<std::string> Take();

private:
    std::size_t limit_;
    std::size_t dropped_ = 0;
    std::vector<std::string> lines_;
};

}  // namespace brisel::verify
