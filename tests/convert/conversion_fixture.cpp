#include "conversion_fixture.h"

#include <algorithm>

namespace brisel::test {

void RecordingHost::ShowMessage(const messages::Message& message) {
    static const char* const kIcons[] = {"Error", "Warning", "Information"};
    events.push_back(std::string(kIcons[static_cast<int>(message.icon)]) + ": " + message.title + " | " +
                     message.BoxText());
}

namespace {

class WarningRecorder : public messages::BoxReporter {
public:
    explicit WarningRecorder(RecordingHost& host) : BoxReporter(host, host.settings), host_(host) {}
    void Warning(RunWarning warning) override {
        host_.warnings.push_back(warning);
        BoxReporter::Warning(warning);
    }

private:
    RecordingHost& host_;
};

std::vector<std::string> WithPrefix(const Events& events, const std::string& prefix, bool keep) {
    std::vector<std::string> out;
    for (const auto& e : events) {
        const bool match = e.rfind(prefix, 0) == 0;
        if (match == keep) out.push_back(keep ? e.substr(prefix.size()) : e);
    }
    return out;
}

}  // namespace

std::vector<std::string> RecordingHost::Messages() const {
    std::vector<std::string> out;
    for (const auto& e : events) {
        if (e != "beep" && e != "focus" && e.rfind("caption: ", 0) != 0) out.push_back(e);
    }
    return out;
}

ConversionResult RecordingHost::Run(FileSystem& files) {
    warnings.clear();
    WarningRecorder reporter(*this);
    return ConvertNetlist(settings, files, reporter).result;
}

bool RecordingHost::Warned(RunWarning warning) const {
    return std::find(warnings.begin(), warnings.end(), warning) != warnings.end();
}

std::vector<std::string> RecordingHost::Captions() const { return WithPrefix(events, "caption: ", true); }

Conversion Convert(const std::string& source) {
    TempFolder folder;
    folder.Write("board.net", source);
    Conversion conversion;
    auto& settings = conversion.host.settings;
    settings.SourcePath = settings.TargetPath = folder.Folder();
    settings.SourceFile = "board.net";
    settings.TargetFile = "out.net";
    settings.AppVersion = kCallerVersion;
    conversion.result = conversion.host.Run();
    if (folder.Exists("out.net")) conversion.target = folder.Read("out.net");
    return conversion;
}

std::string Lines(const std::vector<std::string>& lines) {
    std::string text;
    for (const auto& line : lines) text += line + "\r\n";
    return text;
}

std::vector<std::string> BodyLines(const std::string& target) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < target.size()) {
        const auto end = target.find("\r\n", start);
        if (end == std::string::npos) break;
        lines.push_back(target.substr(start, end - start));
        start = end + 2;
    }
    if (lines.size() >= 8 && lines[0] == "\"ExpressPCB Netlist\"") lines.erase(lines.begin(), lines.begin() + 8);
    return lines;
}

}  // namespace brisel::test
