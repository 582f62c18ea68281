#include <unistd.h>

#include "file_system/disk_writable_file.h"
#include "file_system/signal_retry.h"

namespace brisel {

bool DiskWritableFile::Write(const char* data, std::size_t size) {
    if (!open_ || Failed()) return false;
    for (std::size_t done = 0; done < size;) {
        if (StopRequested(error_)) return false;
        const ssize_t n = ::write(handle_, data + done, size - done);
        if (CallAgain(n)) continue;
        if (n < 0) return Fail();
        done += static_cast<std::size_t>(n);
    }
    return true;
}

bool DiskWritableFile::Sync() {
    if (!open_ || Failed()) return !Failed();
    int result = 0;
    do {
        result = ::fsync(handle_);
    } while (CallAgain(result));
    return result == 0 || Fail();
}

bool DiskWritableFile::Truncate() {
    if (!open_) return false;
    return (::ftruncate(handle_, 0) == 0 && ::lseek(handle_, 0, SEEK_SET) == 0) || Fail();
}

}  // namespace brisel
