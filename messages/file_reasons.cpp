#include "messages/file_reasons.h"

namespace brisel::messages {

std::string FileReasonText(const FileReason& reason) {
    using Code = FileReason::Code;
    switch (reason.code) {
        case Code::None:
            return {};
        case Code::SystemText:
            return reason.systemText;
        case Code::NoSystemText:
            return "Unknown error";
        case Code::SymbolicLink:
            return "it is a symbolic link";
        case Code::Folder:
            return "it is a folder";
        case Code::NotPlainFile:
            return "it is not a plain file";
        case Code::OtherUser:
            return "it belongs to another user";
        case Code::OtherNames:
            return "it is a file with other names";
        case Code::ReplacedDuringRun:
            return "it was replaced while the conversion ran";
        case Code::ReleasedAsRead:
            return "its bytes were let go as they were read";
    }
    return {};
}

}  // namespace brisel::messages
