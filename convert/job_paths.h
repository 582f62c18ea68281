#pragma once
// The files of a conversion, and the tests that must pass before any of
// them is touched.

#include <optional>
#include <string>

#include "convert/conversion_report.h"
#include "convert/job.h"
#include "file_system/file_system.h"

namespace brisel {

// The paths of a run's files, as its messages name them.
struct JobPaths {
    std::string source;
    std::string target;
    std::string joined;  // the joined copy, in the folder of the temporary files
    std::string spool;   // the connection spool, beside it

    // The temporary files go into `folder` (with its separator).
    void PutTemporaryFilesIn(const std::string& folder, const JobSettings& settings);

    static JobPaths From(const JobSettings& settings);
};

// The folder and file pairs alike ignoring case, or two spellings of one
// existing file: a conversion must never write over its own source.
bool SourceIsTarget(const JobSettings& settings, FileSystem& files);

// Why the conversion must not start, or nothing: the source and target are
// one file, either is one of the temporary files (in the target's folder, or
// beside the file a link target names), or the source is missing.
std::optional<Refusal> RefusalFor(const JobSettings& settings, FileSystem& files);

}  // namespace brisel
