#include "file_system/disk_file_system.h"

#include <filesystem>
#include <system_error>

#include "common/native_path.h"
#include "file_system/disk_open.h"
#include "file_system/file_paths.h"
#include "file_system/interruption.h"

namespace brisel {

namespace fs = std::filesystem;

namespace {

// The file a chain of links ends at, also when it does not exist.
fs::path FollowLinks(fs::path path) {
    std::error_code error;
    for (int hops = 0; hops < 40 && fs::is_symlink(path, error); ++hops) {
        const fs::path next = fs::read_symlink(path, error);
        if (error) break;
        path = next.is_absolute() ? next : path.parent_path() / next;
    }
    return path;
}

// The folder, with its separator, and the name of a file that a followed
// link named.
TargetPlan Beside(const fs::path& file) {
    const std::string folder = file.parent_path().string();
    const bool bare = folder.empty() || folder.back() == PathSeparator();
    return {TargetPlan::Kind::Replace, bare ? folder : folder + PathSeparator(), file.filename().string()};
}

// The folder and name as the path spells them; Windows takes "/" between
// folders too.
TargetPlan AsSpelled(const std::string& path) {
    const auto last = LastSeparator(path);
    const std::size_t nameStart = last == std::string::npos ? 0 : last + 1;
    return {TargetPlan::Kind::Replace, path.substr(0, nameStart), path.substr(nameStart)};
}

bool Replaceable(const fs::path& file) {
    std::error_code error;
    const fs::file_status status = fs::symlink_status(file, error);
    if (status.type() == fs::file_type::not_found) return true;
    return fs::is_regular_file(status) && fs::hard_link_count(file, error) == 1 && OwnedByThisUser(file.string());
}

}  // namespace

std::unique_ptr<ReadableFile> DiskFileSystem::OpenForReading(const std::string& path) { return OpenDiskSource(path); }

std::unique_ptr<WritableFile> DiskFileSystem::OpenForWriting(const std::string& path) { return OpenDiskTarget(path); }

std::unique_ptr<ReadableFile> DiskFileSystem::StandardInput() { return StandardInputFile(); }

std::unique_ptr<WritableFile> DiskFileSystem::StandardOutput() { return StandardOutputFile(); }

bool DiskFileSystem::Exists(const std::string& path) {
    std::error_code error;
    return fs::exists(NativePath(path), error);
}

bool DiskFileSystem::TooLong(const std::string& path) { return PathTooLong(path); }

bool DiskFileSystem::SameFile(const std::string& a, const std::string& b) { return brisel::SameFile(a, b); }

FolderState DiskFileSystem::Folder(const std::string& folder) {
    const fs::path path = folder.empty() ? fs::path(".") : NativePath(folder);
    std::error_code error;
    if (!fs::is_directory(path, error)) return FolderState::Missing;
    return MayWriteIn(path.string()) ? FolderState::Writable : FolderState::NotWritable;
}

std::unique_ptr<WorkFolder> DiskFileSystem::OpenFolder(const std::string& folder, FileReason& error) {
    return OpenDiskFolder(folder, hook_, error);
}

// A device or a pipe (/dev/null, /dev/stdout) is told apart from a missing
// file by the system's own look through every link: a link such as
// /proc/self/fd/1 names a pipe that has no path to follow.
TargetPlan DiskFileSystem::PlanTarget(const std::string& path) {
    const fs::path named = NativePath(path);
    std::error_code error;
    const fs::file_status status = fs::status(named, error);
    const bool exists = status.type() != fs::file_type::not_found && status.type() != fs::file_type::none;
    if (exists && !fs::is_regular_file(status) && !fs::is_directory(status)) return {TargetPlan::Kind::Stream, {}, {}};
    const fs::path file = FollowLinks(named);
    const TargetPlan plan = file == named ? AsSpelled(path) : Beside(file);
    if (!Replaceable(file) || !MayWriteIn(plan.folder.empty() ? "." : plan.folder))
        return {TargetPlan::Kind::InPlace, {}, {}};
    return plan;
}

std::optional<std::string> DiskFileSystem::MakePrivateFolder(FileReason& error) { return MakePrivateDiskFolder(error); }

void DiskFileSystem::RemoveFolder(const std::string& folder) { RemoveDiskFolder(folder); }

bool DiskFileSystem::Interrupted() { return InterruptionRequested(); }

FileSystem& TheDisk() {
    static DiskFileSystem disk;
    return disk;
}

}  // namespace brisel
