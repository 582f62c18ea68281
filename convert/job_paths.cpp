#include "convert/job_paths.h"

#include <filesystem>

#include "convert/netlist_text.h"

namespace brisel {

JobPaths JobPaths::From(const JobSettings& settings) {
    return {settings.SourcePath + settings.SourceFile, settings.TargetPath + settings.TargetFile,
            settings.TargetPath + settings.JoinedFileName, settings.TargetPath + settings.SpoolFileName,
            settings.TargetPath + settings.NewTargetFileName};
}

std::string JobPaths::NewTargetBeside(const std::string& file) const {
    if (file == target) return newTarget;
    const std::filesystem::path path(file);
    return (path.parent_path() / std::filesystem::path(newTarget).filename()).string();
}

bool SourceIsTarget(const JobSettings& settings, FileSystem& files) {
    return (SameTextIgnoringCase(settings.SourcePath, settings.TargetPath) &&
            SameTextIgnoringCase(settings.SourceFile, settings.TargetFile)) ||
           files.SameFile(settings.SourcePath + settings.SourceFile, settings.TargetPath + settings.TargetFile);
}

namespace {

// A conversion empties its temporary files and deletes them at its end, so
// none may be its source or its target.
bool IsTemporaryFile(const std::string& path, const JobPaths& paths, FileSystem& files) {
    return files.SameFile(path, paths.joined) || files.SameFile(path, paths.spool) ||
           files.SameFile(path, paths.newTarget);
}

bool NamesATemporaryFile(const JobSettings& settings, FileSystem& files) {
    const JobPaths paths = JobPaths::From(settings);
    return IsTemporaryFile(paths.source, paths, files) || IsTemporaryFile(paths.target, paths, files) ||
           SameTextIgnoringCase(settings.TargetFile, settings.SpoolFileName) ||
           SameTextIgnoringCase(settings.TargetFile, settings.JoinedFileName) ||
           SameTextIgnoringCase(settings.TargetFile, settings.NewTargetFileName);
}

}  // namespace

std::optional<Refusal> RefusalFor(const JobSettings& settings, FileSystem& files) {
    if (SourceIsTarget(settings, files)) return Refusal::SameFile;
    if (NamesATemporaryFile(settings, files)) return Refusal::TemporaryFile;
    if (!files.Exists(settings.SourcePath + settings.SourceFile)) return Refusal::SourceMissing;
    return std::nullopt;
}

}  // namespace brisel
