#include "verify/source_tap.h"

#include <string_view>

namespace brisel::verify {
namespace {

class TappedFile : public ReadableFile {
public:
    TappedFile(std::unique_ptr<ReadableFile> file, Verifier& verifier) : file_(std::move(file)), verifier_(verifier) {}

    std::size_t Read(char* data, std::size_t size) override {
        const std::size_t read = file_->Read(data, size);
        verifier_.FeedSource(std::string_view(data, read));
        return read;
    }
    bool Failed() const override { return file_->Failed(); }
    FileReason Error() const override { return file_->Error(); }

private:
    std::unique_ptr<ReadableFile> file_;
    Verifier& verifier_;
};

}  // namespace

// The source is read once; the tap takes its first reading only.
std::unique_ptr<ReadableFile> SourceTap::OpenForReading(const std::string& path) {
    auto file = files_.OpenForReading(path);
    if (path != sourcePath_) return file;
    return Tapped(std::move(file));
}

std::unique_ptr<ReadableFile> SourceTap::StandardInput() { return Tapped(files_.StandardInput()); }

std::unique_ptr<ReadableFile> SourceTap::Tapped(std::unique_ptr<ReadableFile> file) {
    if (tapped_) return file;
    tapped_ = true;
    return std::make_unique<TappedFile>(std::move(file), verifier_);
}

}  // namespace brisel::verify
