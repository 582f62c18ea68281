#pragma once
// The conversion's files on the disk.

#include "convert/file_system.h"

namespace brisel {

class DiskFileSystem : public FileSystem {
public:
    std::unique_ptr<ReadableFile> OpenForReading(const std::string& path) override;
    std::unique_ptr<WritableFile> OpenForWriting(const std::string& path) override;
    bool Exists(const std::string& path) override;
    bool Remove(const std::string& path) override;
    bool IsLink(const std::string& path) override;
    bool Truncate(const std::string& path) override;
    bool SameFile(const std::string& a, const std::string& b) override;
    LockAttempt Lock(const std::string& path) override;
};

// One for the whole program.
FileSystem& TheDisk();

}  // namespace brisel
