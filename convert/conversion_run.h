#pragma once
// One conversion once its paths have passed: the joining pass, the main
// pass, the warnings, the copy of the connection rows, the clean-up and the
// counts. A read or write failure, a request to stop or a lack of memory
// ends it; the temporary files are removed, the source is only ever read,
// and an old target stays as it was unless it had to be written in place.
//
// Every file the run makes is held by its handle in a folder held open from
// the start: the joined copy (which is the folder's run lock), the spool, and
// the new target beside the file the target names. When that file is in
// another folder (a link target), the run holds that folder's lock too.

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "convert/conversion_report.h"
#include "convert/job.h"
#include "convert/job_paths.h"
#include "convert/line_writer.h"
#include "convert/problem_locator.h"
#include "convert/progress.h"
#include "file_system/file_system.h"

namespace brisel {

class ConversionRun {
public:
    ConversionRun(const JobSettings& settings, FileSystem& files, ConversionReporter& reporter);
    ~ConversionRun();
    Outcome Run();
    // Removes this run's files at once, from a handler that runs while the
    // run waits on its reporter (a message box); see AbandonRun.
    void RemoveFilesNow();

private:
    Outcome Convert();
    bool PlanFolders();
    bool CheckTargetFolder();
    bool OpenFolders();
    bool LockFolders();
    bool Lock(WorkFolder& folder, const std::string& shownFolder, std::unique_ptr<WritableFile>& lock);
    bool CreateFiles();
    bool JoinPass();
    bool MainPass(Counts& counts);
    bool OpenTarget();
    bool CopyConnections(LineWriter& target, const Counts& counts);
    bool CloseTarget(LineWriter& target);
    bool ReplaceTarget();
    WorkFolder& TargetFolder() { return beside_ ? *beside_ : *work_; }
    std::string NewTargetPath() const { return plan_.folder + settings_.NewTargetFileName; }
    bool Failed(Failure::Operation operation, const std::string& path, const FileReason& reason);
    bool ReadFailed(const std::string& path, const FileReason& reason);
    bool WriteFailed(const std::string& path, const FileReason& reason);
    Outcome Fail();
    void RemovePartialTarget();
    void UndoPartialTarget();
    void RemoveTemporaryFiles();
    void RemoveTemporaryNames();
    void ReleaseFolders();

    const JobSettings& settings_;
    FileSystem& files_;
    ConversionReporter& reporter_;
    JobPaths paths_;
    Progress progress_;
    std::optional<ProblemLocator> problems_;
    TargetPlan plan_;
    std::string workFolder_;     // the folder of the temporary files, as the messages name it
    std::string privateFolder_;  // made for this run's temporary files, when the target has no folder to use
    std::unique_ptr<WorkFolder> work_;
    std::unique_ptr<WorkFolder> beside_;  // the new target's folder, when another
    std::unique_ptr<WritableFile> joined_;
    std::unique_ptr<WritableFile> besideLock_;
    std::unique_ptr<WritableFile> spool_;
    std::unique_ptr<WritableFile> target_;
    bool targetCreated_ = false;
    std::int64_t linesOutsideSignals_ = 0;  // of the joined copy: the part lines are among them
    Failure failure_;
};

// Asks the run under way in this program, if any, to stop and removes its
// files at once, as an interrupted run removes them, while the run itself
// waits on its reporter: for a program that is about to be ended before the
// run could go on (the desktop session ends while a message box shows). A
// run that goes on all the same fails at its next step and finds nothing more
// to remove. Also done when the program exits with a run under way.
void AbandonRun();

}  // namespace brisel
