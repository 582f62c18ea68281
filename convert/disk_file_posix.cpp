#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "convert/disk_file.h"
#include "convert/interruption.h"

namespace brisel {

std::string SystemError(int code) {
    std::string text = std::strerror(code);
    return text.empty() ? "Unknown error" : text;
}

std::string LastSystemError() { return SystemError(errno); }

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

DiskReadableFile::DiskReadableFile(NativeHandle handle, bool owned, bool atOffsets)
    : open_(true), handle_(handle), owned_(owned), atOffsets_(atOffsets) {}

DiskReadableFile::~DiskReadableFile() {
    if (open_ && owned_) ::close(handle_);
}

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

DiskWritableFile::DiskWritableFile(NativeHandle handle, bool owned) : open_(true), handle_(handle), owned_(owned) {
    DescribeHandle(handle, identity_, regular_);
}

DiskWritableFile::~DiskWritableFile() {
    if (open_ && owned_) ::close(handle_);
}

bool DiskWritableFile::Fail() {
    if (error_.empty()) error_ = LastSystemError();
    return false;
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

bool DiskWritableFile::Close() {
    if (!open_) return !Failed();
    open_ = false;
    if (owned_ && ::close(handle_) != 0 && errno != EINTR) return Fail();
    return !Failed();
}

bool DiskWritableFile::Truncate() {
    if (!open_) return false;
    return (::ftruncate(handle_, 0) == 0 && ::lseek(handle_, 0, SEEK_SET) == 0) || Fail();
}

std::unique_ptr<ReadableFile> DiskWritableFile::ReadBack() {
    if (!open_) return std::make_unique<DiskReadableFile>(SystemError(EBADF));
    return std::make_unique<DiskReadableFile>(handle_, false, true);
}

}  // namespace brisel
