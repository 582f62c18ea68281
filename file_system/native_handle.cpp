#include "file_system/native_handle.h"

#include <cstring>

namespace brisel {

std::string SystemError(int code) {
    std::string text = std::strerror(code);
    return text.empty() ? "Unknown error" : text;
}

std::string IdentityText(const FileIdentity& identity) {
    return std::to_string(identity.device) + ":" + std::to_string(identity.file);
}

}  // namespace brisel
