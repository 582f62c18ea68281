#pragma once
// The disk as the conversion sees it, with one difference: the bytes of the
// source's first reading are handed to the checker of `--verify` as the
// conversion reads them, so that a source that can be read only once (a
// pipe) is checked on what the conversion read.

#include <memory>
#include <optional>
#include <string>

#include "cli/verify/verify.h"
#include "convert/file_system.h"

namespace brisel::cli {

class SourceTap : public FileSystem {
public:
    SourceTap(FileSystem& files, std::string sourcePath, verify::Verifier& verifier)
        : files_(files), sourcePath_(std::move(sourcePath)), verifier_(verifier) {}

    std::unique_ptr<ReadableFile> OpenForReading(const std::string& path) override;
    std::unique_ptr<WritableFile> OpenForWriting(const std::string& path) override {
        return files_.OpenForWriting(path);
    }
    std::unique_ptr<WritableFile> CreateNew(const std::string& path) override { return files_.CreateNew(path); }
    bool Exists(const std::string& path) override { return files_.Exists(path); }
    bool Remove(const std::string& path) override { return files_.Remove(path); }
    bool Truncate(const std::string& path) override { return files_.Truncate(path); }
    bool SameFile(const std::string& a, const std::string& b) override { return files_.SameFile(a, b); }
    FolderState Folder(const std::string& folder) override { return files_.Folder(folder); }
    std::optional<std::string> Replaceable(const std::string& path) override { return files_.Replaceable(path); }
    bool Replace(const std::string& from, const std::string& to, std::string& error) override {
        return files_.Replace(from, to, error);
    }
    std::optional<std::string> Unusable(const std::string& path) override { return files_.Unusable(path); }
    LockAttempt Lock(const std::string& path, bool wait) override { return files_.Lock(path, wait); }

private:
    FileSystem& files_;
    std::string sourcePath_;
    verify::Verifier& verifier_;
    bool tapped_ = false;
};

}  // namespace brisel::cli
