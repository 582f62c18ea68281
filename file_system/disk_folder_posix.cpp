#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <utility>

#include "file_system/disk_folder.h"
#include "file_system/disk_writable_file.h"
#include "file_system/interruption.h"

namespace brisel {

namespace {

// A name that keeps changing under the run is given up after this many looks.
constexpr int kAttempts = 100;

using Reason = FileReason::Code;

// What a name of the folder holds, looked at without following it.
struct NameState {
    enum class Kind { Free, Leftover, Unusable, Failed };
    Kind kind = Kind::Free;
    FileReason reason;  // with Unusable and Failed
};

FileIdentity IdentityOf(const struct stat& info) {
    return {static_cast<std::uint64_t>(info.st_dev), static_cast<std::uint64_t>(info.st_ino)};
}

// A name that vanished between two looks is free: nothing stands in the way.
NameState Examine(const struct stat& info) {
    if (S_ISLNK(info.st_mode)) return {NameState::Kind::Unusable, Reason::SymbolicLink};
    if (S_ISDIR(info.st_mode)) return {NameState::Kind::Unusable, Reason::Folder};
    if (!S_ISREG(info.st_mode)) return {NameState::Kind::Unusable, Reason::NotPlainFile};
    if (info.st_uid != ::geteuid()) return {NameState::Kind::Unusable, Reason::OtherUser};
    if (info.st_nlink == 0) return {NameState::Kind::Free, {}};
    if (info.st_nlink != 1) return {NameState::Kind::Unusable, Reason::OtherNames};
    return {NameState::Kind::Leftover, {}};
}

class PosixFolder : public WorkFolder {
public:
    PosixFolder(int fd, StepHook hook) : fd_(fd), hook_(std::move(hook)) {
        struct stat info {};
        if (::fstat(fd, &info) == 0) identity_ = IdentityOf(info);
    }
    ~PosixFolder() override { ::close(fd_); }

    std::string Identity() const override { return IdentityText(identity_); }
    LockAttempt Lock(const std::string& name, bool wait) override;
    Creation Create(const std::string& name) override;
    bool Remove(const std::string& name, WritableFile& file) override;
    bool Replace(WritableFile& file, const std::string& name, const std::string& target, FileReason& error,
                 bool& unusable) override;

private:
    NameState Look(const std::string& name) const;
    bool Names(const std::string& name, const FileIdentity& identity) const;
    LockAttempt TryLock(const std::string& name, bool wait, bool& again);
    int OpenLockFile(const std::string& name, bool& again);
    int MakeWritable(const std::string& name, int readOnly);
    void Step(std::string_view step, const std::string& name) const {
        if (hook_) hook_(step, name);
    }

