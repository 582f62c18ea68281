#include "web/page_file_system.h"

#include <cerrno>
#include <cstring>

namespace brisel::web {

namespace {

// Reads a block file from its start; a file read once lets go of each block
// as soon as it has been read.
class BlockReader : public ReadableFile {
public:
    BlockReader(std::shared_ptr<BlockFile> file, bool readOnce) : file_(std::move(file)), readOnce_(readOnce) {}
    std::size_t Read(char* data, std::size_t size) override {
        const std::size_t n = file_->ReadAt(offset_, data, size);
        offset_ += n;
        if (readOnce_) file_->Release(offset_);
        return n;
    }
    bool Failed() const override { return false; }
    std::string Error() const override { return {}; }

private:
    std::shared_ptr<BlockFile> file_;
    bool readOnce_;
    std::size_t offset_ = 0;
};

class FailedReader : public ReadableFile {
public:
    explicit FailedReader(std::string error) : error_(std::move(error)) {}
    std::size_t Read(char*, std::size_t) override { return 0; }
    bool Failed() const override { return true; }
    std::string Error() const override { return error_; }

private:
    std::string error_;
};

class BlockWriter : public WritableFile {
public:
    BlockWriter(const PageFileSystem& files, std::shared_ptr<BlockFile> file) : files_(files), file_(std::move(file)) {}
    BlockWriter(const PageFileSystem& files, std::string error) : files_(files), error_(std::move(error)) {}
    bool Write(const char* data, std::size_t size) override {
        if (Failed()) return false;
        if (size > files_.MemoryLeft() || !file_->Append(data, size)) error_ = std::strerror(ENOMEM);
        return !Failed();
    }
    bool Sync() override { return !Failed(); }
    bool Close() override { return !Failed(); }
    bool Failed() const override { return !error_.empty(); }
    std::string Error() const override { return error_; }
    bool IsRegularFile() const override { return true; }

private:
    const PageFileSystem& files_;
    std::shared_ptr<BlockFile> file_;
    std::string error_;
};

class PageLock : public FileLock {
public:
    PageLock(PageFileSystem& files, std::string path) : files_(files), path_(std::move(path)) {}
    ~PageLock() override { files_.Unlock(path_); }

private:
    PageFileSystem& files_;
    std::string path_;
};

}  // namespace

std::shared_ptr<const BlockFile> PageFileSystem::File(const std::string& path) const {
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
    if (file == files_.end()) return std::make_unique<FailedReader>(std::strerror(ENOENT));
    if (file->second->PartlyReleased())
        return std::make_unique<FailedReader>("its bytes were let go as they were read");
    return std::make_unique<BlockReader>(file->second, readOnce_.count(path) > 0);
}

std::unique_ptr<WritableFile> PageFileSystem::OpenForWriting(const std::string& path) {
    auto& file = files_[path];
    if (file) {
        file->Clear();
    } else {
        file = std::make_shared<BlockFile>();
    }
    return std::make_unique<BlockWriter>(*this, file);
}

std::unique_ptr<WritableFile> PageFileSystem::CreateNew(const std::string& path) {
    if (Exists(path)) return std::make_unique<BlockWriter>(*this, std::strerror(EEXIST));
    return OpenForWriting(path);
}

bool PageFileSystem::Truncate(const std::string& path) {
    const auto file = files_.find(path);
    if (file == files_.end()) return false;
    file->second->Clear();
    return true;
}

FolderState PageFileSystem::Folder(const std::string& folder) {
    return folder.empty() ? FolderState::Writable : FolderState::Missing;
}

bool PageFileSystem::Replace(const std::string& from, const std::string& to, std::string& error) {
    const auto file = files_.find(from);
    if (file == files_.end()) {
        error = std::strerror(ENOENT);
        return false;
    }
    files_[to] = std::move(file->second);
    files_.erase(from);
    return true;
}

LockAttempt PageFileSystem::Lock(const std::string& path, bool) {
    if (!locked_.insert(path).second) return {LockAttempt::Result::Busy, nullptr, {}};
    auto& file = files_[path];
    if (!file) file = std::make_shared<BlockFile>();
    return {LockAttempt::Result::Acquired, std::make_unique<PageLock>(*this, path), {}};
}

std::size_t PageFileSystem::MemoryLeft() const {
    std::size_t held = 0;
    for (const auto& file : files_) held += file.second->HeldBytes();
    return held < memoryLimit_ ? memoryLimit_ - held : 0;
}

}  // namespace brisel::web
