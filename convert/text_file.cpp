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

FileSource::~FileSource() { Close(); }

bool FileSource::Open(const std::string& path) {
    Close();
    error_.clear();
    errno = 0;
    file_ = OpenFile(path, "rb");
    if (file_ == nullptr) {
        error_ = SystemError();
        return false;
    }
    std::setvbuf(file_, nullptr, _IONBF, 0);  // the line reader buffers
    return true;
}

void FileSource::Close() {
    if (file_ != nullptr) std::fclose(file_);
    file_ = nullptr;
}

std::size_t FileSource::Read(char* data, std::size_t size) {
    if (file_ == nullptr || Failed()) return 0;
    errno = 0;
    const std::size_t n = std::fread(data, 1, size, file_);
    if (n < size && std::ferror(file_)) error_ = SystemError();
    return n;
}

FileSink::~FileSink() {
    if (file_ != nullptr) std::fclose(file_);
}

bool FileSink::Open(const std::string& path) {
    error_.clear();
    errno = 0;
    file_ = OpenFile(path, "wb");
    if (file_ == nullptr) {
        error_ = SystemError();
        return false;
    }
    std::setvbuf(file_, nullptr, _IONBF, 0);  // the line writer buffers
    struct stat info {};
    regular_ = fstat(fileno(file_), &info) == 0 && S_ISREG(info.st_mode);
    return true;
}

bool FileSink::Write(const char* data, std::size_t size) {
    if (file_ == nullptr || Failed()) return false;
    errno = 0;
    if (std::fwrite(data, 1, size, file_) != size) {
        error_ = SystemError();
        return false;
    }
    return true;
}

bool FileSink::Close() {
    if (file_ == nullptr) return !Failed();
    errno = 0;
    const bool closed = std::fclose(file_) == 0;
    file_ = nullptr;
    if (!closed && !Failed()) error_ = SystemError();
    return !Failed();
}

}  // namespace brisel
