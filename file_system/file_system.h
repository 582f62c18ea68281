#pragma once
// The file operations a conversion makes, so that it can run on the disk, on
// files held in memory, or on a file system that fails on purpose in tests.
// Every failure carries its reason (file_reason.h): the system's words, or a
// code of the file system's own.
//
// The files a run makes are held by their handles from creation to removal:
// they are written, read back, renamed and removed through the folder the
// run holds open, never opened again by name, so that a name swapped for a
// link meanwhile is never followed.

#include <memory>
#include <optional>
#include <string>

#include "file_system/byte_stream.h"
#include "file_system/file_reason.h"

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
    // Cuts the file to nothing, through its handle.
    virtual bool Truncate() = 0;
    // Reads what was written, from its start, through the same handle; the
    // reader lives no longer than this file.
    virtual std::unique_ptr<ReadableFile> ReadBack() = 0;
};

// The run lock of a folder, held while it lives: its file is the run's joined
// copy in that folder. Another holder of the same name is refused meanwhile.
struct LockAttempt {
    enum class Result { Acquired, Busy, Unusable, Failed };
    Result result = Result::Failed;
    std::unique_ptr<WritableFile> file;  // when Acquired
    FileReason error;                    // the reason when Unusable or Failed
};

// A new file under a name of the folder, or why there is none.
struct Creation {
    std::unique_ptr<WritableFile> file;
    bool unusable = false;  // the name is taken by something not to be used
    FileReason error;       // the reason when there is no file
};

// A folder held open from the start of a run to its end. Names are plain file
// names inside it.
class WorkFolder {
public:
    virtual ~WorkFolder() = default;
    // The same for two holders of one folder, and an order between folders
    // that every run follows, so that runs that lock two cannot deadlock.
    virtual std::string Identity() const = 0;
    // Takes the folder's run lock on `name`, at once or Busy, or once the
    // holder lets go when `wait` is set. The file is created if need be and
    // never emptied here; a link, a folder or another user's file under the
    // name is Unusable.
    virtual LockAttempt Lock(const std::string& name, bool wait) = 0;
    // A new file, readable and writable, never through a link. A plain file
    // of this user with no other name is a leftover of an interrupted run
    // and is taken over; anything else under the name is Unusable.
    virtual Creation Create(const std::string& name) = 0;
    // Removes `name` while it still names `file`.
    virtual bool Remove(const std::string& name, WritableFile& file) = 0;
    // Closes `file` and renames it, which `name` must still name, over
    // `target`, giving it the permission bits 0777 that `target` had. False
    // with the reason in `error` (a failed close too), and `unusable` set
    // when `name` no longer names `file`.
    virtual bool Replace(WritableFile& file, const std::string& name, const std::string& target, FileReason& error,
                         bool& unusable) = 0;
};

enum class FolderState { Writable, Missing, NotWritable };

// How a target is written. A plain file of this user with no other name (or
// none yet) is replaced by a new file made beside it; a file with several
// names is written in place, so that every name sees the new netlist; a
// device or a pipe is written in place too, and has no folder of its own for
// the temporary files.
struct TargetPlan {
    enum class Kind { Replace, InPlace, Stream };
    Kind kind = Kind::InPlace;
    // With Replace: the folder of the file the target names once links are
    // followed (ending in its separator; empty for the current folder), and
    // the file's name there.
    std::string folder;
    std::string name;
};

class FileSystem {
public:
    virtual ~FileSystem() = default;
    virtual std::unique_ptr<ReadableFile> OpenForReading(const std::string& path) = 0;
    // Creates the file or empties an existing one, through a link if need be:
    // a target that is written in place.
    virtual std::unique_ptr<WritableFile> OpenForWriting(const std::string& path) = 0;
    virtual std::unique_ptr<ReadableFile> StandardInput() = 0;
    virtual std::unique_ptr<WritableFile> StandardOutput() = 0;
    virtual bool Exists(const std::string& path) = 0;
    // Whether the path is longer than the system takes.
    virtual bool TooLong(const std::string&) { return false; }
    // True when two spellings name one file.
    virtual bool SameFile(const std::string& a, const std::string& b) = 0;
    // An empty folder is the current one.
    virtual FolderState Folder(const std::string& folder) = 0;
    // Opens the folder for a run; nothing, with the reason in `error`, when
    // it cannot be.
    virtual std::unique_ptr<WorkFolder> OpenFolder(const std::string& folder, FileReason& error) = 0;
    virtual TargetPlan PlanTarget(const std::string& path) = 0;
    // A new folder that only this user may enter, for the temporary files of
    // a target that has no folder of its own to use; nothing, with the
    // reason in `error`, when it cannot be made.
    virtual std::optional<std::string> MakePrivateFolder(FileReason& error) = 0;
    // Removes an empty folder.
    virtual void RemoveFolder(const std::string& folder) = 0;
    // Whether a signal or the closing window asked the run to stop; a file
    // operation then fails.
    virtual bool Interrupted() { return false; }
};

}  // namespace brisel
