#pragma once
// The conversion's files on the disk.

#include "convert/file_system.h"

namespace brisel {

class DiskFileSystem : public FileSystem {
public:
    std::unique_ptr<ReadableFile> OpenForReading(const std::string& path) override;
    std::unique_ptr<WritableFile> OpenForWriting(const std::string& path) override;
    std::unique_ptr<WritableFile> CreateNew(const std::string& path) override;
    bool Exists(const std::string& path) override;
    bool Remove(const std::string& path) override;
    bool Truncate(const std::string& path) override;
    bool SameFile(const std::string& a, const std::string& b) override;
    FolderState Folder(const std::string& folder) override;
    std::optional<std::string> Replaceable(const std::string& path) override;
    bool Replace(const std::string& from, const std::string& to, std::string& error) override;
    std::optional<std::string> Unusable(const std::string& path) override;
    LockAttempt Lock(const std::string& path, bool wait) override;
};

// One for the whole program.
FileSystem& TheDisk();

}  // namespace brisel
