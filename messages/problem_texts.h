#pragma once
// The words of each kind of problem the conversion finds in a source.

#include <string>

#include "convert/problems.h"

namespace brisel::messages {

// What the occurrence is, from the texts it involves: "pin "A1" of part "U3"
// is not a plain positive number". A pin the pin map numbered names the map
// by `mapLabel`.
std::string ProblemText(const Problem& problem, const std::string& mapLabel);

// What the kind is called in summaries: "unexpected character".
std::string ProblemKindName(ProblemKind kind);

}  // namespace brisel::messages
