#pragma once
// The conversion's files in the page: one folder, the current one, that
// holds the picked netlist, read where the browser keeps it, and the files
// the conversion writes, each in a store of its own: in the browser's storage
// for the page where it gives one, else in the worker's memory as a block
// file. The temporary files, which a conversion reads once from start to
// end, let go of their bytes as they are read, so that a conversion in
// memory holds little more than its new netlist.

#include <functional>
#include <map>
#include <memory>
#include <set>
#include <string>

#include "file_system/file_system.h"
#include "web/block_file.h"

namespace brisel::web {

class PageFileSystem : public FileSystem {
public:
    using SourceOpener = std::function<std::unique_ptr<ReadableFile>()>;
    using StoreMaker = std::function<std::shared_ptr<FileStore>()>;

    // `sourcePath` names the picked netlist, which `openSource` opens; each
    // new file gets a store from `newStore`. Files hold at most `memoryLimit`
    // bytes of memory together; beyond, writing fails as it does when the
    // browser gives no more memory.
    PageFileSystem(std::string sourcePath, SourceOpener openSource, StoreMaker newStore = InMemory,
                   std::size_t memoryLimit = SIZE_MAX)
        : sourcePath_(std::move(sourcePath)),
          openSource_(std::move(openSource)),
          newStore_(std::move(newStore)),
          memoryLimit_(memoryLimit) {}
    static std::shared_ptr<FileStore> InMemory() { return std::make_shared<BlockFile>(); }

    // From now on `path` lets go of its bytes as they are read.
    void ReadOnce(const std::string& path) { readOnce_.insert(path); }
    bool IsReadOnce(const std::string& path) const { return readOnce_.count(path) > 0; }
    // The file written at `path`, or nothing.
    std::shared_ptr<const FileStore> File(const std::string& path) const;
    // Every file written, by name.
    std::set<std::string> Paths() const;

    std::unique_ptr<ReadableFile> OpenForReading(const std::string& path) override;
    // A target is always replaced; these are never asked for.
    std::unique_ptr<WritableFile> OpenForWriting(const std::string& path) override;
    std::unique_ptr<ReadableFile> StandardInput() override;
    std::unique_ptr<WritableFile> StandardOutput() override;
    bool Exists(const std::string& path) override { return path == sourcePath_ || files_.count(path) > 0; }
    bool SameFile(const std::string& a, const std::string& b) override { return a == b; }
    FolderState Folder(const std::string& folder) override;
    std::unique_ptr<WorkFolder> OpenFolder(const std::string& folder, FileReason& error) override;
    TargetPlan PlanTarget(const std::string& path) override { return {TargetPlan::Kind::Replace, "", path}; }
    std::optional<std::string> MakePrivateFolder(FileReason& error) override;
    void RemoveFolder(const std::string&) override {}

    // What the folder does with its files.
    std::unique_ptr<WritableFile> Create(const std::string& path);
    bool Remove(const std::string& path);
    bool Replace(const std::string& from, const std::string& to);
    // One conversion at a time: another holder is told Busy at once.
    LockAttempt Lock(const std::string& path);
    void Unlock(const std::string& path) { locked_.erase(path); }

    // Bytes the files may still take.
    std::size_t MemoryLeft() const;

private:
    std::string sourcePath_;
    SourceOpener openSource_;
    StoreMaker newStore_;
    std::size_t memoryLimit_;
    std::map<std::string, std::shared_ptr<FileStore>> files_;
    std::set<std::string> readOnce_;
    std::set<std::string> locked_;
};

}  // namespace brisel::web
