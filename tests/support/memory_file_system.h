#pragma once
// Files held in memory, for the tests and the fuzzer: whole conversions
// without a disk, where any operation on any file can be made to fail, or
// stop the run as a signal does.

#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "file_system/file_system.h"
#include "file_system/interruption.h"

namespace brisel::test {

class MemoryFileSystem : public FileSystem {
public:
    enum class Operation { Open, Read, Write, Flush, Sync, Close, Remove, Rename, Lock, Truncate };
    // The paths of the standard streams.
    static constexpr const char* kStandardInput = "<standard input>";
    static constexpr const char* kStandardOutput = "<standard output>";
    // The folder MakePrivateFolder makes.
    static constexpr const char* kPrivateFolder = "private/";

    void Put(const std::string& path, std::string bytes) { files_[path] = std::move(bytes); }
    // The bytes of a file; empty when there is none.
    std::string Bytes(const std::string& path) const;
    std::vector<std::string> Paths() const;
    // From now on every `operation` on `path` fails with the system's words
    // `reason`.
    void Fail(Operation operation, const std::string& path, std::string reason);
    // The first `operation` on `path` asks the run to stop, as a signal does,
    // and fails as the disk's files then do.
    void InterruptAt(Operation operation, const std::string& path);
    // From now on the name `path` is taken by something that is no plain file.
    void Block(const std::string& path, FileReason::Code why) { blocked_[path] = why; }
    // Takes the run lock on `path` as another run would; held until Unlock.
    LockAttempt Lock(const std::string& path);
    void Unlock(const std::string& path) { locked_.erase(path); }
    // Whether a private folder is there, made and not yet removed.
    bool HoldsPrivateFolder() const { return privateFolder_; }

    std::unique_ptr<ReadableFile> OpenForReading(const std::string& path) override;
    std::unique_ptr<WritableFile> OpenForWriting(const std::string& path) override;
    std::unique_ptr<ReadableFile> StandardInput() override { return OpenForReading(kStandardInput); }
    std::unique_ptr<WritableFile> StandardOutput() override { return OpenForWriting(kStandardOutput); }
    bool Exists(const std::string& path) override { return files_.count(path) > 0; }
    bool SameFile(const std::string& a, const std::string& b) override { return a == b; }
    // A folder exists when it holds a file.
    FolderState Folder(const std::string& folder) override;
    std::unique_ptr<WorkFolder> OpenFolder(const std::string& folder, FileReason& error) override;
    // Every target is replaced, beside itself.
    TargetPlan PlanTarget(const std::string& path) override;
    std::optional<std::string> MakePrivateFolder(FileReason& error) override;
    void RemoveFolder(const std::string& folder) override;
    // A request to stop made for the whole program (a signal, the closing
    // window) stops these files too, as it stops the disk's.
    bool Interrupted() override { return interrupted_ || InterruptionRequested(); }

    // The reason `operation` on `path` fails, or nothing when it does not.
    const FileReason* Failure(Operation operation, const std::string& path);
    std::optional<FileReason> Blocked(const std::string& path) const;
    bool Remove(const std::string& path);
    void Append(const std::string& path, const char* data, std::size_t size) { files_[path].append(data, size); }
    void Empty(const std::string& path) { files_[path].clear(); }
    void Move(const std::string& from, const std::string& to);

private:
    std::map<std::string, std::string> files_;
    std::set<std::string> locked_;
    std::map<std::string, FileReason> blocked_;
    std::map<std::pair<Operation, std::string>, FileReason> failures_;
    std::set<std::pair<Operation, std::string>> interruptions_;
    bool interrupted_ = false;
    bool privateFolder_ = false;
};

}  // namespace brisel::test
