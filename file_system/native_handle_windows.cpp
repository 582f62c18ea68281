#include <windows.h>

#include <cerrno>

#include "file_system/native_handle.h"

namespace brisel {

namespace {

// The C library's numbers for Windows' errors, so that messages give the
// same reasons on every system.
int ErrorNumber(DWORD code) {
    switch (code) {
        case ERROR_FILE_NOT_FOUND:
        case ERROR_PATH_NOT_FOUND:
        case ERROR_INVALID_DRIVE:
        case ERROR_BAD_NETPATH:
            return ENOENT;
        case ERROR_ACCESS_DENIED:
        case ERROR_SHARING_VIOLATION:
        case ERROR_LOCK_VIOLATION:
        case ERROR_WRITE_PROTECT:
            return EACCES;
        case ERROR_FILE_EXISTS:
        case ERROR_ALREADY_EXISTS:
            return EEXIST;
        case ERROR_DISK_FULL:
        case ERROR_HANDLE_DISK_FULL:
            return ENOSPC;
        case ERROR_FILENAME_EXCED_RANGE:
            return ENAMETOOLONG;
        case ERROR_BROKEN_PIPE:
        case ERROR_NO_DATA:
            return EPIPE;
        case ERROR_DIRECTORY:
            return ENOTDIR;
        case ERROR_NOT_ENOUGH_MEMORY:
        case ERROR_OUTOFMEMORY:
            return ENOMEM;
        case ERROR_OPERATION_ABORTED:
            return EINTR;
        default:
            return EIO;
    }
}

}  // namespace

FileReason LastSystemError() { return SystemError(ErrorNumber(GetLastError())); }

bool CloseNative(NativeHandle handle) { return CloseHandle(handle) != 0; }

bool DescribeHandle(NativeHandle handle, FileIdentity& identity, bool& regular) {
    BY_HANDLE_FILE_INFORMATION info{};
    regular = false;
    if (!GetFileInformationByHandle(handle, &info)) return false;
    identity = {info.dwVolumeSerialNumber, (std::uint64_t{info.nFileIndexHigh} << 32) | info.nFileIndexLow};
    regular = GetFileType(handle) == FILE_TYPE_DISK && (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
    return true;
}

}  // namespace brisel
