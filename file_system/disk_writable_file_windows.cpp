#include <windows.h>

#include <algorithm>

#include "file_system/disk_writable_file.h"

namespace brisel {

bool DiskWritableFile::Write(const char* data, std::size_t size) {
    if (!open_ || Failed()) return false;
    for (std::size_t done = 0; done < size;) {
        if (StopRequested(error_)) return false;
        DWORD n = 0;
        const DWORD wanted = static_cast<DWORD>(std::min<std::size_t>(size - done, kLargestBlock));
        if (!WriteFile(handle_, data + done, wanted, &n, nullptr)) return Fail();
        done += n;
    }
    return true;
}

bool DiskWritableFile::Sync() {
    if (!open_ || Failed()) return !Failed();
    return FlushFileBuffers(handle_) || Fail();
}

bool DiskWritableFile::Truncate() {
    if (!open_) return false;
    LARGE_INTEGER start{};
    return (SetFilePointerEx(handle_, start, nullptr, FILE_BEGIN) && SetEndOfFile(handle_)) || Fail();
}

}  // namespace brisel
