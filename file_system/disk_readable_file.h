#pragma once
// A file of the disk read through the system's handle. Bytes pass unchanged,
// so line ends are exactly what the conversion reads on every platform.
// Every read fails once an interruption was asked for.

#include <cstdint>
#include <string>

#include "file_system/file_system.h"
#include "file_system/native_handle.h"

namespace brisel {

class DiskReadableFile : public ReadableFile {
public:
    // Reads `handle`, closing it at the end when it is `owned`; with
    // `atOffsets`, from the file's start at positions of its own, leaving
    // the handle's position alone.
    DiskReadableFile(NativeHandle handle, bool owned, bool atOffsets = false);
    // A file that could not be opened.
    explicit DiskReadableFile(FileReason error) : error_(std::move(error)) {}
    ~DiskReadableFile() override;
    DiskReadableFile(const DiskReadableFile&) = delete;
    DiskReadableFile& operator=(const DiskReadableFile&) = delete;

    std::size_t Read(char* data, std::size_t size) override;
    bool Failed() const override { return static_cast<bool>(error_); }
    FileReason Error() const override { return error_; }

private:
    bool open_ = false;
    NativeHandle handle_{};
    bool owned_ = false;
    bool atOffsets_ = false;
    std::uint64_t offset_ = 0;
    FileReason error_;
};

}  // namespace brisel
