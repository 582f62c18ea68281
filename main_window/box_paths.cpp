#include "main_window/box_paths.h"

#include <cctype>
#include <vector>

namespace brisel::main_window {
namespace {

bool IsSeparator(char c, PathStyle style) { return c == '/' || (style == PathStyle::Windows && c == '\\'); }

char SeparatorOf(PathStyle style) { return style == PathStyle::Windows ? '\\' : '/'; }

bool HasDrive(std::string_view text) {
    return text.size() >= 2 && text[1] == ':' && std::isalpha(static_cast<unsigned char>(text[0]));
}

bool IsAbsolute(std::string_view text, PathStyle style) {
    if (text.empty()) return false;
    if (style == PathStyle::Posix) return text[0] == '/';
    if (HasDrive(text)) return text.size() > 2 && IsSeparator(text[2], style);
    return text.size() >= 2 && IsSeparator(text[0], style) && IsSeparator(text[1], style);
}

// The drive ("C:") or share ("\\server\share") of a Windows folder; empty
// for anything else.
std::string RootOf(const std::string& folder) {
    if (HasDrive(folder)) return folder.substr(0, 2);
    if (folder.size() < 2 || !IsSeparator(folder[0], PathStyle::Windows) ||
        !IsSeparator(folder[1], PathStyle::Windows)) {
        return {};
    }
    const auto server = folder.find_first_of("\\/", 2);
    if (server == std::string::npos) return folder;
    const auto share = folder.find_first_of("\\/", server + 1);
    return share == std::string::npos ? folder : folder.substr(0, share);
}

// A Windows text on a drive without a folder ("D:boards"): from the held
// folder when it is on that drive, else from the drive's root.
std::string DriveBase(std::string_view& text, const std::string& heldFolder) {
    const bool sameDrive = HasDrive(heldFolder) && std::toupper(static_cast<unsigned char>(heldFolder[0])) ==
                                                       std::toupper(static_cast<unsigned char>(text[0]));
    const std::string base = sameDrive ? heldFolder : std::string(text.substr(0, 2)) + '\\';
    text.remove_prefix(2);
    return base;
}

// The relative text's steps joined by the system's separator, "." dropped;
// a last step of "." or ".." names a folder.
std::string RelativeSteps(std::string_view text, PathStyle style) {
    std::vector<std::string_view> steps;
    std::size_t start = 0;
    for (std::size_t i = 0; i <= text.size(); ++i) {
        if (i < text.size() && !IsSeparator(text[i], style)) continue;
        steps.push_back(text.substr(start, i - start));
        start = i + 1;
    }
    std::string joined;
    for (std::size_t i = 0; i < steps.size(); ++i) {
        const bool last = i + 1 == steps.size();
        if (steps[i] == "." || (steps[i].empty() && !last)) continue;
        joined += steps[i];
        if (!last || steps[i] == "..") joined += SeparatorOf(style);
    }
    return joined;
}

FolderAndFile SplitAtLastSeparator(const std::string& path, PathStyle style) {
    std::size_t last = path.size();
    while (last > 0 && !IsSeparator(path[last - 1], style)) --last;
    return {path.substr(0, last), path.substr(last)};
}

}  // namespace

PathStyle NativePathStyle() {
#ifdef _WIN32
    return PathStyle::Windows;
#else
    return PathStyle::Posix;
#endif
}

FolderAndFile ResolveBoxText(std::string_view text, const std::string& heldFolder, PathStyle style) {
    if (text.empty()) return {heldFolder, ""};
    if (IsAbsolute(text, style)) return SplitAtLastSeparator(std::string(text), style);
    if (style == PathStyle::Windows && IsSeparator(text[0], style)) {
        return SplitAtLastSeparator(RootOf(heldFolder) + std::string(text), style);
    }
    const std::string base = style == PathStyle::Windows && HasDrive(text) ? DriveBase(text, heldFolder) : heldFolder;
    return SplitAtLastSeparator(base + RelativeSteps(text, style), style);
}

std::string TargetNameFor(const std::string& sourceFile) {
    const auto dot = sourceFile.rfind('.');
    const std::string stem = dot != std::string::npos && dot > 0 ? sourceFile.substr(0, dot) : sourceFile;
    return stem + "-expresspcb.net";
}

}  // namespace brisel::main_window
