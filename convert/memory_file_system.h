#pragma once
// Files held in memory: for tests, where any operation on any file can be
// made to fail, and for programs that have no disk to convert on.

#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "convert/file_system.h"

namespace brisel {

class MemoryFileSystem : public FileSystem {
public:
    enum class Operation { Open, Read, Write, Flush, Sync, Close, Remove, Rename, Lock };

    void Put(const std::string& path, std::string bytes) { files_[path] = std::move(bytes); }
    // The bytes of a file; empty when there is none.
    std::string Bytes(const std::string& path) const;
    std::vector<std::string> Paths() const;
    // From now on every `operation` on `path` fails with `reason`.
    void Fail(Operation operation, const std::string& path, std::string reason);
    // From now on the name `path` is taken by something that is no plain file.
    void Block(const std::string& path, std::string why) { blocked_[path] = std::move(why); }

    std::unique_ptr<ReadableFile> OpenForReading(const std::string& path) override;
    std::unique_ptr<WritableFile> OpenForWriting(const std::string& path) override;
    std::unique_ptr<WritableFile> CreateNew(const std::string& path) override;
    bool Exists(const std::string& path) override { return files_.count(path) > 0; }
    bool Remove(const std::string& path) override;
    bool Truncate(const std::string& path) override;
    bool SameFile(const std::string& a, const std::string& b) override { return a == b; }
    // A folder exists when it holds a file.
    FolderState Folder(const std::string& folder) override;
    std::optional<std::string> Replaceable(const std::string& path) override { return path; }
    bool Replace(const std::string& from, const std::string& to, std::string& error) override;
    std::optional<std::string> Unusable(const std::string& path) override;
    // Waiting for another holder would never end here: it is Busy.
    LockAttempt Lock(const std::string& path, bool wait) override;

    // The reason `operation` on `path` fails, or nothing when it does not.
    const std::string* Failure(Operation operation, const std::string& path) const;
    void Append(const std::string& path, const char* data, std::size_t size) { files_[path].append(data, size); }
    void Unlock(const std::string& path) { locked_.erase(path); }

private:
    std::map<std::string, std::string> files_;
    std::set<std::string> locked_;
    std::map<std::string, std::string> blocked_;
    std::map<std::pair<Operation, std::string>, std::string> failures_;
};

}  // namespace brisel
