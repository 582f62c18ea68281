#pragma once
// One conversion once its paths have passed: the joining pass, the main
// pass, the warnings, the copy of the connection rows, the clean-up and the
// counts. A read or write failure ends it; the temporary files are removed,
// the source is only ever read, and an old target stays as it was unless it
// had to be written in place.

#include <memory>
#include <optional>
#include <string>

#include "convert/conversion_report.h"
#include "convert/file_system.h"
#include "convert/job.h"
#include "convert/job_paths.h"
#include "convert/line_writer.h"
#include "convert/problem_locator.h"
#include "convert/progress.h"

namespace brisel {

class ConversionRun {
public:
    ConversionRun(const JobSettings& settings, FileSystem& files, ConversionReporter& reporter);
    Outcome Run();

private:
    bool CheckTargetFolder();
    bool LockTemporaryFiles();
    LockAttempt TakeRunLock();
    bool Usable(const std::string& path);
    bool PlanTarget();
    bool JoinPass();
    bool MainPass(Counts& counts);
    bool OpenTarget();
    std::unique_ptr<WritableFile> CreateTemporary(const std::string& path);
    bool CopyConnections(LineWriter& target, const Counts& counts);
    bool CloseTarget(LineWriter& target);
    bool Failed(Failure::Operation operation, const std::string& path, const std::string& reason);
    bool ReadFailed(const std::string& path, const std::string& reason);
    bool WriteFailed(const std::string& path, const std::string& reason);
    Outcome Fail();
    void RemoveTemporaryFiles();
    void RemovePartialTarget();

    const JobSettings& settings_;
    FileSystem& files_;
    ConversionReporter& reporter_;
    JobPaths paths_;
    Progress progress_;
    std::optional<ProblemLocator> problems_;
    std::unique_ptr<FileLock> lock_;
    std::unique_ptr<WritableFile> target_;
    std::string replaced_;   // the file the new target replaces; empty when written in place
    std::string newTarget_;  // where the new target is written until then
    bool targetCreated_ = false;
    bool joinedCreated_ = false;
    bool spoolCreated_ = false;
    Failure failure_;
};

}  // namespace brisel
