#pragma once
// What brisel.exe says of its command line on Windows, where there is no
// terminal: message boxes in Windows' words (/? for the help), laid out in
// lines and paragraphs rather than in columns of spaces, which a
// proportional font would not keep.

#include <string>

#include "messages/messages.h"

namespace brisel::messages {

inline constexpr const char* kCommandLineErrorTitle = "Command Line - Error";

// brisel.exe /?
Message ForCommandLineHelp();
// An option Brisel does not know, or more than two file names when the
// option is empty.
Message ForCommandLineError(const std::string& unknownOption);

}  // namespace brisel::messages
