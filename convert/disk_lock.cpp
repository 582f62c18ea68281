#include "convert/disk_lock.h"

#include "convert/text_file.h"

#ifdef _WIN32
#include <windows.h>

#include "common/native_path.h"
#else
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#endif

namespace brisel {

#ifdef _WIN32

namespace {

class WindowsLock : public FileLock {
public:
    explicit WindowsLock(HANDLE file) : file_(file) {}
    ~WindowsLock() override { CloseHandle(file_); }

private:
    HANDLE file_;
};

LockAttempt Failed(DWORD code) {
    return {LockAttempt::Result::Failed, nullptr, "Windows error " + std::to_string(code)};
}

bool IsPlainFile(HANDLE file) {
    BY_HANDLE_FILE_INFORMATION info{};
    return GetFileInformationByHandle(file, &info) &&
           (info.dwFileAttributes & (FILE_ATTRIBUTE_REPARSE_POINT | FILE_ATTRIBUTE_DIRECTORY)) == 0;
}

// Windows locks are mandatory, so the lock covers a byte far past any data
// the file will ever hold, and the conversion's own writes are not blocked.
LockAttempt TryLock(const std::string& path) {
    HANDLE file = CreateFileW(NativePath(path).c_str(), GENERIC_READ | GENERIC_WRITE,
                              FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
    if (file == INVALID_HANDLE_VALUE) return Failed(GetLastError());
    if (!IsPlainFile(file)) {
        CloseHandle(file);
        return Failed(ERROR_ACCESS_DENIED);
    }
    OVERLAPPED lockRange{};
    lockRange.Offset = 0;
    lockRange.OffsetHigh = 0x7FFFFFF0;
    if (!LockFileEx(file, LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, 1, 0, &lockRange)) {
        const DWORD code = GetLastError();
        CloseHandle(file);
        if (code == ERROR_LOCK_VIOLATION || code == ERROR_IO_PENDING) return {LockAttempt::Result::Busy, nullptr, {}};
        return Failed(code);
    }
    return {LockAttempt::Result::Acquired, std::make_unique<WindowsLock>(file), {}};
}

}  // namespace

// A holder that ends deletes the file, which a waiting handle would keep
// half-deleted; so a waiting run asks again now and then instead.
LockAttempt LockOnDisk(const std::string& path, bool wait) {
    LockAttempt attempt = TryLock(path);
    while (wait && attempt.result == LockAttempt::Result::Busy) {
        Sleep(100);
        attempt = TryLock(path);
    }
    return attempt;
}

#else

namespace {

class PosixLock : public FileLock {
public:
    explicit PosixLock(int fd) : fd_(fd) {}
    ~PosixLock() override { close(fd_); }

private:
    int fd_;
};

LockAttempt Failed() { return {LockAttempt::Result::Failed, nullptr, SystemError()}; }

// Whether the open file is still the one the path names: a run that ends
// removes the file it locked, and a lock on a removed file protects nothing.
bool StillNamedBy(int fd, const std::string& path) {
    struct stat open {
    }, named{};
    return fstat(fd, &open) == 0 && stat(path.c_str(), &named) == 0 && open.st_dev == named.st_dev &&
           open.st_ino == named.st_ino;
}

bool IsPlainFile(int fd) {
    struct stat info {};
    return fstat(fd, &info) == 0 && S_ISREG(info.st_mode);
}

}  // namespace

// O_NONBLOCK keeps a planted pipe from stalling the open; a blocking flock
// queues the waiting runs.
LockAttempt LockOnDisk(const std::string& path, bool wait) {
    for (;;) {
        const int fd = open(path.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0666);
        if (fd < 0) return Failed();
        if (!IsPlainFile(fd)) {
            close(fd);
            errno = EINVAL;
            return Failed();
        }
        if (flock(fd, wait ? LOCK_EX : LOCK_EX | LOCK_NB) != 0) {
            const int code = errno;
            close(fd);
            if (code == EWOULDBLOCK) return {LockAttempt::Result::Busy, nullptr, {}};
            errno = code;
            return Failed();
        }
        if (StillNamedBy(fd, path)) return {LockAttempt::Result::Acquired, std::make_unique<PosixLock>(fd), {}};
        close(fd);  // the file was removed meanwhile: lock the new one
    }
}

#endif

}  // namespace brisel
