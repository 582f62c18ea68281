#pragma once
// Files on the disk, held by the system's handle (a descriptor, or a Windows
// handle) from opening to closing. Bytes pass unchanged, so line ends are
// exactly what the conversion reads and writes on every platform. Every
// operation fails once an interruption was asked for.

#include <cstdint>
#include <string>

#include "convert/file_system.h"

namespace brisel {

#ifdef _WIN32
using NativeHandle = void*;
#else
using NativeHandle = int;
#endif

// Tells files apart whatever their names: the device or volume and the file's
// number on it.
struct FileIdentity {
    std::uint64_t device = 0, file = 0;
    bool operator==(const FileIdentity&) const = default;
};

class DiskReadableFile : public ReadableFile {
public:
    // Reads `handle`, closing it at the end when it is `owned`; with
    // `atOffsets`, from the file's start at positions of its own, leaving
    // the handle's position alone.
    DiskReadableFile(NativeHandle handle, bool owned, bool atOffsets = false);
    // A file that could not be opened.
    explicit DiskReadableFile(std::string error) : error_(std::move(error)) {}
    ~DiskReadableFile() override;
    DiskReadableFile(const DiskReadableFile&) = delete;
    DiskReadableFile& operator=(const DiskReadableFile&) = delete;

    std::size_t Read(char* data, std::size_t size) override;
    bool Failed() const override { return !error_.empty(); }
    std::string Error() const override { return error_; }

private:
    bool open_ = false;
    NativeHandle handle_{};
    bool owned_ = false;
    bool atOffsets_ = false;
    std::uint64_t offset_ = 0;
    std::string error_;
};

class DiskWritableFile : public WritableFile {
public:
    DiskWritableFile(NativeHandle handle, bool owned);
    explicit DiskWritableFile(std::string error) : error_(std::move(error)) {}
    ~DiskWritableFile() override;
    DiskWritableFile(const DiskWritableFile&) = delete;
    DiskWritableFile& operator=(const DiskWritableFile&) = delete;

    bool Write(const char* data, std::size_t size) override;
    bool Sync() override;
    bool Close() override;
    bool Failed() const override { return !error_.empty(); }
    std::string Error() const override { return error_; }
    bool IsRegularFile() const override { return regular_; }
    bool Truncate() override;
    std::unique_ptr<ReadableFile> ReadBack() override;

    // Valid until Close.
    NativeHandle Handle() const { return handle_; }
    bool IsOpen() const { return open_; }
    // As it was when the file was opened.
    const FileIdentity& Identity() const { return identity_; }

private:
    bool Fail();

    bool open_ = false;
    NativeHandle handle_{};
    bool owned_ = false;
    bool regular_ = false;
    FileIdentity identity_;
    std::string error_;
};

// The system's text for an error number.
std::string SystemError(int code);
// The text for the last error of the calling thread.
std::string LastSystemError();

// Closes the handle; false when that failed.
bool CloseNative(NativeHandle handle);

// What the handle is: its identity, and whether it is a plain file.
bool DescribeHandle(NativeHandle handle, FileIdentity& identity, bool& regular);

}  // namespace brisel
