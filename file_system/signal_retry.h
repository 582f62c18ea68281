#pragma once
// System calls that a signal cuts short (EINTR), made again unless the
// signal asked the run to stop.

#include <cerrno>

#include "file_system/interruption.h"

namespace brisel {

// Whether the call that returned `result` is to be made again.
inline bool CallAgain(long long result) { return result < 0 && errno == EINTR && !InterruptionRequested(); }

}  // namespace brisel
