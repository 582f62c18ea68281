#include "cli/standard_streams.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "common/native_path.h"
#include "messages/messages.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace brisel::cli {

#ifdef _WIN32

// A handle Windows did not give is one that "NUL" stands in for.
void OpenClosedStandardStreams() {
    const DWORD streams[] = {STD_INPUT_HANDLE, STD_OUTPUT_HANDLE, STD_ERROR_HANDLE};
    for (const DWORD stream : streams) {
        const HANDLE handle = GetStdHandle(stream);
        if (handle != nullptr && handle != INVALID_HANDLE_VALUE) continue;
        const DWORD access = stream == STD_INPUT_HANDLE ? GENERIC_READ : GENERIC_WRITE;
        const HANDLE null = CreateFileW(L"NUL", access, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                        FILE_ATTRIBUTE_NORMAL, nullptr);
        if (null != INVALID_HANDLE_VALUE) SetStdHandle(stream, null);
    }
}

bool IsStandardOutput(const std::string& path) {
    BY_HANDLE_FILE_INFORMATION output{}, named{};
    if (!GetFileInformationByHandle(GetStdHandle(STD_OUTPUT_HANDLE), &output)) return false;
    const HANDLE file = CreateFileW(NativePath(path).c_str(), FILE_READ_ATTRIBUTES,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                                    FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    const bool same = GetFileInformationByHandle(file, &named) &&
                      named.dwVolumeSerialNumber == output.dwVolumeSerialNumber &&
                      named.nFileIndexHigh == output.nFileIndexHigh && named.nFileIndexLow == output.nFileIndexLow;
    CloseHandle(file);
    return same;
}

#else

// A device such as /dev/null keeps nothing that the summary could spoil.
bool IsStandardOutput(const std::string& path) {
    struct stat output {
    }, named{};
    if (::fstat(STDOUT_FILENO, &output) != 0 || ::stat(path.c_str(), &named) != 0) return false;
    return !S_ISCHR(named.st_mode) && output.st_dev == named.st_dev && output.st_ino == named.st_ino;
}

// open() takes the lowest free number, which is the closed stream's.
void OpenClosedStandardStreams() {
    for (int fd = 0; fd <= 2; ++fd) {
        if (::fcntl(fd, F_GETFD) != -1 || errno != EBADF) continue;
        if (::open("/dev/null", fd == 0 ? O_RDONLY : O_WRONLY) != fd) ::_exit(1);
    }
}

#endif

namespace {

int outputFailure = 0;

}  // namespace

void NoteStandardOutputFailure(int code) {
    if (outputFailure == 0) outputFailure = code != 0 ? code : EIO;
}

bool StandardOutputWritten() {
    errno = 0;
    if (std::fflush(stdout) != 0) NoteStandardOutputFailure(errno);
    if (std::ferror(stdout) != 0) NoteStandardOutputFailure(EIO);
    if (outputFailure == 0) return true;
    const std::string reason = std::strerror(outputFailure);
    std::fprintf(stderr, "%s\n", messages::OutputErrorLine("brisel-convert", reason).c_str());
    return false;
}

}  // namespace brisel::cli
