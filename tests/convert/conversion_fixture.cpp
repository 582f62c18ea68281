#include "conversion_fixture.h"

#include <algorithm>
#include <atomic>
#include <fstream>
#include <sstream>

#ifdef _WIN32
#include <process.h>
#define getpid _getpid
#else
#include <unistd.h>
#endif

namespace brisel::test {

namespace fs = std::filesystem;

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

TempFolder::TempFolder() {
    static std::atomic<int> counter{0};
    path_ = fs::temp_directory_path() / ("brisel-test-" + std::to_string(::getpid()) + "-" + std::to_string(counter++));
    fs::remove_all(path_);
    fs::create_directories(path_);
}

TempFolder::~TempFolder() {
    std::error_code ignored;
    fs::permissions(path_, fs::perms::owner_all, fs::perm_options::add, ignored);
    fs::remove_all(path_, ignored);
}

std::string TempFolder::Folder() const { return path_.string() + "/"; }

std::string TempFolder::Write(const std::string& name, const std::string& bytes) const {
    std::ofstream(path_ / name, std::ios::binary) << bytes;
    return (path_ / name).string();
}

std::string TempFolder::Read(const std::string& name) const {
    std::ifstream in(path_ / name, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

bool TempFolder::Exists(const std::string& name) const { return fs::exists(path_ / name); }

std::vector<std::string> TempFolder::Names() const {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(path_)) names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

Conversion Convert(const std::string& source) {
    TempFolder folder;
    folder.Write("board.net", source);
    Conversion conversion;
    auto& settings = conversion.host.settings;
    settings.SourcePath = settings.TargetPath = folder.Folder();
    settings.SourceFile = "board.net";
    settings.TargetFile = "out.net";
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
