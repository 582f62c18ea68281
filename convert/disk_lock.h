#pragma once
// Two conversions into one folder would share its temporary files. A
// conversion therefore holds an exclusive lock on its joined copy from before
// it writes anything until after it has removed both temporary files. A lock
// dies with its process, so files left by a run that was killed are simply
// taken over. The lock file is never reached through a link.

#include <string>

#include "convert/file_system.h"

namespace brisel {

LockAttempt LockOnDisk(const std::string& path, bool wait);

}  // namespace brisel
