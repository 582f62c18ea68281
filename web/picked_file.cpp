#include "web/picked_file.h"

#include <emscripten/emscripten.h>

#include <cstdint>

// Defined by the worker script: copies up to `size` bytes of the picked file
// from `offset` to `data` and returns how many, or -1 when the browser could
// not read it, and the browser's reason then.
EM_JS(double, ReadPickedFile, (double offset, char* data, double size), { return readPickedFile(offset, data, size); });
EM_JS(void, PickedFileError, (char* text, int size), { stringToUTF8(storageError(), text, size); });

namespace brisel::web {

namespace {

class PickedFile : public ReadableFile {
public:
    std::size_t Read(char* data, std::size_t size) override {
        if (Failed()) return 0;
        const double read = ReadPickedFile(static_cast<double>(offset_), data, static_cast<double>(size));
        if (read < 0) {
            char reason[256];
            PickedFileError(reason, sizeof reason);
            error_ = SystemReason(reason);
            return 0;
        }
        offset_ += static_cast<std::uint64_t>(read);
        return static_cast<std::size_t>(read);
    }
    bool Failed() const override { return static_cast<bool>(error_); }
    FileReason Error() const override { return error_; }

private:
    std::uint64_t offset_ = 0;
    FileReason error_;
};

}  // namespace

std::unique_ptr<ReadableFile> OpenPickedFile() { return std::make_unique<PickedFile>(); }

}  // namespace brisel::web
