#include <unistd.h>

#include "file_system/disk_readable_file.h"
#include "file_system/signal_retry.h"

namespace brisel {

std::size_t DiskReadableFile::Read(char* data, std::size_t size) {
    if (!open_ || Failed()) return 0;
    if (StopRequested(error_)) return 0;
    ssize_t n = 0;
    do {
        n = atOffsets_ ? ::pread(handle_, data, size, static_cast<off_t>(offset_)) : ::read(handle_, data, size);
    } while (CallAgain(n));
    if (n < 0) {
        error_ = LastSystemError();
        return 0;
    }
    offset_ += static_cast<std::uint64_t>(n);
    return static_cast<std::size_t>(n);
}

}  // namespace brisel
