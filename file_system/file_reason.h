#pragma once
// Why a file operation failed, as it crosses the file-system seam. The file
// system's own reasons travel as codes, which messages/ words for the user;
// the system's reasons travel as the system words them (strerror, or the
// browser in the page), and are passed on unchanged.

#include <string>
#include <utility>

namespace brisel {

struct FileReason {
    enum class Code {
        None,               // nothing failed
        SystemText,         // the system's words, in `systemText`
        NoSystemText,       // the system failed without words for it
        SymbolicLink,       // the name is a link, which is never followed
        Folder,             // the name is a folder
        NotPlainFile,       // the name is a device, a pipe or a socket
        OtherUser,          // the file belongs to another user
        OtherNames,         // the file has other names, which would see it change
        ReplacedDuringRun,  // the name no longer names the file the run made
        ReleasedAsRead,     // a file of the page read once, whose bytes are gone
    };
    FileReason() = default;
    // One of the file system's own reasons, or with SystemText the system's
    // words.
    FileReason(Code reason, std::string text = {}) : code(reason), systemText(std::move(text)) {}

    Code code = Code::None;
    std::string systemText;

    // Whether something failed.
    explicit operator bool() const { return code != Code::None; }
    bool operator==(const FileReason&) const = default;
};

// The system's words for a failure; NoSystemText when it has none.
inline FileReason SystemReason(std::string text) {
    if (text.empty()) return FileReason::Code::NoSystemText;
    return {FileReason::Code::SystemText, std::move(text)};
}

// The system's words for an error number (strerror's).
FileReason SystemError(int code);

}  // namespace brisel
