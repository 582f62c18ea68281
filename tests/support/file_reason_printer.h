#pragma once
// A FileReason in a failed expectation: its code's number and the system's
// words.

#include <ostream>

#include "file_system/file_reason.h"

namespace brisel {

inline void PrintTo(const FileReason& reason, std::ostream* os) {
    *os << "FileReason " << static_cast<int>(reason.code);
    if (reason.code == FileReason::Code::SystemText) *os << " \"" << reason.systemText << '"';
}

}  // namespace brisel
