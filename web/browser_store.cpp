#include "web/browser_store.h"

#include <emscripten/emscripten.h>

#include <cerrno>
#include <cstring>
#include <string_view>

#include "web/block_file.h"

// Defined by the worker script, on the files it opened: the number of a free
// one or -1; each write and read returns the bytes done, or -1 and the
// browser's reason then.
EM_JS(int, TakeStorageFile, (), { return takeStorageFile(); });
EM_JS(void, TruncateStorageFile, (int file), { truncateStorageFile(file); });
EM_JS(void, FreeStorageFile, (int file), { freeStorageFile(file); });
EM_JS(void, KeepStorageFile, (int file), { keepStorageFile(file); });
EM_JS(double, WriteStorageFile, (int file, const char* data, double size, double at),
      { return writeStorageFile(file, data, size, at); });
EM_JS(double, ReadStorageFile, (int file, char* data, double size, double at),
      { return readStorageFile(file, data, size, at); });
EM_JS(void, StorageError, (char* text, int size), { stringToUTF8(storageError(), text, size); });
// Defined by the worker script: the new netlist in memory, block by block,
// and its end.
EM_JS(void, AddResultBlock, (const char* data, int size), { addResultBlock(data, size); });
EM_JS(void, EndResult, (), { endResult(); });

namespace brisel::web {

namespace {

std::string Reason() {
    char text[256];
    StorageError(text, sizeof text);
    return text;
}

class StorageFile : public FileStore {
public:
    explicit StorageFile(int file) : file_(file) {}
    ~StorageFile() override { FreeStorageFile(file_); }
    StorageFile(const StorageFile&) = delete;
    StorageFile& operator=(const StorageFile&) = delete;

    bool Append(const char* data, std::size_t size, std::string& error) override {
        const double written = WriteStorageFile(file_, data, static_cast<double>(size), static_cast<double>(size_));
        if (written != static_cast<double>(size)) {
            // A write cut short without a reason: the storage is full.
            error = written < 0 ? Reason() : std::strerror(ENOSPC);
            return false;
        }
        size_ += size;
        return true;
    }
    bool ReadAt(std::size_t offset, char* data, std::size_t size, std::size_t& read,
                std::string& error) const override {
        const double done = ReadStorageFile(file_, data, static_cast<double>(size), static_cast<double>(offset));
        if (done < 0) {
            error = Reason();
            return false;
        }
        read = static_cast<std::size_t>(done);
        return true;
    }
    std::size_t Size() const override { return size_; }
    void Clear() override {
        TruncateStorageFile(file_);
        size_ = 0;
    }
    void Keep() const { KeepStorageFile(file_); }

private:
    int file_;
    std::size_t size_ = 0;
};

}  // namespace

std::shared_ptr<FileStore> NewPageStore() {
    const int file = TakeStorageFile();
    if (file < 0) return std::make_shared<BlockFile>();
    return std::make_shared<StorageFile>(file);
}

void HandOver(const FileStore& file) {
    if (const auto* stored = dynamic_cast<const StorageFile*>(&file)) return stored->Keep();
    for (const std::string_view block : dynamic_cast<const BlockFile&>(file).Blocks()) {
        AddResultBlock(block.data(), static_cast<int>(block.size()));
    }
    EndResult();
}

}  // namespace brisel::web
