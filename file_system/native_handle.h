#pragma once
// The system's handle of an open file (a descriptor, or a Windows handle),
// and what the disk's files ask of it on every system.

#include <cerrno>
#include <cstddef>
#include <cstdint>
#include <string>

#include "file_system/file_reason.h"
#include "file_system/interruption.h"

namespace brisel {

#ifdef _WIN32
using NativeHandle = void*;
#else
using NativeHandle = int;
#endif

// Tells files apart whatever their names: the device or volume and the file's
// number on it.
struct FileIdentity {
    std::uint64_t device = 0, file = 0;
    bool operator==(const FileIdentity&) const = default;
};

// The identity as text, "device:file", equal for two files only when they
// are the same.
std::string IdentityText(const FileIdentity& identity);

// The most bytes one read or write asks of the system: Windows counts them
// in 32 bits.
inline constexpr std::size_t kLargestBlock = std::size_t{1} << 30;

// The words for the last error of the calling thread.
FileReason LastSystemError();

// Whether the run was asked to stop; then `error` says so as an interrupted
// call would, and the file's operation fails.
inline bool StopRequested(FileReason& error) {
    if (!InterruptionRequested()) return false;
    error = SystemError(EINTR);
    return true;
}

// Closes the handle; false when that failed.
bool CloseNative(NativeHandle handle);

// What the handle is: its identity, and whether it is a plain file.
bool DescribeHandle(NativeHandle handle, FileIdentity& identity, bool& regular);

}  // namespace brisel
