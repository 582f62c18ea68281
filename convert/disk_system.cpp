#include "convert/disk_system.h"

#include "common/native_path.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#endif

namespace brisel {

#ifdef _WIN32

bool OwnedByThisUser(const std::string&) { return true; }

bool MayWriteIn(const std::string&) { return true; }

void MoveOver(const std::string& from, const std::string& to, std::error_code& error) {
    if (!MoveFileExW(NativePath(from).c_str(), NativePath(to).c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        error.assign(static_cast<int>(GetLastError()), std::system_category());
    }
}

#else

bool OwnedByThisUser(const std::string& path) {
    struct stat info {};
    return ::lstat(path.c_str(), &info) == 0 && info.st_uid == ::geteuid();
}

bool MayWriteIn(const std::string& folder) { return ::access(folder.c_str(), W_OK | X_OK) == 0; }

// The folder is synced too, so that the new name survives a power cut; a file
// system that cannot sync folders is no reason to fail.
void MoveOver(const std::string& from, const std::string& to, std::error_code& error) {
    if (::rename(from.c_str(), to.c_str()) != 0) {
        error.assign(errno, std::generic_category());
        return;
    }
    const std::string folder = std::filesystem::path(to).parent_path().string();
    const int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

#endif

}  // namespace brisel
