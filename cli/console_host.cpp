#include "cli/console_host.h"

namespace brisel::cli {

std::string MessageLine(const std::string& title, const std::string& text) {
    std::string line = title + ": ";
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text.compare(i, 2, "\r\n") == 0) {
            line += ' ';
            ++i;
        } else {
            line += text[i];
        }
    }
    return line;
}

ConsoleHost::ConsoleHost(JobSettings settings, std::FILE* out, std::FILE* err, bool showProgress)
    : settings_(std::move(settings)), out_(out), err_(err), showProgress_(showProgress) {}

ConsoleHost::~ConsoleHost() { ClearProgress(); }

void ConsoleHost::SetProgressCaption(const std::string& caption) {
    if (!showProgress_) return;
    std::fprintf(err_, "\r%s", caption.c_str());
    for (std::size_t i = caption.size(); i < progressWidth_; ++i) std::fputc(' ', err_);
    progressWidth_ = std::max(progressWidth_, caption.size());
    std::fflush(err_);
}

void ConsoleHost::ClearProgress() {
    if (progressWidth_ == 0) return;
    std::fprintf(err_, "\r%*s\r", static_cast<int>(progressWidth_), "");
    std::fflush(err_);
    progressWidth_ = 0;
}

void ConsoleHost::ShowMessage(const std::string& text, const std::string& title, IconKind icon) {
    ClearProgress();
    if (icon == IconKind::Warning) ++warnings_;
    std::FILE* stream = (icon == IconKind::Information || icon == IconKind::None) ? out_ : err_;
    std::fprintf(stream, "%s\n", MessageLine(title, text).c_str());
    std::fflush(stream);
}

}  // namespace brisel::cli
