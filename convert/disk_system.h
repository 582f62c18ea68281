#pragma once
// The few questions about files that each system answers its own way.

#include <string>
#include <system_error>

namespace brisel {

// True on Windows, where files are not told apart by owner here.
bool OwnedByThisUser(const std::string& path);
// Whether this user may create files in the folder.
bool MayWriteIn(const std::string& folder);
// Renames `from` over `to` and has the change reach the disk.
void MoveOver(const std::string& from, const std::string& to, std::error_code& error);

}  // namespace brisel
