#include "cli/print_template.h"

#include <cstdio>

#include "cli/console_reporter.h"
#include "convert/letter_pins.h"
#include "file_system/disk_file_system.h"
#include "messages/messages.h"
#include "messages/pin_map_template.h"

namespace brisel::cli {

int PrintPinMapTemplate(const std::string& source) {
    const bool standardInput = source == "-";
    const std::string label = standardInput ? messages::kStandardInput : source;
    const auto file = standardInput ? TheDisk().StandardInput() : TheDisk().OpenForReading(source);
    const std::vector<LetterPinGroup> groups = FindLetterPins(*file);
    if (file->Failed()) {
        const std::string line = messages::ForUnreadableSource(label, file->Error()).OneLine();
        std::fprintf(stderr, "%s\n", EscapedControls(line).c_str());
        return 1;
    }
    std::fputs(messages::PinMapTemplate(label, groups).c_str(), stdout);
    return 0;
}

}  // namespace brisel::cli
