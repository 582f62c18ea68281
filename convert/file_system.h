#pragma once
// The file operations a conversion makes, so that it can run on the disk, on
// files held in memory, or on a file system that fails on purpose in tests.
// Every failure carries the system's reason, worded by the system.

#include <memory>
#include <string>

#include "convert/byte_stream.h"

namespace brisel {

// Open or not: a file that could not be opened reports Failed() at once.
class ReadableFile : public ByteSource {};

// Opening creates the file or empties an existing one.
class WritableFile : public ByteSink {
public:
    // Closes and reports whether everything reached the file.
    virtual bool Close() = 0;
    // Whether the file is a plain file (not a device, pipe or link target),
    // the only kind a failed conversion removes.
    virtual bool IsRegularFile() const = 0;
};

// Held while it lives; another holder of the same path is refused meanwhile.
class FileLock {
public:
    virtual ~FileLock() = default;
};

struct LockAttempt {
    enum class Result { Acquired, Busy, Failed };
    Result result = Result::Failed;
    std::unique_ptr<FileLock> lock;  // when Acquired
    std::string error;               // when Failed
};

class FileSystem {
public:
    virtual ~FileSystem() = default;
    virtual std::unique_ptr<ReadableFile> OpenForReading(const std::string& path) = 0;
    virtual std::unique_ptr<WritableFile> OpenForWriting(const std::string& path) = 0;
    virtual bool Exists(const std::string& path) = 0;
    virtual bool Remove(const std::string& path) = 0;
    virtual bool IsLink(const std::string& path) = 0;
    // Cuts the file (behind a link: the file it points at) to nothing.
    virtual bool Truncate(const std::string& path) = 0;
    // True when two spellings name one file.
    virtual bool SameFile(const std::string& a, const std::string& b) = 0;
    // Opens the file, creating it if need be and never emptying it, and takes
    // an exclusive lock on it without waiting.
    virtual LockAttempt Lock(const std::string& path) = 0;
};

}  // namespace brisel
