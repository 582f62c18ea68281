#pragma once
// The files of a conversion, and the tests that must pass before any of
// them is touched.

#include <optional>
#include <string>

#include "convert/conversion_report.h"
#include "convert/file_system.h"
#include "convert/job.h"

namespace brisel {

struct JobPaths {
    std::string source;
    std::string target;
    std::string joined;     // the joined copy, in the target's folder
    std::string spool;      // the connection spool, in the target's folder
    std::string newTarget;  // the new target until it replaces the old, beside the target

    // The new target beside `file`, the file the target names.
    std::string NewTargetBeside(const std::string& file) const;

    static JobPaths From(const JobSettings& settings);
};

// The folder and file pairs alike ignoring case, or two spellings of one
// existing file: a conversion must never write over its own source.
bool SourceIsTarget(const JobSettings& settings, FileSystem& files);

// Why the conversion must not start, or nothing: the source and target are
// one file, either is one of the temporary files, or the source is missing.
std::optional<Refusal> RefusalFor(const JobSettings& settings, FileSystem& files);

}  // namespace brisel
