#pragma once
// What the two programs print about their command lines, as GNU programs
// word it: the help, and one line that says what is wrong with the words
// followed by where to look.

#include <string>

namespace brisel::messages {

// brisel-convert --help
extern const char* const kConvertUsage;
// brisel --help
extern const char* const kWindowUsage;

// What is wrong: "unknown option '--bogus'", "option '--pin-map' needs a file".
std::string UnknownOption(const std::string& option);
std::string OptionNeedsFile(const std::string& option);
inline constexpr const char* kTemplateTakesSourceOnly = "--pin-map-template takes SOURCE only";
inline constexpr const char* kSourceAndTargetRequired = "SOURCE and TARGET are required";
inline constexpr const char* kTooManyOperands = "too many operands";

// "brisel-convert: too many operands" and "Try 'brisel-convert --help' for
// more information.", each ended by a line feed.
std::string UsageErrorLines(const std::string& program, const std::string& wrong);

}  // namespace brisel::messages
