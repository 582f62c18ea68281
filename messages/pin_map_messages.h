#pragma once
// The words of the pin map: why a map was refused, the notes of the pins it
// numbered, and the line that tells which map a conversion used.

#include <string>

#include "convert/pin_map_file.h"
#include "convert/problems.h"
#include "messages/messages.h"

namespace brisel::messages {

inline constexpr const char* kPinMapErrorTitle = "Pin Map - Error";

// "expected PART PIN NUMBER": what is wrong with the line.
std::string MapErrorText(const pin_map::MapError& error);

// The map that stopped a conversion before it started, named by `mapLabel`:
// "pins.map:7: expected PART PIN NUMBER", or the reason it could not be read.
Message ForPinMapFile(const std::string& mapLabel, const PinMapFile& file);

// `pin "G" of part "Q1" written as 1 (pins.map:3)`.
std::string MappedPinText(const PinMapping& mapping, const std::string& mapLabel);

// The first line of the window's problems: which map numbered the pins, one
// chosen in the window or the one found beside the source.
std::string PinMapUsedLine(const std::string& sourceLabel, const std::string& mapPath, bool besideSource);

}  // namespace brisel::messages
