#include "web/browser_file.h"

#include <emscripten/emscripten.h>

#include <cstdint>

// Defined by the worker script: copies up to `size` bytes of the file from
// `offset` to `data` and returns how many, or -1 when the browser could not
// read it, and the browser's reason then.
EM_JS(double, ReadBrowserFile, (int which, double offset, char* data, double size),
      { return readBrowserFile(which, offset, data, size); });
EM_JS(void, BrowserFileError, (char* text, int size), { stringToUTF8(browserFileError(), text, size); });

namespace brisel::web {

namespace {

class BrowserFileReader : public ReadableFile {
public:
    explicit BrowserFileReader(BrowserFile which) : which_(static_cast<int>(which)) {}
    std::size_t Read(char* data, std::size_t size) override {
        if (Failed()) return 0;
        const double read = ReadBrowserFile(which_, static_cast<double>(offset_), data, static_cast<double>(size));
        if (read < 0) {
            char reason[256];
            BrowserFileError(reason, sizeof reason);
            error_ = reason;
            return 0;
        }
        offset_ += static_cast<std::uint64_t>(read);
        return static_cast<std::size_t>(read);
    }
    bool Failed() const override { return !error_.empty(); }
    std::string Error() const override { return error_; }

private:
    int which_;
    std::uint64_t offset_ = 0;
    std::string error_;
};

}  // namespace

std::unique_ptr<ReadableFile> OpenBrowserFile(BrowserFile which) { return std::make_unique<BrowserFileReader>(which); }

}  // namespace brisel::web
