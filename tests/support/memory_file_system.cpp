#include "tests/support/memory_file_system.h"

#include <algorithm>
#include <cstring>

namespace brisel::test {

namespace {

using Operation = MemoryFileSystem::Operation;

// Reads what the file held when it was opened.
class MemoryReadableFile : public ReadableFile {
public:
    MemoryReadableFile(MemoryFileSystem& files, const std::string& path, FileReason error)
        : files_(files), path_(path), bytes_(files.Bytes(path)), error_(std::move(error)) {}
    std::size_t Read(char* data, std::size_t size) override {
        if (Failed()) return 0;
        if (const FileReason* reason = files_.Failure(Operation::Read, path_)) {
            error_ = *reason;
            return 0;
        }
        const std::size_t n = std::min(size, bytes_.size() - pos_);
        std::memcpy(data, bytes_.data() + pos_, n);
        pos_ += n;
        return n;
    }
    bool Failed() const override { return static_cast<bool>(error_); }
    FileReason Error() const override { return error_; }

private:
    MemoryFileSystem& files_;
    std::string path_;
    std::string bytes_;
    std::size_t pos_ = 0;
    FileReason error_;
};

class MemoryWritableFile : public WritableFile {
public:
    MemoryWritableFile(MemoryFileSystem& files, const std::string& path, FileReason error)
        : files_(files), path_(path), error_(std::move(error)) {}
    bool Write(const char* data, std::size_t size) override {
        if (!Check(Operation::Write)) return false;
        files_.Append(path_, data, size);
        return true;
    }
    bool Flush() override { return Check(Operation::Flush); }
    bool Sync() override { return Check(Operation::Sync); }
    bool Close() override {
        if (closed_) return !Failed();
        closed_ = true;
        return Check(Operation::Close);
    }
    bool Failed() const override { return static_cast<bool>(error_); }
    FileReason Error() const override { return error_; }
    bool IsRegularFile() const override { return true; }
    bool Truncate() override {
        if (!Check(Operation::Truncate)) return false;
        files_.Empty(path_);
        return true;
    }
    std::unique_ptr<ReadableFile> ReadBack() override {
        return std::make_unique<MemoryReadableFile>(files_, path_, FileReason());
    }
    const std::string& Path() const { return path_; }

private:
    bool Check(Operation operation) {
        if (Failed()) return false;
        if (const FileReason* reason = files_.Failure(operation, path_)) error_ = *reason;
        return !Failed();
    }

