#include "convert/text_file.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstring>

#include "common/native_path.h"

namespace brisel {

std::string SystemError() {
    const int code = errno;
    std::string text = std::strerror(code);
    return text.empty() ? "Unknown error" : text;
}

DiskReadableFile::DiskReadableFile(const std::string& path) {
    errno = 0;
    file_ = OpenFile(path, "rb");
    if (file_ == nullptr) {
        error_ = SystemError();
        return;
    }
    std::setvbuf(file_, nullptr, _IONBF, 0);  // the line reader buffers
}

DiskReadableFile::~DiskReadableFile() {
    if (file_ != nullptr) std::fclose(file_);
}

std::size_t DiskReadableFile::Read(char* data, std::size_t size) {
    if (file_ == nullptr || Failed()) return 0;
    errno = 0;
    const std::size_t n = std::fread(data, 1, size, file_);
    if (n < size && std::ferror(file_)) error_ = SystemError();
    return n;
}

DiskWritableFile::DiskWritableFile(const std::string& path, Opening opening) {
    errno = 0;
    file_ = OpenFile(path, opening);
    if (file_ == nullptr) {
        error_ = SystemError();
        return;
    }
    std::setvbuf(file_, nullptr, _IONBF, 0);  // the line writer buffers
    struct stat info {};
    regular_ = fstat(fileno(file_), &info) == 0 && S_ISREG(info.st_mode);
}

DiskWritableFile::~DiskWritableFile() {
    if (file_ != nullptr) std::fclose(file_);
}

bool DiskWritableFile::Write(const char* data, std::size_t size) {
    if (file_ == nullptr || Failed()) return false;
    errno = 0;
    if (std::fwrite(data, 1, size, file_) != size) {
        error_ = SystemError();
        return false;
    }
    return true;
}

bool DiskWritableFile::Flush() {
    if (file_ == nullptr || Failed()) return !Failed();
    errno = 0;
    if (std::fflush(file_) != 0) error_ = SystemError();
    return !Failed();
}

bool DiskWritableFile::Sync() {
    if (!Flush() || file_ == nullptr) return !Failed();
    errno = 0;
    if (!SyncFile(file_)) error_ = SystemError();
    return !Failed();
}

bool DiskWritableFile::Close() {
    if (file_ == nullptr) return !Failed();
    errno = 0;
    const bool closed = std::fclose(file_) == 0;
    file_ = nullptr;
    if (!closed && !Failed()) error_ = SystemError();
    return !Failed();
}

}  // namespace brisel
