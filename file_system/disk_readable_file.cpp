#include "file_system/disk_readable_file.h"

namespace brisel {

DiskReadableFile::DiskReadableFile(NativeHandle handle, bool owned, bool atOffsets)
    : open_(true), handle_(handle), owned_(owned), atOffsets_(atOffsets) {}

DiskReadableFile::~DiskReadableFile() {
    if (open_ && owned_) CloseNative(handle_);
}

}  // namespace brisel
