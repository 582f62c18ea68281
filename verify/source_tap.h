#pragma once
// The files the conversion is given (the disk, the page's files), with one
// difference: the bytes of the source's first reading are handed to the
// checker as the conversion reads them, so that a source that can be read
// only once (a pipe) is checked on what the conversion read.

#include <memory>
#include <optional>
#include <string>

#include "file_system/file_system.h"
#include "verify/verify.h"

namespace brisel::verify {

class SourceTap : public FileSystem {
public:
    SourceTap(FileSystem& files, std::string sourcePath, Verifier& verifier)
        : files_(files), sourcePath_(std::move(sourcePath)), verifier_(verifier) {}

    std::unique_ptr<ReadableFile> OpenForReading(const std::string& path) override;
    std::unique_ptr<WritableFile> OpenForWriting(const std::string& path) override {
        return files_.OpenForWriting(path);
    }
    std::unique_ptr<ReadableFile> StandardInput() override;
    std::unique_ptr<WritableFile> StandardOutput() override { return files_.StandardOutput(); }
    bool Exists(const std::string& path) override { return files_.Exists(path); }
    bool TooLong(const std::string& path) override { return files_.TooLong(path); }
    bool SameFile(const std::string& a, const std::string& b) override { return files_.SameFile(a, b); }
    FolderState Folder(const std::string& folder) override { return files_.Folder(folder); }
    std::unique_ptr<WorkFolder> OpenFolder(const std::string& folder, FileReason& error) override {
        return files_.OpenFolder(folder, error);
    }
    TargetPlan PlanTarget(const std::string& path) override { return files_.PlanTarget(path); }
    std::optional<std::string> MakePrivateFolder(FileReason& error) override { return files_.MakePrivateFolder(error); }
    void RemoveFolder(const std::string& folder) override { files_.RemoveFolder(folder); }
    bool Interrupted() override { return files_.Interrupted(); }

private:
    std::unique_ptr<ReadableFile> Tapped(std::unique_ptr<ReadableFile> file);

    FileSystem& files_;
    std::string sourcePath_;
    Verifier& verifier_;
    bool tapped_ = false;
};

}  // namespace brisel::verify
