#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "convert/disk_file.h"
#include "convert/interruption.h"

namespace brisel {

std::string LastSystemError() { return SystemError(errno); }

// A close cut short by a signal has closed the descriptor all the same.
bool CloseNative(NativeHandle handle) { return ::close(handle) == 0 || errno == EINTR; }

bool DescribeHandle(NativeHandle handle, FileIdentity& identity, bool& regular) {
    struct stat info {};
    if (::fstat(handle, &info) != 0) return false;
    identity = {static_cast<std::uint64_t>(info.st_dev), static_cast<std::uint64_t>(info.st_ino)};
    regular = S_ISREG(info.st_mode);
    return true;
}

namespace {

// A call cut short by a signal is made again, unless the signal asked the
// run to stop.
bool Interrupted(ssize_t result) { return result < 0 && errno == EINTR && !InterruptionRequested(); }

std::string InterruptedReason() { return SystemError(EINTR); }

}  // namespace

std::size_t DiskReadableFile::Read(char* data, std::size_t size) {
    if (!open_ || Failed()) return 0;
    if (InterruptionRequested()) {
        error_ = InterruptedReason();
        return 0;
    }
    ssize_t n = 0;
    do {
        n = atOffsets_ ? ::pread(handle_, data, size, static_cast<off_t>(offset_)) : ::read(handle_, data, size);
    } while (Interrupted(n));
    if (n < 0) {
        error_ = LastSystemError();
        return 0;
    }
    offset_ += static_cast<std::uint64_t>(n);
    return static_cast<std::size_t>(n);
}

bool DiskWritableFile::Write(const char* data, std::size_t size) {
    if (!open_ || Failed()) return false;
    for (std::size_t done = 0; done < size;) {
        if (InterruptionRequested()) {
            error_ = InterruptedReason();
            return false;
        }
        const ssize_t n = ::write(handle_, data + done, size - done);
        if (Interrupted(n)) continue;
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
    } while (Interrupted(result));
    return result == 0 || Fail();
}

bool DiskWritableFile::Truncate() {
    if (!open_) return false;
    return (::ftruncate(handle_, 0) == 0 && ::lseek(handle_, 0, SEEK_SET) == 0) || Fail();
}

}  // namespace brisel
