#include "convert/job_paths.h"

#include "convert/netlist_text.h"

namespace brisel {

JobPaths JobPaths::From(const JobSettings& settings) {
    JobPaths paths{settings.SourcePath + settings.SourceFile, settings.TargetPath + settings.TargetFile, {}, {}};
    paths.PutTemporaryFilesIn(settings.TargetPath, settings);
    return paths;
}

void JobPaths::PutTemporaryFilesIn(const std::string& folder, const JobSettings& settings) {
    joined = folder + settings.JoinedFileName;
    spool = folder + settings.SpoolFileName;
}

bool SourceIsTarget(const JobSettings& settings, FileSystem& files) {
    if (settings.SourceIsStandardInput || settings.TargetIsStandardOutput) return false;
    return (SameTextIgnoringCase(settings.SourcePath, settings.TargetPath) &&
            SameTextIgnoringCase(settings.SourceFile, settings.TargetFile)) ||
           files.SameFile(settings.SourcePath + settings.SourceFile, settings.TargetPath + settings.TargetFile);
}

namespace {

// A conversion empties its temporary files and deletes them at its end, so
// none may be its source or its target, in any folder it writes in.
bool IsTemporaryFile(const std::string& path, const std::string& folder, const JobSettings& settings,
                     FileSystem& files) {
    for (const std::string* name : {&settings.SpoolFileName, &settings.JoinedFileName, &settings.NewTargetFileName}) {
        if (files.SameFile(path, folder + *name)) return true;
    }
    return false;
}

bool NamesATemporaryFile(const JobSettings& settings, FileSystem& files) {
    if (settings.TargetIsStandardOutput) return false;
    const JobPaths paths = JobPaths::From(settings);
    const TargetPlan plan = files.PlanTarget(paths.target);
    const bool beside = plan.kind == TargetPlan::Kind::Replace && plan.folder != settings.TargetPath;
    const bool source =
        !settings.SourceIsStandardInput && (IsTemporaryFile(paths.source, settings.TargetPath, settings, files) ||
                                            (beside && IsTemporaryFile(paths.source, plan.folder, settings, files)));
    return source || IsTemporaryFile(paths.target, settings.TargetPath, settings, files) ||
           SameTextIgnoringCase(settings.TargetFile, settings.SpoolFileName) ||
           SameTextIgnoringCase(settings.TargetFile, settings.JoinedFileName) ||
           SameTextIgnoringCase(settings.TargetFile, settings.NewTargetFileName) ||
           (beside && (SameTextIgnoringCase(plan.name, settings.SpoolFileName) ||
                       SameTextIgnoringCase(plan.name, settings.JoinedFileName) ||
                       SameTextIgnoringCase(plan.name, settings.NewTargetFileName)));
}

}  // namespace

std::optional<Refusal> RefusalFor(const JobSettings& settings, FileSystem& files) {
    if (SourceIsTarget(settings, files)) return Refusal::SameFile;
    if (NamesATemporaryFile(settings, files)) return Refusal::TemporaryFile;
    if (settings.SourceIsStandardInput) return std::nullopt;
    const std::string source = settings.SourcePath + settings.SourceFile;
    if (files.TooLong(source)) return Refusal::SourceTooLong;
    if (!files.Exists(source)) return Refusal::SourceMissing;
    return std::nullopt;
}

}  // namespace brisel
