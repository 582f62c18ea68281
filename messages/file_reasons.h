#pragma once
// The words for why a file operation failed: the file system's own reasons,
// worded here, and the system's, as the system words them.

#include <string>

#include "file_system/file_reason.h"

namespace brisel::messages {

// "it is a symbolic link", "Permission denied", ...: the reason as it follows
// "could not be read: " or "cannot be used: " in a message.
std::string FileReasonText(const FileReason& reason);

}  // namespace brisel::messages
