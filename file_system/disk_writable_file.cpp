#include "file_system/disk_writable_file.h"

#include <cerrno>

#include "file_system/disk_readable_file.h"

namespace brisel {

DiskWritableFile::DiskWritableFile(NativeHandle handle, bool owned) : open_(true), handle_(handle), owned_(owned) {
    DescribeHandle(handle, identity_, regular_);
}

DiskWritableFile::~DiskWritableFile() {
    if (open_ && owned_) CloseNative(handle_);
}

bool DiskWritableFile::Fail() {
    if (!error_) error_ = LastSystemError();
    return false;
}

bool DiskWritableFile::Close() {
    if (!open_) return !Failed();
    open_ = false;
    if (owned_ && !CloseNative(handle_)) return Fail();
    return !Failed();
}

std::unique_ptr<ReadableFile> DiskWritableFile::ReadBack() {
    if (!open_) return std::make_unique<DiskReadableFile>(SystemError(EBADF));
    return std::make_unique<DiskReadableFile>(handle_, false, true);
}

}  // namespace brisel
