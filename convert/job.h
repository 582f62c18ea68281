#pragma once
// What one conversion is asked to do.

#include <memory>
#include <string>

namespace brisel {

namespace pin_map {
class PinMap;
}

// Every path is a folder that ends in its separator and a file name; the full
// path is the two joined with nothing between them. An empty folder means the
// current directory.
struct JobSettings {
    std::string SourcePath;
    std::string SourceFile;
    std::string TargetPath;
    std::string TargetFile;
    // As the banner shows it: the caller's, so that a new version rebuilds no
    // engine. None unless the caller names one.
    std::string AppVersion{};
    std::string SpoolFileName = kSpoolFileName;
    std::string JoinedFileName = kJoinedFileName;
    std::string NewTargetFileName = kNewTargetFileName;
    // Whether a conversion into a folder where another one runs waits for it
    // to end, or fails at once.
    bool WaitForOtherConversion = false;
    // The source is standard input, or the target standard output, instead
    // of the file the pair names (which then only names it in messages).
    bool SourceIsStandardInput = false;
    bool TargetIsStandardOutput = false;
    // The numbers that pins named with letters get; none without a map.
    std::shared_ptr<const pin_map::PinMap> PinMap = nullptr;

    static constexpr const char* kSpoolFileName = "BriselTemp.txt";       // connection spool
    static constexpr const char* kJoinedFileName = "BriselTemp2.txt";     // joined copy
    static constexpr const char* kNewTargetFileName = "BriselTemp3.txt";  // the new target until it is complete
};

}  // namespace brisel
