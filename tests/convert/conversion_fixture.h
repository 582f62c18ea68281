#pragma once
// Runs whole conversions on text in a fresh temporary folder and records what
// the user would have seen.

#include <filesystem>
#include <string>
#include <vector>

#include "convert/convert_netlist.h"
#include "convert/disk_file_system.h"
#include "messages/message_boxes.h"
#include "tests/support/temp_folder.h"

namespace brisel::test {

// One thing the user saw, as "kind: detail": "caption: 75% Complete",
// "beep", "focus", "Warning: Title | text".
using Events = std::vector<std::string>;

// Converts as the window does, through message boxes that it records.
class RecordingHost : public messages::MessageBoxes {
public:
    JobSettings settings;
    Events events;
    std::vector<RunWarning> warnings;

    ConversionResult Run(FileSystem& files = TheDisk());
    bool Warned(RunWarning warning) const;

    void SetProgressCaption(const std::string& caption) override { events.push_back("caption: " + caption); }
    void ShowMessage(const messages::Message& message) override;
    void Beep() override { events.push_back("beep"); }
    void FocusSource() override { events.push_back("focus"); }

    std::vector<std::string> Messages() const;  // message events only
    std::vector<std::string> Captions() const;  // caption events only
};

struct Conversion {
    ConversionResult result{};
    std::string target;  // the bytes of the target file, empty when none
    RecordingHost host;
};

// The version Convert hands the engine: the caller's own, whatever it is.
inline constexpr const char* kCallerVersion = "9.87";

// Converts `source` (bytes) in a new folder; lines given without line ends
// are joined with CR LF by the caller's choice.
Conversion Convert(const std::string& source);

// Lines joined, each followed by CR LF.
std::string Lines(const std::vector<std::string>& lines);

// The target lines after the eight header lines, without line ends.
std::vector<std::string> BodyLines(const std::string& target);

}  // namespace brisel::test
