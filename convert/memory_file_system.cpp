#include "convert/memory_file_system.h"

#include <algorithm>
#include <cstring>

namespace brisel {

namespace {

using Operation = MemoryFileSystem::Operation;

// Reads what the file held when it was opened.
class MemoryReadableFile : public ReadableFile {
public:
    MemoryReadableFile(const MemoryFileSystem& files, const std::string& path, std::string error)
        : files_(files), path_(path), bytes_(files.Bytes(path)), error_(std::move(error)) {}
    std::size_t Read(char* data, std::size_t size) override {
        if (Failed()) return 0;
        if (const std::string* reason = files_.Failure(Operation::Read, path_)) {
            error_ = *reason;
            return 0;
        }
        const std::size_t n = std::min(size, bytes_.size() - pos_);
        std::memcpy(data, bytes_.data() + pos_, n);
        pos_ += n;
        return n;
    }
    bool Failed() const override { return !error_.empty(); }
    std::string Error() const override { return error_; }

private:
    const MemoryFileSystem& files_;
    std::string path_;
    std::string bytes_;
    std::size_t pos_ = 0;
    std::string error_;
};

class MemoryWritableFile : public WritableFile {
public:
    MemoryWritableFile(MemoryFileSystem& files, const std::string& path, std::string error)
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
    bool Failed() const override { return !error_.empty(); }
    std::string Error() const override { return error_; }
    bool IsRegularFile() const override { return true; }

private:
    bool Check(Operation operation) {
        if (Failed()) return false;
        if (const std::string* reason = files_.Failure(operation, path_)) error_ = *reason;
        return !Failed();
    }

    MemoryFileSystem& files_;
    std::string path_;
    std::string error_;
    bool closed_ = false;
};

class MemoryLock : public FileLock {
public:
    MemoryLock(MemoryFileSystem& files, std::string path) : files_(files), path_(std::move(path)) {}
    ~MemoryLock() override { files_.Unlock(path_); }

private:
    MemoryFileSystem& files_;
    std::string path_;
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
    failures_[{operation, path}] = std::move(reason);
}

const std::string* MemoryFileSystem::Failure(Operation operation, const std::string& path) const {
    const auto failure = failures_.find({operation, path});
    return failure == failures_.end() ? nullptr : &failure->second;
}

std::unique_ptr<ReadableFile> MemoryFileSystem::OpenForReading(const std::string& path) {
    std::string error;
    if (const std::string* reason = Failure(Operation::Open, path)) {
        error = *reason;
    } else if (!Exists(path)) {
        error = "No such file or directory";
    }
    return std::make_unique<MemoryReadableFile>(*this, path, std::move(error));
}

std::unique_ptr<WritableFile> MemoryFileSystem::OpenForWriting(const std::string& path) {
    const std::string* reason = Failure(Operation::Open, path);
    if (reason == nullptr) files_[path].clear();
    return std::make_unique<MemoryWritableFile>(*this, path, reason ? *reason : std::string());
}

std::unique_ptr<WritableFile> MemoryFileSystem::CreateNew(const std::string& path) {
    if (Exists(path) || blocked_.count(path) > 0) {
        return std::make_unique<MemoryWritableFile>(*this, path, "File exists");
    }
    return OpenForWriting(path);
}

FolderState MemoryFileSystem::Folder(const std::string& folder) {
    const auto file = files_.lower_bound(folder);
    const bool holdsAFile = file != files_.end() && file->first.compare(0, folder.size(), folder) == 0;
    return holdsAFile ? FolderState::Writable : FolderState::Missing;
}

bool MemoryFileSystem::Replace(const std::string& from, const std::string& to, std::string& error) {
    if (const std::string* reason = Failure(Operation::Rename, from)) {
        error = *reason;
        return false;
    }
    files_[to] = Bytes(from);
    files_.erase(from);
    return true;
}

std::optional<std::string> MemoryFileSystem::Unusable(const std::string& path) {
    const auto why = blocked_.find(path);
    if (why == blocked_.end()) return std::nullopt;
    return why->second;
}

bool MemoryFileSystem::Remove(const std::string& path) {
    if (Failure(Operation::Remove, path) != nullptr) return false;
    return files_.erase(path) > 0;
}

bool MemoryFileSystem::Truncate(const std::string& path) {
    const auto file = files_.find(path);
    if (file == files_.end()) return false;
    file->second.clear();
    return true;
}

LockAttempt MemoryFileSystem::Lock(const std::string& path, bool) {
    if (const std::string* reason = Failure(Operation::Lock, path))
        return {LockAttempt::Result::Failed, nullptr, *reason};
    if (locked_.count(path) > 0) return {LockAttempt::Result::Busy, nullptr, {}};
    files_[path];  // created if need be, never emptied
    locked_.insert(path);
    return {LockAttempt::Result::Acquired, std::make_unique<MemoryLock>(*this, path), {}};
}

}  // namespace brisel
