#pragma once
// The system's handle of an open file (a descriptor, or a Windows handle),
// and what the disk's files ask of it on every system.

#include <cstddef>
#include <cstdint>
#include <string>

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

// The most bytes one read or write asks of the system: Windows counts them
// in 32 bits.
inline constexpr std::size_t kLargestBlock = std::size_t{1} << 30;

// The system's text for an error number.
std::string SystemError(int code);
// The text for the last error of the calling thread.
std::string LastSystemError();

// Closes the handle; false when that failed.
bool CloseNative(NativeHandle handle);

// What the handle is: its identity, and whether it is a plain file.
bool DescribeHandle(NativeHandle handle, FileIdentity& identity, bool& regular);

}  // namespace brisel