    int fd_;
    StepHook hook_;
    FileIdentity identity_;
};

NameState PosixFolder::Look(const std::string& name) const {
    struct stat info {};
    if (::fstatat(fd_, name.c_str(), &info, AT_SYMLINK_NOFOLLOW) == 0) return Examine(info);
    if (errno == ENOENT) return {};
    return {NameState::Kind::Failed, LastSystemError()};
}

bool PosixFolder::Names(const std::string& name, const FileIdentity& identity) const {
    struct stat info {};
    return ::fstatat(fd_, name.c_str(), &info, AT_SYMLINK_NOFOLLOW) == 0 && S_ISREG(info.st_mode) &&
           IdentityOf(info) == identity;
}

LockAttempt PosixFolder::Lock(const std::string& name, bool wait) {
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
        bool again = false;
        LockAttempt result = TryLock(name, wait, again);
        if (!again) {
            if (result.result == LockAttempt::Result::Acquired) Step("locked", name);
            return result;
        }
    }
    return {LockAttempt::Result::Failed, nullptr, SystemError(EAGAIN)};
}

// O_NONBLOCK keeps a pipe planted meanwhile from stalling the open; a
// blocking flock queues the waiting runs. A lock on a file that was removed
// meanwhile protects nothing: the name is locked again.
LockAttempt PosixFolder::TryLock(const std::string& name, bool wait, bool& again) {
    const NameState state = Look(name);
    if (state.kind == NameState::Kind::Unusable) return {LockAttempt::Result::Unusable, nullptr, state.reason};
    if (state.kind == NameState::Kind::Failed) return {LockAttempt::Result::Failed, nullptr, state.reason};
    const int fd = OpenLockFile(name, again);
    if (fd < 0) return {LockAttempt::Result::Failed, nullptr, again ? FileReason() : LastSystemError()};
    auto file = std::make_unique<DiskWritableFile>(fd, true);
    struct stat info {};
    if (::fstat(fd, &info) != 0) return {LockAttempt::Result::Failed, nullptr, LastSystemError()};
    const NameState opened = Examine(info);
    if (opened.kind == NameState::Kind::Unusable) return {LockAttempt::Result::Unusable, nullptr, opened.reason};
    if (::flock(fd, wait ? LOCK_EX : LOCK_EX | LOCK_NB) != 0) {
        if (errno == EWOULDBLOCK) return {LockAttempt::Result::Busy, nullptr, {}};
        again = errno == EINTR && !InterruptionRequested();
        return {LockAttempt::Result::Failed, nullptr, LastSystemError()};
    }
    again = opened.kind == NameState::Kind::Free || !Names(name, file->Identity());
    if (again) return {};
    return {LockAttempt::Result::Acquired, std::move(file), {}};
}

// A read-only leftover of this user's is made writable again through its
// own descriptor.
int PosixFolder::OpenLockFile(const std::string& name, bool& again) {
    const int fd = ::openat(fd_, name.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0666);
    if (fd >= 0 || errno != EACCES) return fd;
    const int readOnly = ::openat(fd_, name.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (readOnly < 0) {
        again = errno == ENOENT;
        return -1;
    }
    const int writable = MakeWritable(name, readOnly);
    again = writable < 0 && errno == EAGAIN;
    return writable;
}

int PosixFolder::MakeWritable(const std::string& name, int readOnly) {
    DiskWritableFile held(readOnly, true);
    struct stat info {};
    if (::fstat(readOnly, &info) != 0) return -1;
    if (Examine(info).kind != NameState::Kind::Leftover) {
        errno = EACCES;
        return -1;
    }
    if (::fchmod(readOnly, (info.st_mode & 0777) | S_IRUSR | S_IWUSR) != 0) return -1;
    const int fd = ::openat(fd_, name.c_str(), O_RDWR | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return -1;
    FileIdentity identity;
    bool regular = false;
    if (!DescribeHandle(fd, identity, regular) || !(identity == held.Identity())) {
        ::close(fd);
        errno = EAGAIN;
        return -1;
    }
    return fd;
}

Creation PosixFolder::Create(const std::string& name) {
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
        const int fd = ::openat(fd_, name.c_str(), O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (fd >= 0) {
            Creation made{std::make_unique<DiskWritableFile>(fd, true), false, {}};
            Step("created", name);
            return made;
        }
        if (errno != EEXIST) return {nullptr, false, LastSystemError()};
        const NameState state = Look(name);
        if (state.kind == NameState::Kind::Unusable) return {nullptr, true, state.reason};
        if (state.kind == NameState::Kind::Failed) return {nullptr, false, state.reason};
        if (state.kind == NameState::Kind::Leftover && ::unlinkat(fd_, name.c_str(), 0) != 0 && errno != ENOENT) {
            return {nullptr, false, LastSystemError()};
        }
    }
    return {nullptr, false, SystemError(EEXIST)};
}

bool PosixFolder::Remove(const std::string& name, WritableFile& file) {
    const auto& disk = static_cast<DiskWritableFile&>(file);
    return Names(name, disk.Identity()) && ::unlinkat(fd_, name.c_str(), 0) == 0;
}

// Only the permission bits pass to the new file: never set-user-ID,
// set-group-ID or sticky. The folder is synced too, so that the new name
// survives a power cut; a file system that cannot sync folders is no reason
// to fail.
bool PosixFolder::Replace(WritableFile& file, const std::string& name, const std::string& target, FileReason& error,
                          bool& unusable) {
    Step("replacing", name);
    auto& disk = static_cast<DiskWritableFile&>(file);
    struct stat old {};
    if (::fstatat(fd_, target.c_str(), &old, AT_SYMLINK_NOFOLLOW) == 0 && S_ISREG(old.st_mode) &&
        ::fchmod(disk.Handle(), old.st_mode & 0777) != 0) {
        error = LastSystemError();
        return false;
    }
    if (!disk.Close()) {
        error = disk.Error();
        return false;
    }
    if (!Names(name, disk.Identity())) {
        unusable = true;
        error = Reason::ReplacedDuringRun;
        return false;
    }
    if (::renameat(fd_, name.c_str(), fd_, target.c_str()) != 0) {
        error = LastSystemError();
        return false;
    }
    ::fsync(fd_);
    return true;
}

}  // namespace

std::unique_ptr<WorkFolder> OpenDiskFolder(const std::string& folder, StepHook hook, FileReason& error) {
    const int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) {
        error = LastSystemError();
        return nullptr;
    }
    return std::make_unique<PosixFolder>(fd, std::move(hook));
}

}  // namespace brisel
