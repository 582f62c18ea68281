#pragma once
// Paths as the path boxes take them: whatever a box shows is the file the
// window converts or writes. A typed name is resolved against the folder the
// box held, and the box then shows the whole path.

#include <string>
#include <string_view>

namespace brisel::main_window {

// Windows takes "\" and "/" as separators, drive letters and "\\server\share";
// other systems take "/" alone.
enum class PathStyle { Posix, Windows };
PathStyle NativePathStyle();

struct FolderAndFile {
    std::string folder;  // ends in a separator
    std::string file;    // empty when the text names a folder
    friend bool operator==(const FolderAndFile&, const FolderAndFile&) = default;
};

// The folder and file that a box's text names, given the folder the box held
// (ending in a separator): an absolute path as typed; a name without a
// folder, a file in the held folder; a relative path with folders, taken from
// the held folder, without its "." steps (".." steps stay: a link may lead
// elsewhere than the text suggests). An empty text keeps the folder and names
// no file.
FolderAndFile ResolveBoxText(std::string_view text, const std::string& heldFolder, PathStyle style);

// The name of the new netlist for a source: "board.net" gives
// "board-expresspcb.net", as the page names its download.
std::string TargetNameFor(const std::string& sourceFile);

}  // namespace brisel::main_window
