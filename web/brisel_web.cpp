// The page's way into the conversion. The worker puts the picked netlist into
// its in-memory current folder; BriselConvert converts it there exactly as
// `brisel-convert --details --verify SOURCE TARGET` would, and hands the
// worker each progress caption and message as it comes, then the problem
// lines and the verification.

#include <emscripten/emscripten.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "cli/console_host.h"
#include "cli/details_printer.h"
#include "cli/verify/verify.h"
#include "convert/convert_netlist.h"
#include "convert/messages.h"

// Defined by the worker script: one event for the page.
EM_JS(void, PostEvent, (const char* kind, const char* text, int code),
      { postEvent(UTF8ToString(kind), UTF8ToString(text), code); });

namespace {

using namespace brisel;

class PageHost : public ConversionHost {
public:
    PageHost(JobSettings settings, ProblemSink& problems) : settings_(std::move(settings)), problems_(problems) {}

    const JobSettings& Settings() const override { return settings_; }
    CheckFlags& Flags() override { return flags_; }
    void SetProgressCaption(const std::string& caption) override { PostEvent("progress", caption.c_str(), 0); }
    void ShowMessage(const std::string& text, const std::string& title, IconKind icon) override {
        PostMessageLine(title, text, icon);
    }
    void Beep() override {}
    void FocusSource() override {}
    ProblemSink* Problems() override { return &problems_; }

    // A message goes to the page as the event "error", "warning" or "information".
    static void PostMessageLine(const std::string& title, const std::string& text, IconKind icon) {
        const char* kind = icon == IconKind::Error ? "error" : icon == IconKind::Warning ? "warning" : "information";
        PostEvent(kind, cli::MessageLine(title, text).c_str(), 0);
    }

private:
    JobSettings settings_;
    CheckFlags flags_;
    ProblemSink& problems_;
};

// The problem lines as `--details` prints them, collected in memory.
class DetailsText {
public:
    DetailsText() : stream_(open_memstream(&text_, &size_)) {}
    ~DetailsText() { std::free(text_); }
    std::FILE* Stream() { return stream_; }
    void Post() {
        std::fclose(stream_);
        PostEvent("problems", text_ != nullptr ? text_ : "", 0);
    }

private:
    char* text_ = nullptr;
    std::size_t size_ = 0;
    std::FILE* stream_;
};

// A file read through a large buffer: every refill is a call out to the
// browser, which costs far more than on a native system.
class BufferedInput {
public:
    explicit BufferedInput(const std::string& path) : buffer_(1 << 20) {
        stream_.rdbuf()->pubsetbuf(buffer_.data(), static_cast<std::streamsize>(buffer_.size()));
        stream_.open(path, std::ios::binary);
    }
    std::istream& Stream() { return stream_; }

private:
    std::vector<char> buffer_;
    std::ifstream stream_;
};

void PostVerification(const std::string& source, const std::string& target) {
    BufferedInput sourceFile(source);
    BufferedInput targetFile(target);
    const verify::Report report = verify::VerifyConversion(sourceFile.Stream(), targetFile.Stream());
    if (report.ok) {
        const std::string line = "verified: " + std::to_string(report.nets) + " nets, " +
                                 std::to_string(report.connections) + " connections";
        PostEvent("verification", line.c_str(), 1);
        return;
    }
    for (const std::string& problem : report.problems) PostEvent("verification", ("verify: " + problem).c_str(), 0);
}

}  // namespace

// Converts SOURCE into TARGET, both file names in the current folder, and
// returns the ConversionResult as a number.
extern "C" EMSCRIPTEN_KEEPALIVE int BriselConvert(const char* source, const char* target) {
    JobSettings settings;
    settings.SourceFile = source;
    settings.TargetFile = target;
    if (settings.SourceFile.empty() || settings.TargetFile.empty()) {
        PageHost::PostMessageLine(messages::kInvalidFilenamesTitle, messages::kMissingName, IconKind::Error);
        return static_cast<int>(ConversionResult::Refused);
    }
    DetailsText details;
    ConversionResult result;
    {
        cli::DetailsPrinter printer(source, source, details.Stream());
        PageHost host(settings, printer);
        result = ConvertNetlist(host);
        printer.PrintOmitted();
    }
    details.Post();
    if (result == ConversionResult::Completed) PostVerification(source, target);
    return static_cast<int>(result);
}
