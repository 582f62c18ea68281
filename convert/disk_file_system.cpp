#include "convert/disk_file_system.h"

#include <filesystem>
#include <system_error>

#include "common/native_path.h"
#include "convert/disk_lock.h"
#include "convert/disk_system.h"
#include "convert/file_paths.h"
#include "convert/text_file.h"

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

}  // namespace

std::unique_ptr<ReadableFile> DiskFileSystem::OpenForReading(const std::string& path) {
    return std::make_unique<DiskReadableFile>(path);
}

std::unique_ptr<WritableFile> DiskFileSystem::OpenForWriting(const std::string& path) {
    return std::make_unique<DiskWritableFile>(path, DiskWritableFile::Opening::Overwrite);
}

std::unique_ptr<WritableFile> DiskFileSystem::CreateNew(const std::string& path) {
    return std::make_unique<DiskWritableFile>(path, DiskWritableFile::Opening::CreateNew);
}

bool DiskFileSystem::Exists(const std::string& path) {
    std::error_code error;
    return fs::exists(NativePath(path), error);
}

bool DiskFileSystem::Remove(const std::string& path) {
    std::error_code error;
    return fs::remove(NativePath(path), error);
}

bool DiskFileSystem::Truncate(const std::string& path) {
    std::error_code error;
    fs::resize_file(NativePath(path), 0, error);
    return !error;
}

bool DiskFileSystem::SameFile(const std::string& a, const std::string& b) { return brisel::SameFile(a, b); }

FolderState DiskFileSystem::Folder(const std::string& folder) {
    const fs::path path = folder.empty() ? fs::path(".") : NativePath(folder);
    std::error_code error;
    if (!fs::is_directory(path, error)) return FolderState::Missing;
    return MayWriteIn(path.string()) ? FolderState::Writable : FolderState::NotWritable;
}

std::optional<std::string> DiskFileSystem::Replaceable(const std::string& path) {
    const fs::path named = NativePath(path);
    const fs::path file = FollowLinks(named);
    std::error_code error;
    const fs::file_status status = fs::status(file, error);
    const bool replaceable =
        status.type() == fs::file_type::not_found ||
        (fs::is_regular_file(status) && fs::hard_link_count(file, error) == 1 && OwnedByThisUser(file.string()));
    const std::string folder = file.parent_path().string();
    if (!replaceable || !MayWriteIn(folder.empty() ? "." : folder)) return std::nullopt;
    return file == named ? path : file.string();
}

bool DiskFileSystem::Replace(const std::string& from, const std::string& to, std::string& error) {
    std::error_code code;
    const fs::file_status old = fs::status(NativePath(to), code);
    code.clear();  // a target that does not exist yet is no error
    if (fs::exists(old)) fs::permissions(NativePath(from), old.permissions(), code);
    if (!code) MoveOver(from, to, code);
    if (code) error = code.message();
    return !code;
}

std::optional<std::string> DiskFileSystem::Unusable(const std::string& path) {
    std::error_code error;
    const fs::file_status status = fs::symlink_status(NativePath(path), error);
    if (status.type() == fs::file_type::not_found || error) return std::nullopt;
    if (fs::is_symlink(status)) return "it is a symbolic link";
    if (fs::is_directory(status)) return "it is a folder";
    if (!fs::is_regular_file(status)) return "it is not a plain file";
    if (!OwnedByThisUser(path)) return "it belongs to another user";
    if (fs::hard_link_count(NativePath(path), error) != 1) return "it is a file with other names";
    return std::nullopt;
}

LockAttempt DiskFileSystem::Lock(const std::string& path, bool wait) { return LockOnDisk(path, wait); }

FileSystem& TheDisk() {
    static DiskFileSystem disk;
    return disk;
}

}  // namespace brisel
