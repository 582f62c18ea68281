#include "convert/text_file.h"

#include "common/native_path.h"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <cerrno>
#else
#include <fcntl.h>
#include <unistd.h>
#endif

namespace brisel {

#ifdef _WIN32

namespace {

// CREATE_NEW fails on any existing name; with FILE_FLAG_OPEN_REPARSE_POINT a
// name that is a link is never followed.
std::FILE* CreateNewFile(const std::string& path) {
    const HANDLE handle =
        CreateFileW(NativePath(path).c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_DELETE, nullptr, CREATE_NEW,
                    FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        errno = GetLastError() == ERROR_FILE_EXISTS ? EEXIST : EACCES;
        return nullptr;
    }
    const int fd = _open_osfhandle(reinterpret_cast<intptr_t>(handle), _O_WRONLY | _O_BINARY);
    if (fd < 0) {
        CloseHandle(handle);
        return nullptr;
    }
    std::FILE* file = _fdopen(fd, "wb");
    if (file == nullptr) _close(fd);
    return file;
}

}  // namespace

std::FILE* OpenFile(const std::string& path, DiskWritableFile::Opening opening) {
    if (opening == DiskWritableFile::Opening::CreateNew) return CreateNewFile(path);
    return OpenFile(path, "wb");
}

bool SyncFile(std::FILE* file) { return _commit(_fileno(file)) == 0; }

#else

std::FILE* OpenFile(const std::string& path, DiskWritableFile::Opening opening) {
    if (opening == DiskWritableFile::Opening::Overwrite) return OpenFile(path, "wb");
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
    if (fd < 0) return nullptr;
    std::FILE* file = ::fdopen(fd, "wb");
    if (file == nullptr) ::close(fd);
    return file;
}

bool SyncFile(std::FILE* file) { return ::fsync(::fileno(file)) == 0; }

#endif

}  // namespace brisel
