#include "messages/pin_map_messages.h"

#include "messages/escaped_text.h"
#include "messages/file_reasons.h"
#include "pin_map/ball_grid.h"

namespace brisel::messages {
namespace {

const std::string kWholeNumber = "expected a whole number from 1 to " + std::to_string(pin_map::kLargestNumber);

}  // namespace

std::string MapErrorText(const pin_map::MapError& error) {
    using Kind = pin_map::MapError::Kind;
    switch (error.kind) {
        case Kind::NotARule:
            break;
        case Kind::NumberToFill:
            return "the number " + Quote(error.number) + " is still to be filled in";
        case Kind::BadNumber:
            return Quote(error.number) + " is no pin number: " + kWholeNumber;
        case Kind::BadColumns:
            return Quote(error.number) + " is no number of columns: " + kWholeNumber;
        case Kind::PinConflict:
            return "pin " + Quote(error.pin) + " of " + Quote(error.part) + " gets " + error.number + " here and " +
                   error.earlier.earlierNumber + " on line " + std::to_string(error.earlier.earlierLine);
        case Kind::GridConflict:
            return "the grid of " + Quote(error.part) + " has " + error.number + " columns here and " +
                   error.earlier.earlierNumber + " on line " + std::to_string(error.earlier.earlierLine);
    }
    return "expected PART PIN NUMBER";
}

Message ForPinMapFile(const std::string& mapLabel, const PinMapFile& file) {
    if (file.error) {
        return {kPinMapErrorTitle,
                {mapLabel + ":" + std::to_string(file.error->line) + ": " + MapErrorText(*file.error)}};
    }
    return {kPinMapErrorTitle,
            {"The pin map '" + mapLabel + "' could not be read: " + FileReasonText(file.readError) + "."}};
}

std::string MappedPinText(const PinMapping& mapping, const std::string& mapLabel) {
    return "pin " + Quote(mapping.pin) + " of part " + Quote(mapping.partId) + " written as " + mapping.number + " (" +
           mapLabel + ":" + std::to_string(mapping.mapLine) + ")";
}

std::string PinMapUsedLine(const std::string& sourceLabel, const std::string& mapPath, bool besideSource) {
    const std::string used = sourceLabel + ": note: pins numbered by the pin map '" + mapPath + "'";
    return used + (besideSource ? " found beside the source" : " chosen under File > Pin Map...");
}

}  // namespace brisel::messages
