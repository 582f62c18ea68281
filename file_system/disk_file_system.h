#pragma once
// The conversion's files on the disk.

#include "file_system/disk_folder.h"
#include "file_system/file_system.h"

namespace brisel {

class DiskFileSystem : public FileSystem {
public:
    std::unique_ptr<ReadableFile> OpenForReading(const std::string& path) override;
    std::unique_ptr<WritableFile> OpenForWriting(const std::string& path) override;
    std::unique_ptr<ReadableFile> StandardInput() override;
    std::unique_ptr<WritableFile> StandardOutput() override;
    bool Exists(const std::string& path) override;
    bool TooLong(const std::string& path) override;
    bool SameFile(const std::string& a, const std::string& b) override;
    FolderState Folder(const std::string& folder) override;
    std::unique_ptr<WorkFolder> OpenFolder(const std::string& folder, FileReason& error) override;
    TargetPlan PlanTarget(const std::string& path) override;
    std::optional<std::string> MakePrivateFolder(FileReason& error) override;
    void RemoveFolder(const std::string& folder) override;
    bool Interrupted() override;

    // For tests: called between the steps of a run, in its folders.
    void SetStepHook(StepHook hook) { hook_ = std::move(hook); }

private:
    StepHook hook_;
};

// One for the whole program.
FileSystem& TheDisk();

}  // namespace brisel
