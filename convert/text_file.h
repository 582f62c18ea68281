#pragma once
// Files on the disk, opened in binary mode, so that line ends are exactly
// what the conversion reads and writes on every platform.

#include <cstdio>
#include <string>

#include "convert/file_system.h"

namespace brisel {

class DiskReadableFile : public ReadableFile {
public:
    explicit DiskReadableFile(const std::string& path);
    ~DiskReadableFile() override;
    std::size_t Read(char* data, std::size_t size) override;
    bool Failed() const override { return !error_.empty(); }
    std::string Error() const override { return error_; }

private:
    std::FILE* file_ = nullptr;
    std::string error_;
};

class DiskWritableFile : public WritableFile {
public:
    enum class Opening { Overwrite, CreateNew };
    DiskWritableFile(const std::string& path, Opening opening);
    ~DiskWritableFile() override;
    bool Write(const char* data, std::size_t size) override;
    bool Flush() override;
    bool Sync() override;
    bool Close() override;
    bool Failed() const override { return !error_.empty(); }
    std::string Error() const override { return error_; }
    bool IsRegularFile() const override { return regular_; }

private:
    std::FILE* file_ = nullptr;
    std::string error_;
    bool regular_ = false;
};

// The system's text for the last error number.
std::string SystemError();

// Opens a file for writing in binary mode, or sets errno and returns null.
// CreateNew refuses any existing name, a link included.
std::FILE* OpenFile(const std::string& path, DiskWritableFile::Opening opening);
// Hands the file's written data on to the disk; sets errno when it fails.
bool SyncFile(std::FILE* file);

}  // namespace brisel
