// The page's way into the conversion. BriselConvert converts the picked
// netlist exactly as `brisel-convert --details --verify [--pin-map MAP]
// SOURCE TARGET` would, on the page's own file system, and hands the worker
// each progress caption and message as it comes, then the new netlist, the
// verification and the problem lines. BriselTemplate makes the picked
// netlist's pin map template, as `brisel-convert --pin-map-template` does.

#include <emscripten/emscripten.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "brisel_version.h"
#include "convert/convert_netlist.h"
#include "convert/letter_pins.h"
#include "convert/pin_map_file.h"
#include "messages/details_printer.h"
#include "messages/messages.h"
#include "messages/pin_map_messages.h"
#include "messages/pin_map_template.h"
#include "messages/verify_lines.h"
#include "verify/source_tap.h"
#include "verify/verify.h"
#include "web/browser_store.h"
#include "web/byte_source_stream.h"
#include "web/page_file_system.h"
#include "web/picked_file.h"

// Defined by the worker script: one event for the page.
EM_JS(void, PostEvent, (const char* kind, const char* text, int code),
      { postEvent(UTF8ToString(kind), UTF8ToString(text), code); });
// Defined by the worker script: the template's bytes, as they are.
EM_JS(void, KeepTemplate, (const char* data, int size), { keepTemplate(data, size); });

namespace {

using namespace brisel;

// A message goes to the page as the event "error", "warning" or "information".
void Post(const messages::Message& message) {
    const char* kind = message.icon == messages::Icon::Error     ? "error"
                       : message.icon == messages::Icon::Warning ? "warning"
                                                                 : "information";
    PostEvent(kind, message.OneLine().c_str(), 0);
}

class PageReporter : public ConversionReporter {
public:
    PageReporter(const JobSettings& settings, messages::DetailsPrinter& details)
        : settings_(settings), details_(details) {}

    void Progress(const ProgressStep& step) override {
        PostEvent("progress", messages::ProgressCaption(step).c_str(), 0);
    }
    void Warning(RunWarning warning) override { Post(messages::ForWarning(warning)); }
    bool WantsProblems() const override { return true; }
    void ProblemFound(const Problem& problem) override { details_.Print(problem); }
    void Finished(const Outcome& outcome) override { Post(messages::ForOutcome(outcome, settings_)); }

private:
    const JobSettings& settings_;
    messages::DetailsPrinter& details_;
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

// The verification of the new netlist; its import risks join the problem
// lines, in the form `--details` uses.
void Verify(verify::Verifier& verifier, const std::string& source, ReadableFile& target, std::FILE* details) {
    web::ByteSourceStream targetStream(target);
    const verify::Report report = verifier.CheckTarget(targetStream);
    if (target.Failed()) {
        PostEvent("verification", messages::UnreadableTargetLine(target.Error()).c_str(), 0);
        return;
    }
    for (const verify::ImportRisk& risk : report.risks) {
        std::fprintf(details, "%s\n", messages::ImportRiskLine(source, risk).c_str());
    }
    if (report.ok) {
        PostEvent("verification", messages::VerifiedLine(report.nets, report.connections).c_str(), 1);
        return;
    }
    for (const std::string& line : messages::DiscrepancyLines(report)) {
        PostEvent("verification", line.c_str(), 0);
    }
}

}  // namespace

// Converts the picked netlist, named SOURCE, into TARGET, and returns the
// ConversionResult as a number. MAP names the pin map, whose bytes are
// MAP_DATA, or the browser's reason MAP_ERROR when it could not read it; an
// empty name means none.
extern "C" EMSCRIPTEN_KEEPALIVE int BriselConvert(const char* source, const char* target, const char* map,
                                                  const char* mapData, int mapSize, const char* mapError) {
    JobSettings settings;
    settings.AppVersion = version::kAppVersion;
    settings.SourceFile = source;
    settings.TargetFile = target;
    if (settings.SourceFile.empty() || settings.TargetFile.empty()) {
        Post(messages::MissingNames());
        return static_cast<int>(ConversionResult::Refused);
    }
    if (*map != '\0') {
        PinMapFile file;
        if (*mapError != '\0') {
            file.readError = SystemReason(mapError);
        } else {
            file = PinMapOfText(std::string_view(mapData, static_cast<std::size_t>(mapSize)));
        }
        if (!file.Read()) {
            Post(messages::ForPinMapFile(map, file));
            return static_cast<int>(ConversionResult::Refused);
        }
        settings.PinMap = file.map;
    }
    web::PageFileSystem files(settings.SourceFile, web::OpenPickedFile, web::NewPageStore);
    files.ReadOnce(settings.JoinedFileName);
    files.ReadOnce(settings.SpoolFileName);
    DetailsText details;
    messages::DetailsPrinter printer(source, details.Stream(), map);
    PageReporter reporter(settings, printer);
    verify::Verifier verifier(settings.PinMap.get());
    verify::SourceTap tappedFiles(files, settings.SourceFile, verifier);
    const Outcome outcome = ConvertNetlist(settings, tappedFiles, reporter);
    printer.PrintOmitted();
    if (outcome.result == ConversionResult::Completed) {
        // The new netlist goes first: one in memory lets go of its blocks as
        // the verification reads them, for the verification's own tables.
        web::HandOver(*files.File(settings.TargetFile));
        files.ReadOnce(settings.TargetFile);
        Verify(verifier, source, *files.OpenForReading(settings.TargetFile), details.Stream());
    }
    details.Post();
    return static_cast<int>(outcome.result);
}

// The pin map template of the picked netlist, named SOURCE.
extern "C" EMSCRIPTEN_KEEPALIVE void BriselTemplate(const char* source) {
    const auto file = web::OpenPickedFile();
    const std::vector<LetterPinGroup> groups = FindLetterPins(*file);
    if (file->Failed()) {
        Post(messages::ForUnreadableSource(source, file->Error()));
        return;
    }
    const std::string text = messages::PinMapTemplate(source, groups);
    KeepTemplate(text.data(), static_cast<int>(text.size()));
}
