#pragma once
// One line per problem occurrence on a stream (standard error for
// `--details`, the page's problem lines), in the words the window's Problems
// list uses too.

#include <cstdio>
#include <string>

#include "messages/problem_lines.h"

namespace brisel::messages {

class DetailsPrinter {
public:
    // `label` names the source in each line, and `mapLabel` the pin map in
    // the notes.
    DetailsPrinter(std::string label, std::FILE* stream, std::string mapLabel = {})
        : lines_(std::move(label), std::move(mapLabel)), stream_(stream) {}

    void Print(const Problem& problem);
    // One line for each kind that had more occurrences than were shown.
    void PrintOmitted();

private:
    ProblemLines lines_;
    std::FILE* stream_;
};

}  // namespace brisel::messages
