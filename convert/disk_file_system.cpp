#include "convert/disk_file_system.h"

#include <filesystem>
#include <system_error>

#include "convert/disk_lock.h"
#include "convert/file_paths.h"
#include "convert/text_file.h"

namespace brisel {

namespace fs = std::filesystem;

std::unique_ptr<ReadableFile> DiskFileSystem::OpenForReading(const std::string& path) {
    return std::make_unique<DiskReadableFile>(path);
}

std::unique_ptr<WritableFile> DiskFileSystem::OpenForWriting(const std::string& path) {
    return std::make_unique<DiskWritableFile>(path);
}

bool DiskFileSystem::Exists(const std::string& path) {
    std::error_code error;
    return fs::exists(fs::path(path), error);
}

bool DiskFileSystem::Remove(const std::string& path) {
    std::error_code error;
    return fs::remove(fs::path(path), error);
}

bool DiskFileSystem::IsLink(const std::string& path) {
    std::error_code error;
    return fs::is_symlink(fs::path(path), error);
}

bool DiskFileSystem::Truncate(const std::string& path) {
    std::error_code error;
    fs::resize_file(fs::path(path), 0, error);
    return !error;
}

bool DiskFileSystem::SameFile(const std::string& a, const std::string& b) { return brisel::SameFile(a, b); }

LockAttempt DiskFileSystem::Lock(const std::string& path) { return LockOnDisk(path); }

FileSystem& TheDisk() {
    static DiskFileSystem disk;
    return disk;
}

}  // namespace brisel
