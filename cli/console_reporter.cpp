#include "cli/console_reporter.h"

#include <algorithm>
#include <cerrno>

#include "cli/standard_streams.h"

#include "messages/escaped_text.h"
#include "messages/messages.h"

namespace brisel::cli {

namespace {

// A backslash is an ordinary character of a name outside Windows, where it
// separates folders: doubled, it cannot be taken for the start of an escape.
constexpr bool kEscapeBackslash =
#ifdef _WIN32
    false;
#else
    true;
#endif

}  // namespace

std::string EscapedControls(const std::string& text) {
    static constexpr messages::EscapeRules kOnOneLine{.namedControls = true, .backslash = kEscapeBackslash};
    return messages::Escaped(text, kOnOneLine);
}

ConsoleReporter::ConsoleReporter(const JobSettings& settings, std::FILE* out, std::FILE* err, bool showProgress,
                                 messages::DetailsPrinter* details)
    : settings_(settings), out_(out), err_(err), showProgress_(showProgress), details_(details) {}

ConsoleReporter::~ConsoleReporter() { ClearProgress(); }

void ConsoleReporter::Progress(const ProgressStep& step) {
    if (!showProgress_) return;
    const std::string caption = messages::ProgressCaption(step);
    std::fprintf(err_, "\r%s", caption.c_str());
    for (std::size_t i = caption.size(); i < progressWidth_; ++i) std::fputc(' ', err_);
    progressWidth_ = std::max(progressWidth_, caption.size());
    std::fflush(err_);
}

void ConsoleReporter::Waiting(const std::string& folder) { PrintLine(err_, messages::WaitingLine(folder)); }

void ConsoleReporter::ClearProgress() {
    if (progressWidth_ == 0) return;
    std::fprintf(err_, "\r%*s\r", static_cast<int>(progressWidth_), "");
    std::fflush(err_);
    progressWidth_ = 0;
}

void ConsoleReporter::PrintLine(std::FILE* stream, const std::string& line) {
    ClearProgress();
    std::fprintf(stream, "%s\n", EscapedControls(line).c_str());
    if (std::fflush(stream) != 0 && stream == stdout) NoteStandardOutputFailure(errno);
}

void ConsoleReporter::Warning(RunWarning warning) {
    ++warnings_;
    PrintLine(err_, messages::ForWarning(warning).OneLine());
}

void ConsoleReporter::Finished(const Outcome& outcome) {
    const bool completed = outcome.result == ConversionResult::Completed;
    PrintLine(completed ? out_ : err_, messages::ForOutcome(outcome, settings_).OneLine());
}

}  // namespace brisel::cli