    MemoryFileSystem& files_;
    std::string path_;
    FileReason error_;
    bool closed_ = false;
};

// The joined copy, which holds its folder's run lock while it lives.
class MemoryLockedFile : public MemoryWritableFile {
public:
    MemoryLockedFile(MemoryFileSystem& files, const std::string& path)
        : MemoryWritableFile(files, path, {}), lockHolder_(files) {}
    ~MemoryLockedFile() override { lockHolder_.Unlock(Path()); }

private:
    MemoryFileSystem& lockHolder_;
};

// Names are joined to the folder's text, as the paths of the fault tests are.
class MemoryFolder : public WorkFolder {
public:
    MemoryFolder(MemoryFileSystem& files, std::string folder) : files_(files), folder_(std::move(folder)) {}
    std::string Identity() const override { return folder_; }
    LockAttempt Lock(const std::string& name, bool) override {
        const std::string path = folder_ + name;
        if (const auto why = files_.Blocked(path)) return {LockAttempt::Result::Unusable, nullptr, *why};
        return files_.Lock(path);
    }
    Creation Create(const std::string& name) override {
        const std::string path = folder_ + name;
        if (const auto why = files_.Blocked(path)) return {nullptr, true, *why};
        if (files_.Exists(path) && !files_.Remove(path)) return {nullptr, false, SystemReason("File exists")};
        if (const FileReason* reason = files_.Failure(Operation::Open, path)) return {nullptr, false, *reason};
        files_.Put(path, {});
        return {std::make_unique<MemoryWritableFile>(files_, path, FileReason()), false, {}};
    }
    bool Remove(const std::string& name, WritableFile&) override { return files_.Remove(folder_ + name); }
    bool Replace(WritableFile& file, const std::string& name, const std::string& target, FileReason& error,
                 bool&) override {
        if (!file.Close()) {
            error = file.Error();
            return false;
        }
        if (const FileReason* reason = files_.Failure(Operation::Rename, folder_ + name)) {
            error = *reason;
            return false;
        }
        files_.Move(folder_ + name, folder_ + target);
        return true;
    }

private:
    MemoryFileSystem& files_;
    std::string folder_;
};

}  // namespace

std::string MemoryFileSystem::Bytes(const std::string& path) const {
    const auto file = files_.find(path);
    return file == files_.end() ? std::string() : file->second;
}

std::vector<std::string> MemoryFileSystem::Paths() const {
    std::vector<std::string> paths;
    for (const auto& file : files_) paths.push_back(file.first);
    return paths;
}

void MemoryFileSystem::Fail(Operation operation, const std::string& path, std::string reason) {
    failures_[{operation, path}] = SystemReason(std::move(reason));
}

void MemoryFileSystem::InterruptAt(Operation operation, const std::string& path) {
    interruptions_.insert({operation, path});
}

const FileReason* MemoryFileSystem::Failure(Operation operation, const std::string& path) {
    static const FileReason kInterrupted = SystemReason("Interrupted system call");
    // Removing, closing and renaming do not look for a request to stop, on
    // the disk either.
    const bool stops =
        operation != Operation::Remove && operation != Operation::Close && operation != Operation::Rename;
    if (stops && (interruptions_.count({operation, path}) > 0 || InterruptionRequested())) interrupted_ = true;
    if (stops && interrupted_) return &kInterrupted;
    const auto failure = failures_.find({operation, path});
    return failure == failures_.end() ? nullptr : &failure->second;
}

std::optional<FileReason> MemoryFileSystem::Blocked(const std::string& path) const {
    const auto why = blocked_.find(path);
    if (why == blocked_.end()) return std::nullopt;
    return why->second;
}

std::unique_ptr<ReadableFile> MemoryFileSystem::OpenForReading(const std::string& path) {
    FileReason error;
    if (const FileReason* reason = Failure(Operation::Open, path)) {
        error = *reason;
    } else if (!Exists(path)) {
        error = SystemReason("No such file or directory");
    }
    return std::make_unique<MemoryReadableFile>(*this, path, std::move(error));
}

std::unique_ptr<WritableFile> MemoryFileSystem::OpenForWriting(const std::string& path) {
    const FileReason* reason = Failure(Operation::Open, path);
    if (reason == nullptr) files_[path].clear();
    return std::make_unique<MemoryWritableFile>(*this, path, reason ? *reason : FileReason());
}

FolderState MemoryFileSystem::Folder(const std::string& folder) {
    const auto file = files_.lower_bound(folder);
    const bool holdsAFile = file != files_.end() && file->first.compare(0, folder.size(), folder) == 0;
    return holdsAFile ? FolderState::Writable : FolderState::Missing;
}

std::unique_ptr<WorkFolder> MemoryFileSystem::OpenFolder(const std::string& folder, FileReason&) {
    return std::make_unique<MemoryFolder>(*this, folder);
}

TargetPlan MemoryFileSystem::PlanTarget(const std::string& path) {
    const auto last = path.find_last_of("/\\");
    const std::size_t nameStart = last == std::string::npos ? 0 : last + 1;
    return {TargetPlan::Kind::Replace, path.substr(0, nameStart), path.substr(nameStart)};
}

std::optional<std::string> MemoryFileSystem::MakePrivateFolder(FileReason&) {
    privateFolder_ = true;
    return std::string(kPrivateFolder);
}

void MemoryFileSystem::RemoveFolder(const std::string& folder) {
    if (folder == kPrivateFolder) privateFolder_ = false;
}

bool MemoryFileSystem::Remove(const std::string& path) {
    if (Failure(Operation::Remove, path) != nullptr) return false;
    return files_.erase(path) > 0;
}

void MemoryFileSystem::Move(const std::string& from, const std::string& to) {
    files_[to] = Bytes(from);
    files_.erase(from);
}

LockAttempt MemoryFileSystem::Lock(const std::string& path) {
    if (const FileReason* reason = Failure(Operation::Lock, path)) {
        return {LockAttempt::Result::Failed, nullptr, *reason};
    }
    if (locked_.count(path) > 0) return {LockAttempt::Result::Busy, nullptr, {}};
    files_[path];  // created if need be, never emptied
    locked_.insert(path);
    return {LockAttempt::Result::Acquired, std::make_unique<MemoryLockedFile>(*this, path), {}};
}

}  // namespace brisel::test
