#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>

#include "file_system/disk_open.h"
#include "file_system/disk_readable_file.h"
#include "file_system/disk_writable_file.h"
#include "file_system/signal_retry.h"

namespace brisel {

namespace {

// Opening a pipe waits for its other end; a signal that asks the run to stop
// ends the wait.
int OpenRetrying(const std::string& path, int flags) {
    int fd = -1;
    do {
        fd = ::open(path.c_str(), flags | O_CLOEXEC, 0666);
    } while (CallAgain(fd));
    return fd;
}

}  // namespace

std::unique_ptr<ReadableFile> OpenDiskSource(const std::string& path) {
    const int fd = OpenRetrying(path, O_RDONLY);
    if (fd < 0) return std::make_unique<DiskReadableFile>(LastSystemError());
    return std::make_unique<DiskReadableFile>(fd, true);
}

std::unique_ptr<WritableFile> OpenDiskTarget(const std::string& path) {
    const int fd = OpenRetrying(path, O_WRONLY | O_CREAT | O_TRUNC);
    if (fd < 0) return std::make_unique<DiskWritableFile>(LastSystemError());
    return std::make_unique<DiskWritableFile>(fd, true);
}

std::unique_ptr<ReadableFile> StandardInputFile() { return std::make_unique<DiskReadableFile>(STDIN_FILENO, false); }

std::unique_ptr<WritableFile> StandardOutputFile() { return std::make_unique<DiskWritableFile>(STDOUT_FILENO, false); }

std::optional<std::string> MakePrivateDiskFolder(FileReason& error) {
    const char* base = std::getenv("TMPDIR");
    std::string pattern = base != nullptr && *base != '\0' ? base : "/tmp";
    if (pattern.back() != '/') pattern += '/';
    pattern += "brisel-XXXXXX";
    if (::mkdtemp(pattern.data()) == nullptr) {
        error = LastSystemError();
        return std::nullopt;
    }
    return pattern + "/";
}

void RemoveDiskFolder(const std::string& folder) { ::rmdir(folder.c_str()); }

bool OwnedByThisUser(const std::string& path) {
    struct stat info {};
    return ::lstat(path.c_str(), &info) == 0 && info.st_uid == ::geteuid();
}

bool MayWriteIn(const std::string& folder) { return ::access(folder.c_str(), W_OK | X_OK) == 0; }

bool PathTooLong(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) != 0 && errno == ENAMETOOLONG;
}

}  // namespace brisel
