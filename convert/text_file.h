#pragma once
// Files opened in binary mode, so that line ends are exactly what the
// conversion reads and writes on every platform.

#include <cstdio>
#include <string>

#include "convert/byte_stream.h"

namespace brisel {

class FileSource : public ByteSource {
public:
    ~FileSource() override;
    bool Open(const std::string& path);
    void Close();
    std::size_t Read(char* data, std::size_t size) override;
    bool Failed() const override { return !error_.empty(); }
    std::string Error() const override { return error_; }

private:
    std::FILE* file_ = nullptr;
    std::string error_;
};

// Opening creates the file or empties an existing one.
class FileSink : public ByteSink {
public:
    ~FileSink() override;
    bool Open(const std::string& path);
    // Closes and reports whether everything reached the file.
    bool Close();
    bool Write(const char* data, std::size_t size) override;
    bool Failed() const override { return !error_.empty(); }
    std::string Error() const override { return error_; }
    // Whether the opened file is a plain file (not a device, pipe or link
    // target), which is the only kind a failed conversion removes.
    bool IsRegularFile() const { return regular_; }

private:
    std::FILE* file_ = nullptr;
    std::string error_;
    bool regular_ = false;
};

// The system's text for the last error number.
std::string SystemError();

}  // namespace brisel
