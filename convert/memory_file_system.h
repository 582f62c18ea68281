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
    enum class Operation { Open, Read, Write, Flush, Close, Remove, Lock };

    void Put(const std::string& path, std::string bytes) { files_[path] = std::move(bytes); }
    // The bytes of a file; empty when there is none.
    std::string Bytes(const std::string& path) const;
    std::vector<std::string> Paths() const;
    // From now on every `operation` on `path` fails with `reason`.
    void Fail(Operation operation, const std::string& path, std::string reason);

    std::unique_ptr<ReadableFile> OpenForReading(const std::string& path) override;
    std::unique_ptr<WritableFile> OpenForWriting(const std::string& path) override;
    bool Exists(const std::string& path) override { return files_.count(path) > 0; }
    bool Remove(const std::string& path) override;
    bool IsLink(const std::string&) override { return false; }
    bool Truncate(const std::string& path) override;
    bool SameFile(const std::string& a, const std::string& b) override { return a == b; }
    LockAttempt Lock(const std::string& path) override;

    // The reason `operation` on `path` fails, or nothing when it does not.
    const std::string* Failure(Operation operation, const std::string& path) const;
    void Append(const std::string& path, const char* data, std::size_t size) { files_[path].append(data, size); }
    void Unlock(const std::string& path) { locked_.erase(path); }

private:
    std::map<std::string, std::string> files_;
    std::set<std::string> locked_;
    std::map<std::pair<Operation, std::string>, std::string> failures_;
};

}  // namespace brisel
