#include <windows.h>

#include <cerrno>
#include <utility>
#include <vector>

#include "common/native_path.h"
#include "file_system/disk_folder.h"
#include "file_system/disk_writable_file.h"
#include "file_system/interruption.h"

namespace brisel {

namespace {

constexpr int kAttempts = 100;
using Reason = FileReason::Code;
constexpr DWORD kShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;
// Links are never followed where a name is opened.
constexpr DWORD kNoLinks = FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT;

struct NameState {
    enum class Kind { Free, Leftover, Unusable, Failed, Pending };
    Kind kind = Kind::Free;
    FileReason reason;
    DWORD attributes = 0;
};

NameState Examine(DWORD attributes, DWORD links) {
    if ((attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0) return {NameState::Kind::Unusable, Reason::SymbolicLink};
    if ((attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) return {NameState::Kind::Unusable, Reason::Folder};
    if (links > 1) return {NameState::Kind::Unusable, Reason::OtherNames};
    return {NameState::Kind::Leftover, {}, attributes};
}

FileIdentity IdentityOf(HANDLE handle) {
    FileIdentity identity;
    bool regular = false;
    DescribeHandle(handle, identity, regular);
    return identity;
}

class WindowsFolder : public WorkFolder {
public:
    WindowsFolder(std::string folder, HANDLE handle, StepHook hook)
        : folder_(std::move(folder)), handle_(handle), hook_(std::move(hook)), identity_(IdentityOf(handle)) {}
    ~WindowsFolder() override { CloseHandle(handle_); }

    std::string Identity() const override { return IdentityText(identity_); }
    LockAttempt Lock(const std::string& name, bool wait) override;
    Creation Create(const std::string& name) override;
    bool Remove(const std::string& name, WritableFile& file) override;
    bool Replace(WritableFile& file, const std::string& name, const std::string& target, FileReason& error,
                 bool& unusable) override;

private:
    std::wstring Path(const std::string& name) const { return NativePath(folder_ + name).wstring(); }
    NameState Look(const std::string& name) const;
    bool Names(const std::string& name, const FileIdentity& identity) const;
    LockAttempt TryLock(const std::string& name, bool& again);
    void Step(std::string_view step, const std::string& name) const {
        if (hook_) hook_(step, name);
    }

    std::string folder_;
    HANDLE handle_;
    StepHook hook_;
    FileIdentity identity_;
};

// A file that a run that ended has deleted stays until its last handle
// closes, and cannot be opened meanwhile: Pending.
NameState WindowsFolder::Look(const std::string& name) const {
    const HANDLE file = CreateFileW(Path(name).c_str(), FILE_READ_ATTRIBUTES, kShareAll, nullptr, OPEN_EXISTING,
                                    kNoLinks | FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        const DWORD code = GetLastError();
        if (code == ERROR_FILE_NOT_FOUND) return {};
        if (code == ERROR_ACCESS_DENIED) return {NameState::Kind::Pending};
        return {NameState::Kind::Failed, LastSystemError()};
    }
    BY_HANDLE_FILE_INFORMATION info{};
    const bool described = GetFileInformationByHandle(file, &info);
    CloseHandle(file);
    if (!described) return {NameState::Kind::Failed, LastSystemError()};
    return Examine(info.dwFileAttributes, info.nNumberOfLinks);
}

bool WindowsFolder::Names(const std::string& name, const FileIdentity& identity) const {
    const HANDLE file =
        CreateFileW(Path(name).c_str(), FILE_READ_ATTRIBUTES, kShareAll, nullptr, OPEN_EXISTING, kNoLinks, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    const bool same = IdentityOf(file) == identity;
    CloseHandle(file);
    return same;
}

// Windows locks are mandatory, so the lock covers a byte far past any data
// the file will ever hold, and the conversion's own writes are not blocked.
// A holder that ends deletes the file, which a waiting handle would keep
// half-deleted; so a waiting run asks again now and then instead.
LockAttempt WindowsFolder::Lock(const std::string& name, bool wait) {
    for (int attempt = 0;; ++attempt) {
        bool again = false;
        LockAttempt result = TryLock(name, again);
        if (!again && !(wait && result.result == LockAttempt::Result::Busy)) {
            if (result.result == LockAttempt::Result::Acquired) Step("locked", name);
            return result;
        }
        if (InterruptionRequested()) return {LockAttempt::Result::Failed, nullptr, SystemError(EINTR)};
        if (!wait && attempt >= kAttempts) return {LockAttempt::Result::Busy, nullptr, {}};
        Sleep(wait ? 100 : 10);
    }
}

LockAttempt WindowsFolder::TryLock(const std::string& name, bool& again) {
    const NameState state = Look(name);
    if (state.kind == NameState::Kind::Unusable) return {LockAttempt::Result::Unusable, nullptr, state.reason};
    if (state.kind == NameState::Kind::Failed) return {LockAttempt::Result::Failed, nullptr, state.reason};
    if (state.kind == NameState::Kind::Pending) return {LockAttempt::Result::Busy, nullptr, {}};
    if ((state.attributes & FILE_ATTRIBUTE_READONLY) != 0) {
        SetFileAttributesW(Path(name).c_str(), state.attributes & ~FILE_ATTRIBUTE_READONLY);
    }
    const HANDLE file = CreateFileW(Path(name).c_str(), GENERIC_READ | GENERIC_WRITE | DELETE, kShareAll, nullptr,
                                    OPEN_ALWAYS, kNoLinks, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        again = GetLastError() == ERROR_ACCESS_DENIED;
        return {LockAttempt::Result::Failed, nullptr, LastSystemError()};
    }
    auto locked = std::make_unique<DiskWritableFile>(file, true);
    BY_HANDLE_FILE_INFORMATION info{};
    if (!GetFileInformationByHandle(file, &info)) return {LockAttempt::Result::Failed, nullptr, LastSystemError()};
    const NameState opened = Examine(info.dwFileAttributes, info.nNumberOfLinks);
    if (opened.kind == NameState::Kind::Unusable) return {LockAttempt::Result::Unusable, nullptr, opened.reason};
    OVERLAPPED lockRange{};
    lockRange.OffsetHigh = 0x7FFFFFF0;
    if (!LockFileEx(file, LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, 1, 0, &lockRange)) {
        const DWORD code = GetLastError();
        if (code == ERROR_LOCK_VIOLATION || code == ERROR_IO_PENDING) return {LockAttempt::Result::Busy, nullptr, {}};
        return {LockAttempt::Result::Failed, nullptr, LastSystemError()};
    }
    again = !Names(name, locked->Identity());
    if (again) return {};
    return {LockAttempt::Result::Acquired, std::move(locked), {}};
}

Creation WindowsFolder::Create(const std::string& name) {
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
        const HANDLE file = CreateFileW(Path(name).c_str(), GENERIC_READ | GENERIC_WRITE | DELETE,
                                        FILE_SHARE_READ | FILE_SHARE_DELETE, nullptr, CREATE_NEW, kNoLinks, nullptr);
        if (file != INVALID_HANDLE_VALUE) {
            Creation made{std::make_unique<DiskWritableFile>(file, true), false, {}};
            Step("created", name);
            return made;
        }
        const DWORD code = GetLastError();
        if (code != ERROR_FILE_EXISTS && code != ERROR_ALREADY_EXISTS && code != ERROR_ACCESS_DENIED) {
            return {nullptr, false, LastSystemError()};
        }
        const NameState state = Look(name);
        if (state.kind == NameState::Kind::Unusable) return {nullptr, true, state.reason};
        if (state.kind == NameState::Kind::Failed) return {nullptr, false, state.reason};
        if (state.kind == NameState::Kind::Pending) Sleep(10);
        if (state.kind != NameState::Kind::Leftover) continue;
        if ((state.attributes & FILE_ATTRIBUTE_READONLY) != 0) {
            SetFileAttributesW(Path(name).c_str(), state.attributes & ~FILE_ATTRIBUTE_READONLY);
        }
        DeleteFileW(Path(name).c_str());
    }
    return {nullptr, false, SystemError(EEXIST)};
}

// An open file is deleted through its own handle, whatever its name is now.
bool WindowsFolder::Remove(const std::string& name, WritableFile& file) {
    auto& disk = static_cast<DiskWritableFile&>(file);
    if (disk.IsOpen()) {
        FILE_DISPOSITION_INFO deletion{TRUE};
        return SetFileInformationByHandle(disk.Handle(), FileDispositionInfo, &deletion, sizeof deletion);
    }
    return Names(name, disk.Identity()) && DeleteFileW(Path(name).c_str());
}

// The open file itself is renamed through its handle. Where the system
// renames by the name the file was opened under instead (Wine does), a file
// swapped in under that name would take the target's place: the name must
// still be the file's.
bool WindowsFolder::Replace(WritableFile& file, const std::string& name, const std::string& target, FileReason& error,
                            bool& unusable) {
    Step("replacing", name);
    auto& disk = static_cast<DiskWritableFile&>(file);
    if (!Names(name, disk.Identity())) {
        unusable = true;
        error = Reason::ReplacedDuringRun;
        return false;
    }
    const std::wstring to = Path(target);
    std::vector<char> buffer(sizeof(FILE_RENAME_INFO) + to.size() * sizeof(wchar_t));
    auto* rename = reinterpret_cast<FILE_RENAME_INFO*>(buffer.data());
    rename->ReplaceIfExists = TRUE;
    rename->RootDirectory = nullptr;
    rename->FileNameLength = static_cast<DWORD>(to.size() * sizeof(wchar_t));
    std::copy(to.begin(), to.end(), rename->FileName);
    if (!SetFileInformationByHandle(disk.Handle(), FileRenameInfo, rename, static_cast<DWORD>(buffer.size()))) {
        error = LastSystemError();
        return false;
    }
    if (!disk.Close()) {
        error = disk.Error();
        return false;
    }
    return true;
}

}  // namespace

std::unique_ptr<WorkFolder> OpenDiskFolder(const std::string& folder, StepHook hook, FileReason& error) {
    const std::wstring path = folder.empty() ? std::wstring(L".") : NativePath(folder).wstring();
    const HANDLE handle = CreateFileW(path.c_str(), FILE_READ_ATTRIBUTES, kShareAll, nullptr, OPEN_EXISTING,
                                      FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        error = LastSystemError();
        return nullptr;
    }
    return std::make_unique<WindowsFolder>(folder, handle, std::move(hook));
}

}  // namespace brisel
