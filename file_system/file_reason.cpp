#include "file_system/file_reason.h"

#include <cstring>

namespace brisel {

FileReason SystemError(int code) { return SystemReason(std::strerror(code)); }

}  // namespace brisel
