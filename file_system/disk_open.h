#pragma once
// The files and folders a run opens by name, each system its own way.

#include <memory>
#include <optional>
#include <string>

#include "file_system/file_system.h"

namespace brisel {

std::unique_ptr<ReadableFile> OpenDiskSource(const std::string& path);
// Created or emptied, through a link if need be.
std::unique_ptr<WritableFile> OpenDiskTarget(const std::string& path);
std::unique_ptr<ReadableFile> StandardInputFile();
std::unique_ptr<WritableFile> StandardOutputFile();

// A new folder under the system's folder for temporary files ($TMPDIR,
// %TEMP%) that only this user may enter.
std::optional<std::string> MakePrivateDiskFolder(FileReason& error);
void RemoveDiskFolder(const std::string& folder);

// True on Windows, where files are not told apart by owner here.
bool OwnedByThisUser(const std::string& path);
// Whether this user may create files in the folder.
bool MayWriteIn(const std::string& folder);
// Whether the system refuses the path for its length.
bool PathTooLong(const std::string& path);

}  // namespace brisel
