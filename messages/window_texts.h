#pragma once
// The windows' texts that no conversion reports: the disclaimer, the file
// dialogs, the about box's captions and boxes, a conversion that failed
// without saying why, and a list that could not be copied.

#include <string>

namespace brisel::messages {

// What the about box shows below the copyright, lines separated by CR LF.
inline constexpr const char* kDisclaimer =
    "This program is provided as is.\r\n"
    "It comes with no warranty of any kind, express or implied.\r\n"
    "Check every converted netlist against its source before a board is "
    "manufactured from it.\r\n"
    "The maker accepts no liability for any damages that arise from using it.\r\n"
    "The names of the netlist formats belong to their owners.";

// The file dialogs: their titles, and filters of "Description|*.ext"
// pairs, each pair followed by "|" but the last.
inline constexpr const char* kOpenTitle = "File Open";
inline constexpr const char* kOpenFilter =
    "PADS-PowerPCB Netlist File (*.net)|*.net|"
    "PADS-PowerPCB Netlist File (*.asc)|*.asc|"
    "All Files (*.*)|*.*";
inline constexpr const char* kSaveAsTitle = "File Save As";
inline constexpr const char* kSaveAsFilter = "ExpressPCB Netlist File (*.net)|*.net|";
inline constexpr const char* kPinMapTitle = "Pin Map";
inline constexpr const char* kPinMapFilter =
    "Pin Map (*.map)|*.map|"
    "Text File (*.txt)|*.txt|"
    "All Files (*.*)|*.*";

// The conversion ended by something that is no standard exception.
inline constexpr const char* kUnknownConversionError = "The conversion stopped because of an unknown error.";

// "Copyright (C) 2026 The Maker." with `between` after the year: a space,
// or a line end for the about box's two lines.
inline std::string CopyrightText(const std::string& year, const std::string& maker, const std::string& between) {
    return "Copyright (C) " + year + between + maker + ".";
}

// "About Brisel" and "Version 1.0.2".
inline std::string AboutCaption(const std::string& title) { return "About " + title; }
inline std::string VersionCaption(const std::string& version) { return "Version " + version; }

// The about box's links, when the program that opens them could not start.
inline constexpr const char* kExecutionErrorTitle = "Execution - Error";
inline constexpr const char* kBrowserFailed = "Your Web browser could not be launched properly.";
inline constexpr const char* kMailFailed = "Your E-mail program could not be launched properly.";

// The Windows system information tool is not installed, or would not start.
inline constexpr const char* kSysInfoUnavailable = "System Information Is Unavailable At This Time";

// The Problems window's Copy, when the clipboard did not take the list.
inline constexpr const char* kCopyNoMemory = "There is not enough memory to copy the list.";
inline constexpr const char* kCopyRefused = "The list could not be copied to the clipboard.";

}  // namespace brisel::messages
