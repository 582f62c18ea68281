// Whole conversions of arbitrary bytes. Beyond not crashing, every run must
// complete, remove both temporary files, leave its source as it was, and
// write a target of CR LF lines whose connection table holds as many rows as
// the summary counts.

#include <stdlib.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <string_view>

#include "convert/convert_netlist.h"
#include "convert/host.h"

namespace {

namespace fs = std::filesystem;

class SummaryHost : public brisel::ConversionHost {
public:
    explicit SummaryHost(const std::string& folder) {
        settings_.SourcePath = settings_.TargetPath = folder;
        settings_.SourceFile = "source.net";
        settings_.TargetFile = "target.net";
    }
    const brisel::JobSettings& Settings() const override { return settings_; }
    brisel::CheckFlags& Flags() override { return flags_; }
    void SetProgressCaption(const std::string&) override {}
    void ShowMessage(const std::string& text, const std::string& title, brisel::IconKind) override {
        lastTitle = title;
        lastText = text;
    }
    void Beep() override {}
    void FocusSource() override {}

    std::string lastTitle, lastText;

private:
    brisel::JobSettings settings_;
    brisel::CheckFlags flags_;
};

void Require(bool holds, const char* what) {
    if (holds) return;
    std::fprintf(stderr, "Broken: %s\n", what);
    std::abort();
}

// Made once per process in the temporary folder (TMPDIR) and removed at its
// exit. The name is never destroyed, so the exit handler can still use it.
const std::string& Folder() {
    static std::string& name = *new std::string((fs::temp_directory_path() / "brisel-fuzz-XXXXXX").string());
    static const bool made = [] {
        Require(::mkdtemp(name.data()) != nullptr, "a temporary folder can be made");
        std::atexit([] { fs::remove_all(name); });
        name += "/";
        return true;
    }();
    Require(made, "a temporary folder was made");
    return name;
}

std::string ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

// The number before " Connections." in the completion summary.
long long SummaryConnections(const std::string& text) {
    const auto end = text.rfind(" Connections.");
    const auto start = text.rfind(' ', end - 1);
    Require(end != std::string::npos && start != std::string::npos, "the summary counts connections");
    return std::stoll(text.substr(start + 1, end - start - 1));
}

// Every line ends in CR LF and holds no other CR or LF.
bool AllLinesEndInCrLf(std::string_view target) {
    for (std::size_t i = 0; i < target.size(); ++i) {
        if (target[i] == '\r' && (i + 1 == target.size() || target[++i] != '\n')) return false;
        if (target[i] == '\n' && target[i - 1] != '\r') return false;
    }
    return target.empty() || target.back() == '\n';
}

// Rows after the last "Net Connections Table" line: a connection row never
// looks like it, a net row may.
long long ConnectionRows(const std::string& target) {
    const std::string header = "\r\n\"Net Connections Table\"\r\n";
    const auto table = target.rfind(header);
    Require(table != std::string::npos, "the connection table follows an empty line");
    long long rows = 0;
    for (auto at = table + header.size(); (at = target.find("\r\n", at)) != std::string::npos; at += 2) ++rows;
    return rows;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string& folder = Folder();
    const std::string source(reinterpret_cast<const char*>(data), size);
    std::ofstream(folder + "source.net", std::ios::binary | std::ios::trunc) << source;

    SummaryHost host(folder);
    const auto result = brisel::ConvertNetlist(host);
    Require(result == brisel::ConversionResult::Completed, "the conversion completes");
    Require(host.lastTitle == "File Conversion - Complete", "the summary is the last message");
    Require(!fs::exists(folder + "BriselTemp.txt"), "the connection spool is removed");
    Require(!fs::exists(folder + "BriselTemp2.txt"), "the joined copy is removed");
    Require(ReadAll(folder + "source.net") == source, "the source is unchanged");
    const std::string target = ReadAll(folder + "target.net");
    Require(AllLinesEndInCrLf(target), "every line of the target ends in CR LF");
    Require(ConnectionRows(target) == SummaryConnections(host.lastText), "the summary counts the rows written");
    fs::remove(folder + "target.net");
    return 0;
}
