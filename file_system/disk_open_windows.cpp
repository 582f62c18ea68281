#include <windows.h>

#include <atomic>
#include <filesystem>

#include "common/native_path.h"
#include "file_system/disk_open.h"
#include "file_system/disk_readable_file.h"
#include "file_system/disk_writable_file.h"

namespace brisel {

std::unique_ptr<ReadableFile> OpenDiskSource(const std::string& path) {
    const HANDLE file = CreateFileW(NativePath(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return std::make_unique<DiskReadableFile>(LastSystemError());
    return std::make_unique<DiskReadableFile>(file, true);
}

std::unique_ptr<WritableFile> OpenDiskTarget(const std::string& path) {
    const HANDLE file = CreateFileW(NativePath(path).c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_ALWAYS,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return std::make_unique<DiskWritableFile>(LastSystemError());
    return std::make_unique<DiskWritableFile>(file, true);
}

std::unique_ptr<ReadableFile> StandardInputFile() {
    return std::make_unique<DiskReadableFile>(GetStdHandle(STD_INPUT_HANDLE), false);
}

std::unique_ptr<WritableFile> StandardOutputFile() {
    return std::make_unique<DiskWritableFile>(GetStdHandle(STD_OUTPUT_HANDLE), false);
}

// %TEMP% is the user's own; a folder of a name no other run uses is made in it.
std::optional<std::string> MakePrivateDiskFolder(FileReason& error) {
    static std::atomic<unsigned> counter{0};
    wchar_t base[MAX_PATH + 1];
    const DWORD length = GetTempPathW(MAX_PATH + 1, base);
    if (length == 0 || length > MAX_PATH) {
        error = LastSystemError();
        return std::nullopt;
    }
    for (int attempt = 0; attempt < 100; ++attempt) {
        const std::wstring name = std::wstring(base, length) + L"brisel-" + std::to_wstring(GetCurrentProcessId()) +
                                  L"-" + std::to_wstring(GetTickCount()) + L"-" + std::to_wstring(counter++);
        if (CreateDirectoryW(name.c_str(), nullptr)) return ProgramPath(std::filesystem::path(name + L"\\"));
        if (GetLastError() != ERROR_ALREADY_EXISTS) break;
    }
    error = LastSystemError();
    return std::nullopt;
}

void RemoveDiskFolder(const std::string& folder) { RemoveDirectoryW(NativePath(folder).c_str()); }

bool OwnedByThisUser(const std::string&) { return true; }

bool MayWriteIn(const std::string&) { return true; }

bool PathTooLong(const std::string& path) {
    return GetFileAttributesW(NativePath(path).c_str()) == INVALID_FILE_ATTRIBUTES &&
           GetLastError() == ERROR_FILENAME_EXCED_RANGE;
}

}  // namespace brisel
