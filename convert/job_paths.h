#pragma once
// The four files of a conversion, and the tests that must pass before any of
// them is touched.

#include <optional>
#include <string>

#include "convert/host.h"

namespace brisel {

struct JobPaths {
    std::string source;
    std::string target;
    std::string joined;  // the joined copy, in the target's folder
    std::string spool;   // the connection spool, in the target's folder

    static JobPaths From(const JobSettings& settings);
};

struct Refusal {
    std::string text;
    std::string title;
};

// Why the conversion must not start, or nothing: the source and target are
// one file, either is one of the temporary files, or the source is missing.
std::optional<Refusal> RefusalFor(const JobSettings& settings, const JobPaths& paths);

}  // namespace brisel
