#include "messages/messages.h"

#include "messages/file_reasons.h"

namespace brisel::messages {

namespace {

constexpr const char* kSourceWarningTitle = "Source File - Warning";
constexpr const char* kInvalidFilenamesTitle = "Invalid Filenames - Error";
constexpr const char* kCompleteTitle = "File Conversion - Complete";

constexpr const char* kMayContainErrors = "The new netlist may contain errors.";
constexpr const char* kPleaseCorrect = "Please correct the source netlist.";
constexpr const char* kMayNotImport = "The new netlist may not import properly.";

std::string Joined(const std::vector<std::string>& lines, const char* separator) {
    std::string text;
    for (const std::string& line : lines) {
        if (&line != &lines.front()) text += separator;
        text += line;
    }
    return text;
}

Message Refused(std::string title, std::vector<std::string> lines) {
    return {std::move(title), std::move(lines), Icon::Error, true};
}

Message Warned(std::vector<std::string> lines) { return {kSourceWarningTitle, std::move(lines), Icon::Warning}; }

std::vector<std::string> FailureLines(const Failure& failure) {
    switch (failure.operation) {
        case Failure::Operation::Busy:
            return {"Another conversion is using the temporary file '" + failure.path + "' at the moment.",
                    "Please wait until it has finished, then try again."};
        case Failure::Operation::Unusable:
            return {"The temporary file '" + failure.path + "' cannot be used: " + FileReasonText(failure.reason) +
                    "."};
        case Failure::Operation::FolderMissing:
            return {"The folder '" + ShownFolder(failure.path) + "' does not exist."};
        case Failure::Operation::FolderNotWritable:
            return {"The folder '" + ShownFolder(failure.path) + "' is not writable."};
        case Failure::Operation::Read:
            return {"The file '" + failure.path + "' could not be read: " + FileReasonText(failure.reason) + "."};
        case Failure::Operation::Interrupted:
            return {"The conversion was interrupted."};
        case Failure::Operation::OutOfMemory:
            return {"The file '" + failure.path + "' could not be converted: Out of memory."};
        case Failure::Operation::Write:
            break;
    }
    return {"The file '" + failure.path + "' could not be written: " + FileReasonText(failure.reason) + "."};
}

// The standard streams by their names rather than by "-".
std::string ShownPath(const std::string& path, const JobSettings& settings) {
    if (settings.SourceIsStandardInput && path == settings.SourcePath + settings.SourceFile) return kStandardInput;
    if (settings.TargetIsStandardOutput && path == settings.TargetPath + settings.TargetFile) return kStandardOutput;
    return path;
}

}  // namespace

std::string ShownFolder(std::string folder) {
    const bool root = folder.size() == 1 || (folder.size() > 1 && folder[folder.size() - 2] == ':');
    if (!root && !folder.empty() && (folder.back() == '/' || folder.back() == '\\')) folder.pop_back();
    return folder;
}

std::string Message::BoxText() const { return Joined(lines, "\r\n"); }

std::string Message::OneLine() const { return title + ": " + Joined(lines, " "); }

Message MissingNames() {
    return Refused(kInvalidFilenamesTitle, {"Please enter source and target filenames before "
                                            "trying to start the file conversion process."});
}

Message ForRefusal(Refusal refusal, const JobSettings& settings) {
    switch (refusal) {
        case Refusal::SameFile:
            return Refused(kInvalidFilenamesTitle, {"Please enter different source and target filenames before "
                                                    "trying to start the file conversion process."});
        case Refusal::TemporaryFile:
            return Refused(
                kInvalidFilenamesTitle,
                {"The source and target files cannot be the temporary files '" + settings.SpoolFileName + "', '" +
                     settings.JoinedFileName + "' and '" + settings.NewTargetFileName + "' of the target folder.",
                 "Please enter other source and target filenames."});
        case Refusal::SourceTooLong:
            return Refused(kSourceErrorTitle,
                           {"The path of the netlist file '" + settings.SourceFile + "' is too long."});
        case Refusal::SourceMissing:
            break;
    }
    return Refused(kSourceErrorTitle, {"The netlist file '" + settings.SourceFile + "' cannot be found."});
}

Message ForFailure(const Failure& failure) {
    std::vector<std::string> lines = FailureLines(failure);
    lines.emplace_back("The new netlist was not created.");
    return {kConversionErrorTitle, std::move(lines), Icon::Error};
}

Message ForWarning(RunWarning warning) {
    switch (warning) {
        case RunWarning::UnsupportedFormat:
            return Warned({"The netlist data is not recognized as a supported format.", kMayContainErrors});
        case RunWarning::NoPartData:
            return Warned({"No part data was found.", kMayContainErrors});
        case RunWarning::NoNetData:
            return Warned({"No net data was found.", kMayContainErrors});
        case RunWarning::NameTooLong:
            return Warned({"At least one part ID, part name, or net name is too long for ExpressPCB.", kPleaseCorrect,
                           kMayNotImport});
        case RunWarning::BadCharacter:
            return Warned({"An unexpected character was detected.",
                           "At least one part ID, part name, or net name contains invalid data for ExpressPCB.",
                           kPleaseCorrect, kMayNotImport});
        case RunWarning::BadPinNumber:
            return Warned({"An alphanumeric pin number (or pin zero) was detected.",
                           "Pin numbers cannot contain letters (or equal 0) in ExpressPCB.", kPleaseCorrect,
                           kMayNotImport});
        case RunWarning::UnknownParts:
            break;
    }
    return Warned({"At least one pin reference names a part that is not in the part list.",
                   "Those pin references were left out of the new netlist.", kPleaseCorrect});
}

Message ForCompletion(const std::string& targetFile, const Counts& counts) {
    return {kCompleteTitle,
            {"The new netlist file '" + targetFile + "' has been created.",
             "The netlist contained: " + std::to_string(counts.lines) + " Lines, " + std::to_string(counts.parts) +
                 " Parts, " + std::to_string(counts.nets) + " Nets, and " + std::to_string(counts.connections) +
                 " Connections."},
            Icon::Information};
}

Message ForUnreadableSource(const std::string& source, const FileReason& reason) {
    return {kSourceErrorTitle,
            {"The file '" + source + "' could not be read: " + FileReasonText(reason) + "."},
            Icon::Error};
}

Message ForOutcome(const Outcome& outcome, const JobSettings& settings) {
    Failure failure = outcome.failure;
    switch (outcome.result) {
        case ConversionResult::Refused:
            return ForRefusal(outcome.refusal, settings);
        case ConversionResult::Failed:
            failure.path = ShownPath(failure.path, settings);
            return ForFailure(failure);
        case ConversionResult::Completed:
            break;
    }
    return ForCompletion(settings.TargetIsStandardOutput ? kStandardOutput : settings.TargetFile, outcome.counts);
}

std::string WaitingLine(const std::string& folder) {
    return "Waiting for another conversion in " + (folder.empty() ? std::string(".") : ShownFolder(folder)) +
           " to finish...";
}

std::string OutputErrorLine(const std::string& program, const std::string& reason) {
    return program + ": write error: " + reason;
}

Message HelpFileMissing(const std::string& path) {
    return {kHelpErrorTitle, {"The help file '" + path + "' was not found."}, Icon::Error};
}

Message NoHelpViewer(const std::string& path) {
    return {kHelpErrorTitle, {"No program to show the help file '" + path + "' was found."}, Icon::Error};
}

Message HelpNotOpened(const std::string& path) {
    return {kHelpErrorTitle, {"The help file '" + path + "' could not be opened."}, Icon::Error};
}

std::string ProgressCaption(const ProgressStep& step) {
    switch (step.stage) {
        case ProgressStep::Stage::Initializing:
            return "Initializing...";
        case ProgressStep::Stage::Converting:
            return "Converting...";
        case ProgressStep::Stage::Percent:
            break;
    }
    return std::to_string(step.percent) + "% Complete";
}

}  // namespace brisel::messages
