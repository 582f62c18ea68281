#include "messages/command_line_boxes.h"

namespace brisel::messages {

namespace {

constexpr const char* kSeeTheOptions = "Start brisel.exe /? to see the options.";

}  // namespace

Message ForCommandLineHelp() {
    return {"Brisel",
            {"Brisel converts a PADS netlist into an ExpressPCB netlist.", "", "brisel.exe [source [target]]", "",
             "source", "The PADS netlist to show in the Source box.", "", "target",
             "The new ExpressPCB netlist to show in the Target box.", "", "/?, -h or --help", "Shows this help.", "",
             "-V or --version", "Shows the version of Brisel.", "", "--",
             "Takes every later argument as a file name, also one that begins with a hyphen (-)."},
            Icon::Information};
}

Message ForCommandLineError(const std::string& unknownOption) {
    if (unknownOption.empty()) {
        return {kCommandLineErrorTitle,
                {"Brisel takes at most two file names: the source and the target.", "", kSeeTheOptions},
                Icon::Error};
    }
    return {kCommandLineErrorTitle,
            {"The option '" + unknownOption + "' is not valid.", "",
             "To open a file whose name begins with a hyphen (-), put -- before it.", kSeeTheOptions},
            Icon::Error};
}

}  // namespace brisel::messages
