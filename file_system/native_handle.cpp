#include "file_system/native_handle.h"

namespace brisel {

std::string IdentityText(const FileIdentity& identity) {
    return std::to_string(identity.device) + ":" + std::to_string(identity.file);
}

}  // namespace brisel
