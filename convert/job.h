#pragma once
// What one conversion is asked to do.

#include <string>

#include "brisel_version.h"

namespace brisel {

// Every path is a folder that ends in its separator and a file name; the full
// path is the two joined with nothing between them. An empty folder means the
// current directory.
struct JobSettings {
    std::string SourcePath;
    std::string SourceFile;
    std::string TargetPath;
    std::string TargetFile;
    std::string AppVersion = version::kAppVersion;
    std::string SpoolFileName = kSpoolFileName;
    std::string JoinedFileName = kJoinedFileName;

    static constexpr const char* kSpoolFileName = "BriselTemp.txt";    // connection spool
    static constexpr const char* kJoinedFileName = "BriselTemp2.txt";  // joined copy
};

}  // namespace brisel
