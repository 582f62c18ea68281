#pragma once
// The common file dialogs, Open and Save As: what they start from and what
// they return.

#include <optional>
#include <string>
#include <vector>

namespace brisel::platform {

struct FilterEntry {
    std::string description;
    std::string patterns;  // separated by ";", e.g. "*.net" or "*.net;*.asc"
};

// "Desc|*.a|Desc2|*.b" in entries; a trailing bar opens no entry.
std::vector<FilterEntry> ParseFilter(const std::string& filter);

// The name of the file without its folder: the text after the last "\" or
// "/" (either can end a folder in a full path the dialog returns).
std::string FileTitleOf(const std::string& fullPath);

enum class FileDialogKind { Open, Save };

struct FileDialogRequest {
    FileDialogKind kind = FileDialogKind::Open;
    std::string title{};
    std::string filter{};           // "Desc|*.a|Desc2|*.b"
    int filterIndex = 1;            // the entry selected at first, counting from 1
    std::string defaultExt{};       // added to a name typed without one, e.g. ".net"
    std::string fileName{};         // the full path the dialog starts from
    bool confirmOverwrite = false;  // ask before an existing file is chosen
};

// The chosen file: its full path, and its name without the folder.
struct FileChoice {
    std::string fileName;
    std::string fileTitle;
};

}  // namespace brisel::platform
