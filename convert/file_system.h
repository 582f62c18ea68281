#pragma once
// The file operations a conversion makes, so that it can run on the disk, on
// files held in memory, or on a file system that fails on purpose in tests.
// Every failure carries the system's reason, worded by the system.

#include <memory>
#include <optional>
#include <string>

#include "convert/byte_stream.h"

namespace brisel {

// Open or not: a file that could not be opened reports Failed() at once.
class ReadableFile : public ByteSource {};

class WritableFile : public ByteSink {
public:
    // Hands everything written so far on to the disk itself.
    virtual bool Sync() = 0;
    // Closes and reports whether everything reached the file.
    virtual bool Close() = 0;
    // Whether the file is a plain file (not a device, pipe or link target).
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

enum class FolderState { Writable, Missing, NotWritable };

class FileSystem {
public:
    virtual ~FileSystem() = default;
    virtual std::unique_ptr<ReadableFile> OpenForReading(const std::string& path) = 0;
    // Creates the file or empties an existing one, through a link if need be.
    virtual std::unique_ptr<WritableFile> OpenForWriting(const std::string& path) = 0;
    // Creates a file that does not exist yet; never opens one that does, nor
    // follows a link.
    virtual std::unique_ptr<WritableFile> CreateNew(const std::string& path) = 0;
    virtual bool Exists(const std::string& path) = 0;
    virtual bool Remove(const std::string& path) = 0;
    // Cuts the file (behind a link: the file it points at) to nothing.
    virtual bool Truncate(const std::string& path) = 0;
    // True when two spellings name one file.
    virtual bool SameFile(const std::string& a, const std::string& b) = 0;
    // An empty folder is the current one.
    virtual FolderState Folder(const std::string& folder) = 0;
    // The file that `path` names once links are followed, when a new file may
    // take its place: it does not exist yet, or it is a plain file of this
    // user with no other name, in a folder this user may write in. Nothing
    // when it must be written in place.
    virtual std::optional<std::string> Replaceable(const std::string& path) = 0;
    // Moves `from` over `to`, giving it the permission bits `to` had; false
    // with the system's reason in `error`.
    virtual bool Replace(const std::string& from, const std::string& to, std::string& error) = 0;
    // Why the name of a temporary file must not be used, or nothing when it
    // is free or a plain file of this user left by an interrupted run.
    virtual std::optional<std::string> Unusable(const std::string& path) = 0;
    // Opens the file, creating it if need be and never emptying it or
    // following a link, and takes an exclusive lock on it: at once or
    // Busy, or once the holder lets go when `wait` is set.
    virtual LockAttempt Lock(const std::string& path, bool wait) = 0;
};

}  // namespace brisel
