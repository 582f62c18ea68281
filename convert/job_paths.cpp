#include "convert/job_paths.h"

#include <filesystem>
#include <system_error>

#include "common/native_path.h"
#include "convert/file_paths.h"
#include "convert/messages.h"

namespace brisel {

JobPaths JobPaths::From(const JobSettings& settings) {
    return {settings.SourcePath + settings.SourceFile, settings.TargetPath + settings.TargetFile,
            settings.TargetPath + settings.JoinedFileName, settings.TargetPath + settings.SpoolFileName};
}

namespace {

bool SameSourceAndTarget(const JobSettings& settings, const JobPaths& paths) {
    return (EqualsIgnoreCase(settings.SourcePath, settings.TargetPath) &&
            EqualsIgnoreCase(settings.SourceFile, settings.TargetFile)) ||
           SameFile(paths.source, paths.target);
}

// A conversion empties both temporary files and deletes them at its end, so
// neither may be its source or its target.
bool IsTemporaryFile(const std::string& path, const JobPaths& paths) {
    return SameFile(path, paths.joined) || SameFile(path, paths.spool);
}

std::string TemporaryFileText(const JobSettings& settings) {
    return "The source and target files cannot be the temporary files '" + settings.SpoolFileName + "' and '" +
           settings.JoinedFileName + "' of the target folder." + messages::kLineBreak +
           "Please enter other source and target filenames.";
}

bool SourceExists(const std::string& path) {
    std::error_code error;
    return std::filesystem::exists(NativePath(path), error);
}

}  // namespace

std::optional<Refusal> RefusalFor(const JobSettings& settings, const JobPaths& paths) {
    if (SameSourceAndTarget(settings, paths)) {
        return Refusal{messages::kSameFile, messages::kInvalidFilenamesTitle};
    }
    if (IsTemporaryFile(paths.source, paths) || IsTemporaryFile(paths.target, paths) ||
        EqualsIgnoreCase(settings.TargetFile, settings.SpoolFileName) ||
        EqualsIgnoreCase(settings.TargetFile, settings.JoinedFileName)) {
        return Refusal{TemporaryFileText(settings), messages::kInvalidFilenamesTitle};
    }
    if (!SourceExists(paths.source)) {
        return Refusal{"The netlist file '" + settings.SourceFile + "' cannot be found.", messages::kSourceErrorTitle};
    }
    return std::nullopt;
}

}  // namespace brisel
