#pragma once
// The conversion's host on a console: each message box becomes one line,
// the progress caption is redrawn in place on a terminal, and nothing beeps.

#include <cstdio>
#include <string>

#include "convert/host.h"

namespace brisel::cli {

class ConsoleHost : public ConversionHost {
public:
    ConsoleHost(JobSettings settings, std::FILE* out, std::FILE* err, bool showProgress);
    ~ConsoleHost() override;

    const JobSettings& Settings() const override { return settings_; }
    CheckFlags& Flags() override { return flags_; }
    void SetProgressCaption(const std::string& caption) override;
    void ShowMessage(const std::string& text, const std::string& title, IconKind icon) override;
    void Beep() override {}
    void FocusSource() override {}
    ProblemSink* Problems() override { return problems_; }
    void SetProblemSink(ProblemSink* sink) { problems_ = sink; }

    // How many warnings were shown.
    int Warnings() const { return warnings_; }

private:
    void ClearProgress();

    JobSettings settings_;
    CheckFlags flags_;
    std::FILE* out_;
    std::FILE* err_;
    bool showProgress_;
    std::size_t progressWidth_ = 0;
    int warnings_ = 0;
    ProblemSink* problems_ = nullptr;
};

// "Title: text", with each CR LF of the text replaced by one space.
std::string MessageLine(const std::string& title, const std::string& text);

}  // namespace brisel::cli
