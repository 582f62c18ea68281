#pragma once
// A file of the disk written through the system's handle from opening to
// closing. Bytes pass unchanged, so line ends are exactly what the conversion
// writes on every platform. Every operation fails once an interruption was
// asked for.

#include <string>

#include "file_system/file_system.h"
#include "file_system/native_handle.h"

namespace brisel {

class DiskWritableFile : public WritableFile {
public:
    DiskWritableFile(NativeHandle handle, bool owned);
    explicit DiskWritableFile(FileReason error) : error_(std::move(error)) {}
    ~DiskWritableFile() override;
    DiskWritableFile(const DiskWritableFile&) = delete;
    DiskWritableFile& operator=(const DiskWritableFile&) = delete;

    bool Write(const char* data, std::size_t size) override;
    bool Sync() override;
    bool Close() override;
    bool Failed() const override { return static_cast<bool>(error_); }
    FileReason Error() const override { return error_; }
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
    FileReason error_;
};

}  // namespace brisel
