#include <windows.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "convert/disk_file.h"
#include "convert/interruption.h"

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

constexpr DWORD kLargestBlock = 1u << 30;

}  // namespace

std::string LastSystemError() { return SystemError(ErrorNumber(GetLastError())); }

bool CloseNative(NativeHandle handle) { return CloseHandle(handle) != 0; }

bool DescribeHandle(NativeHandle handle, FileIdentity& identity, bool& regular) {
    BY_HANDLE_FILE_INFORMATION info{};
    regular = false;
    if (!GetFileInformationByHandle(handle, &info)) return false;
    identity = {info.dwVolumeSerialNumber, (std::uint64_t{info.nFileIndexHigh} << 32) | info.nFileIndexLow};
    regular = GetFileType(handle) == FILE_TYPE_DISK && (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
    return true;
}

// A pipe whose writer has gone, and a position past the end, are the end.
std::size_t DiskReadableFile::Read(char* data, std::size_t size) {
    if (!open_ || Failed()) return 0;
    if (InterruptionRequested()) {
        error_ = SystemError(EINTR);
        return 0;
    }
    OVERLAPPED at{};
    at.Offset = static_cast<DWORD>(offset_);
    at.OffsetHigh = static_cast<DWORD>(offset_ >> 32);
    DWORD n = 0;
    const DWORD wanted = static_cast<DWORD>(std::min<std::size_t>(size, kLargestBlock));
    if (!ReadFile(handle_, data, wanted, &n, atOffsets_ ? &at : nullptr)) {
        const DWORD code = GetLastError();
        if (code != ERROR_BROKEN_PIPE && code != ERROR_HANDLE_EOF) error_ = SystemError(ErrorNumber(code));
        return 0;
    }
    offset_ += n;
    return n;
}

bool DiskWritableFile::Write(const char* data, std::size_t size) {
    if (!open_ || Failed()) return false;
    for (std::size_t done = 0; done < size;) {
        if (InterruptionRequested()) {
            error_ = SystemError(EINTR);
            return false;
        }
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
