#include <windows.h>

#include <algorithm>

#include "file_system/disk_readable_file.h"

namespace brisel {

// A pipe whose writer has gone, and a position past the end, are the end.
std::size_t DiskReadableFile::Read(char* data, std::size_t size) {
    if (!open_ || Failed()) return 0;
    if (StopRequested(error_)) return 0;
    OVERLAPPED at{};
    at.Offset = static_cast<DWORD>(offset_);
    at.OffsetHigh = static_cast<DWORD>(offset_ >> 32);
    DWORD n = 0;
    const DWORD wanted = static_cast<DWORD>(std::min<std::size_t>(size, kLargestBlock));
    if (!ReadFile(handle_, data, wanted, &n, atOffsets_ ? &at : nullptr)) {
        const DWORD code = GetLastError();
        if (code != ERROR_BROKEN_PIPE && code != ERROR_HANDLE_EOF) error_ = LastSystemError();
        return 0;
    }
    offset_ += n;
    return n;
}

}  // namespace brisel
