#pragma once
// The program's standard streams: present from the start, so that no file
// the conversion opens takes their place, and checked at the end, so that
// output that was lost is not taken for success.

#include <string>

namespace brisel::cli {

// Opens each of the three standard streams that is closed on the null
// device, before any file is opened.
void OpenClosedStandardStreams();

// Keeps the reason of the first failed write to standard output, for the
// end of the program to report.
void NoteStandardOutputFailure(int code);

// Whether the file is the one standard output writes to (/dev/stdout, or
// its path), and not a device.
bool IsStandardOutput(const std::string& path);

// Flushes standard output; when it failed, says so on standard error (as
// GNU tools do) and returns false.
bool StandardOutputWritten();

}  // namespace brisel::cli
