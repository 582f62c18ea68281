#pragma once
// One conversion once its paths have passed: the joining pass, the main
// pass, the warnings, the copy of the connection rows, the clean-up and the
// summary. A read or write failure ends it with an error message; the
// partial target and the temporary files are removed, the source is only
// ever read.

#include <optional>
#include <string>

#include "convert/convert_netlist.h"
#include "convert/job_paths.h"
#include "convert/line_writer.h"
#include "convert/progress.h"
#include "convert/run_lock.h"
#include "convert/text_file.h"

namespace brisel {

class ConversionRun {
public:
    ConversionRun(ConversionHost& host, JobPaths paths);
    ConversionResult Run();

private:
    struct Totals {
        std::int64_t lines = 0, parts = 0, nets = 0, connections = 0;
    };

    bool LockTemporaryFiles();
    bool JoinPass();
    bool MainPass(Totals& totals);
    bool CopyConnections(LineWriter& target, const Totals& totals);
    bool CloseTarget(LineWriter& target);
    bool ReadFailed(const std::string& path, const std::string& reason);
    bool WriteFailed(const std::string& path, const std::string& reason);
    ConversionResult Fail();
    void RemoveTemporaryFiles();
    void RemovePartialTarget();
    void ShowSummary(const Totals& totals);

    ConversionHost& host_;
    JobPaths paths_;
    Progress progress_;
    RunLock lock_;
    FileSink target_;
    bool targetCreated_ = false;
    bool joinedCreated_ = false;
    bool spoolCreated_ = false;
    std::optional<std::string> failure_;
};

}  // namespace brisel
