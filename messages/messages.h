#pragma once
// The words of the program: the titles and texts the window shows in its
// message boxes and the command line prints one a line, for everything a
// conversion reports.

#include <string>
#include <vector>

#include "convert/conversion_report.h"
#include "convert/job.h"

namespace brisel::messages {

enum class Icon { Error, Warning, Information };

struct Message {
    std::string title;
    std::vector<std::string> lines;
    Icon icon = Icon::Error;
    bool focusSource = false;  // a refusal sends the user back to the source path

    bool Beeps() const { return icon != Icon::Information; }
    // The lines of a message box, separated by CR LF.
    std::string BoxText() const;
    // "Title: text" with the lines separated by spaces.
    std::string OneLine() const;
};

inline constexpr const char* kSourceErrorTitle = "Source File - Error";
// How the messages name "-", the standard streams, in the place of a file.
inline constexpr const char* kStandardInput = "standard input";
inline constexpr const char* kStandardOutput = "standard output";
inline constexpr const char* kConversionErrorTitle = "File Conversion - Error";

Message MissingNames();
Message ForRefusal(Refusal refusal, const JobSettings& settings);
Message ForFailure(const Failure& failure);
Message ForWarning(RunWarning warning);
Message ForCompletion(const std::string& targetFile, const Counts& counts);
// A source read for something other than a conversion (a pin map template).
Message ForUnreadableSource(const std::string& source, const FileReason& reason);
// The completion, the refusal or the failure.
Message ForOutcome(const Outcome& outcome, const JobSettings& settings);

// What the Problems window lists after a conversion without problems.
inline constexpr const char* kNoProblemsFound = "No problems were found in the last conversion.";

// Help > Contents could not show the help file: it is missing, no program
// shows it, or the program failed.
inline constexpr const char* kHelpErrorTitle = "Help - Error";
Message HelpFileMissing(const std::string& path);
Message NoHelpViewer(const std::string& path);
Message HelpNotOpened(const std::string& path);

// A folder as the messages show it: as typed, without the separator that
// ends it unless it is the root.
std::string ShownFolder(std::string folder);

// "Waiting for another conversion in FOLDER to finish...": the folder as
// typed, "." for the current one.
std::string WaitingLine(const std::string& folder);

// A program's standard output that could not be written, in GNU's words:
// "brisel-convert: write error: No space left on device".
std::string OutputErrorLine(const std::string& program, const std::string& reason);

// "Initializing...", "Converting...", "75% Complete".
std::string ProgressCaption(const ProgressStep& step);

}  // namespace brisel::messages
