#pragma once
// A conversion told on a console: each message is one line, "Title: text",
// the completion on standard output and the rest on standard error; the
// progress is redrawn in place on a terminal, and nothing beeps. Control
// characters in file names are printed escaped, so a message stays one line.

#include <cstdio>
#include <string>

#include "convert/conversion_report.h"
#include "convert/job.h"
#include "messages/details_printer.h"

namespace brisel::cli {

// Each control character as "\n", "\r", "\t" or "\xHH", and a backslash
// doubled where it is no folder separator, so that a message stays one line.
std::string EscapedControls(const std::string& text);

class ConsoleReporter : public ConversionReporter {
public:
    // `details`, when not nullptr, prints each problem occurrence.
    ConsoleReporter(const JobSettings& settings, std::FILE* out, std::FILE* err, bool showProgress,
                    messages::DetailsPrinter* details);
    ~ConsoleReporter() override;

    void Progress(const ProgressStep& step) override;
    void Waiting(const std::string& folder) override;
    void Warning(RunWarning warning) override;
    bool WantsProblems() const override { return details_ != nullptr; }
    void ProblemFound(const Problem& problem) override { details_->Print(problem); }
    void Finished(const Outcome& outcome) override;

    int Warnings() const { return warnings_; }

private:
    void ClearProgress();
    void PrintLine(std::FILE* stream, const std::string& line);

    const JobSettings& settings_;
    std::FILE* out_;
    std::FILE* err_;
    bool showProgress_;
    messages::DetailsPrinter* details_;
    std::size_t progressWidth_ = 0;
    int warnings_ = 0;
};

}  // namespace brisel::cli
