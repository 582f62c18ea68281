#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "file_system/native_handle.h"

namespace brisel {

FileReason LastSystemError() { return SystemError(errno); }

// A close cut short by a signal has closed the descriptor all the same.
bool CloseNative(NativeHandle handle) { return ::close(handle) == 0 || errno == EINTR; }

bool DescribeHandle(NativeHandle handle, FileIdentity& identity, bool& regular) {
    struct stat info {};
    if (::fstat(handle, &info) != 0) return false;
    identity = {static_cast<std::uint64_t>(info.st_dev), static_cast<std::uint64_t>(info.st_ino)};
    regular = S_ISREG(info.st_mode);
    return true;
}

}  // namespace brisel
