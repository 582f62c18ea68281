#include "web/page_file_system.h"

#include <cerrno>
#include <utility>

namespace brisel::web {

namespace {

// Reads a file from its start; the store of a file read once may let go of
// what has been read.
class StoreReader : public ReadableFile {
public:
    StoreReader(std::shared_ptr<FileStore> file, bool readOnce) : file_(std::move(file)), readOnce_(readOnce) {}
    std::size_t Read(char* data, std::size_t size) override {
        if (Failed()) return 0;
        std::size_t n = 0;
        std::string reason;
        if (!file_->ReadAt(offset_, data, size, n, reason)) {
            error_ = SystemReason(std::move(reason));
            return 0;
        }
        offset_ += n;
        if (readOnce_) file_->Release(offset_);
        return n;
    }
    bool Failed() const override { return static_cast<bool>(error_); }
    FileReason Error() const override { return error_; }

private:
    std::shared_ptr<FileStore> file_;
    bool readOnce_;
    std::size_t offset_ = 0;
    FileReason error_;
};

class FailedReader : public ReadableFile {
public:
    explicit FailedReader(FileReason error) : error_(std::move(error)) {}
    std::size_t Read(char*, std::size_t) override { return 0; }
    bool Failed() const override { return true; }
    FileReason Error() const override { return error_; }

private:
    FileReason error_;
};

class StoreWriter : public WritableFile {
public:
    StoreWriter(const PageFileSystem& files, std::shared_ptr<FileStore> file, bool readOnce)
        : files_(files), file_(std::move(file)), readOnce_(readOnce) {}
    StoreWriter(const PageFileSystem& files, FileReason error) : files_(files), error_(std::move(error)) {}
    bool Write(const char* data, std::size_t size) override {
        if (Failed()) return false;
        if (file_->InWorkerMemory() && size > files_.MemoryLeft()) {
            error_ = SystemError(ENOMEM);
        } else if (std::string reason; !file_->Append(data, size, reason)) {
            error_ = SystemReason(std::move(reason));
        }
        return !Failed();
    }
    // The new netlist is downloaded from here: it need not outlast a crash
    // of the machine.
    bool Sync() override { return !Failed(); }
    bool Close() override { return !Failed(); }
    bool Failed() const override { return static_cast<bool>(error_); }
    FileReason Error() const override { return error_; }
    bool IsRegularFile() const override { return true; }
    bool Truncate() override {
        if (file_) file_->Clear();
        return !Failed();
    }
    std::unique_ptr<ReadableFile> ReadBack() override {
        if (Failed()) return std::make_unique<FailedReader>(error_);
        return std::make_unique<StoreReader>(file_, readOnce_);
    }

private:
    const PageFileSystem& files_;
    std::shared_ptr<FileStore> file_;
    bool readOnce_ = false;
    FileReason error_;
};

// The joined copy, which holds the folder's run lock while it lives.
class LockingWriter : public StoreWriter {
public:
    LockingWriter(PageFileSystem& files, std::shared_ptr<FileStore> file, std::string path)
        : StoreWriter(files, std::move(file), files.IsReadOnce(path)), lockHolder_(files), path_(std::move(path)) {}
    ~LockingWriter() override { lockHolder_.Unlock(path_); }

private:
    PageFileSystem& lockHolder_;
    std::string path_;
};

// The one folder, the current one: names are paths.
class PageFolder : public WorkFolder {
public:
    explicit PageFolder(PageFileSystem& files) : files_(files) {}
    std::string Identity() const override { return {}; }
    LockAttempt Lock(const std::string& name, bool) override { return files_.Lock(name); }
    Creation Create(const std::string& name) override { return {files_.Create(name), false, {}}; }
    bool Remove(const std::string& name, WritableFile&) override { return files_.Remove(name); }
    bool Replace(WritableFile& file, const std::string& name, const std::string& target, FileReason& error,
                 bool&) override {
        if (!file.Close() || !files_.Replace(name, target)) {
            error = file.Failed() ? file.Error() : SystemError(ENOENT);
            return false;
        }
        return true;
    }

private:
    PageFileSystem& files_;
};

}  // namespace

std::shared_ptr<const FileStore> PageFileSystem::File(const std::string& path) const {
    const auto file = files_.find(path);
    return file == files_.end() ? nullptr : file->second;
}

std::set<std::string> PageFileSystem::Paths() const {
    std::set<std::string> paths;
    for (const auto& file : files_) paths.insert(file.first);
    return paths;
}

std::unique_ptr<ReadableFile> PageFileSystem::OpenForReading(const std::string& path) {
    if (path == sourcePath_) return openSource_();
    const auto file = files_.find(path);
    if (file == files_.end()) return std::make_unique<FailedReader>(SystemError(ENOENT));
    if (file->second->PartlyReleased()) return std::make_unique<FailedReader>(FileReason::Code::ReleasedAsRead);
    return std::make_unique<StoreReader>(file->second, IsReadOnce(path));
}

std::unique_ptr<WritableFile> PageFileSystem::OpenForWriting(const std::string&) {
    return std::make_unique<StoreWriter>(*this, SystemError(ENOTSUP));
}

std::unique_ptr<ReadableFile> PageFileSystem::StandardInput() {
    return std::make_unique<FailedReader>(SystemError(ENOTSUP));
}

std::unique_ptr<WritableFile> PageFileSystem::StandardOutput() {
    return std::make_unique<StoreWriter>(*this, SystemError(ENOTSUP));
}

FolderState PageFileSystem::Folder(const std::string& folder) {
    return folder.empty() ? FolderState::Writable : FolderState::Missing;
}

std::unique_ptr<WorkFolder> PageFileSystem::OpenFolder(const std::string& folder, FileReason& error) {
    if (folder.empty()) return std::make_unique<PageFolder>(*this);
    error = SystemError(ENOENT);
    return nullptr;
}

std::optional<std::string> PageFileSystem::MakePrivateFolder(FileReason& error) {
    error = SystemError(ENOTSUP);
    return std::nullopt;
}

std::unique_ptr<WritableFile> PageFileSystem::Create(const std::string& path) {
    auto& file = files_[path];
    if (file) {
        file->Clear();  // a leftover is taken over
    } else {
        file = newStore_();
    }
    return std::make_unique<StoreWriter>(*this, file, IsReadOnce(path));
}

bool PageFileSystem::Remove(const std::string& path) {
    const auto file = files_.find(path);
    if (file == files_.end()) return false;
    file->second->Clear();  // a store of the browser's is then free for another file
    files_.erase(file);
    return true;
}

bool PageFileSystem::Replace(const std::string& from, const std::string& to) {
    const auto file = files_.find(from);
    if (file == files_.end()) return false;
    files_[to] = std::move(file->second);
    files_.erase(from);
    return true;
}

LockAttempt PageFileSystem::Lock(const std::string& path) {
    if (!locked_.insert(path).second) return {LockAttempt::Result::Busy, nullptr, {}};
    auto& file = files_[path];
    if (!file) file = newStore_();
    return {LockAttempt::Result::Acquired, std::make_unique<LockingWriter>(*this, file, path), {}};
}

std::size_t PageFileSystem::MemoryLeft() const {
    std::size_t held = 0;
    for (const auto& file : files_) held += file.second->HeldBytes();
    return held < memoryLimit_ ? memoryLimit_ - held : 0;
}

}  // namespace brisel::web
