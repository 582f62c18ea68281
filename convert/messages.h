#pragma once
// Titles and texts of the messages the user sees. CR LF separates the lines
// of a message box.

namespace brisel::messages {

inline constexpr const char* kLineBreak = "\r\n";

inline constexpr const char* kSourceWarningTitle = "Source File - Warning";
inline constexpr const char* kSourceErrorTitle = "Source File - Error";
inline constexpr const char* kInvalidFilenamesTitle = "Invalid Filenames - Error";
inline constexpr const char* kCompleteTitle = "File Conversion - Complete";
inline constexpr const char* kConversionErrorTitle = "File Conversion - Error";

inline constexpr const char* kMissingName =
    "Please enter source and target filenames before "
    "trying to start the file conversion process.";
inline constexpr const char* kSameFile =
    "Please enter different source and target filenames before "
    "trying to start the file conversion process.";

}  // namespace brisel::messages
