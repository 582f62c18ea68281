#include "convert/file_paths.h"

#include <filesystem>
#include <system_error>

#include "common/native_path.h"
#include "convert/netlist_text.h"

namespace brisel {

namespace fs = std::filesystem;

char PathSeparator() {
#ifdef _WIN32
    return '\\';
#else
    return '/';
#endif
}

bool SplitPath(std::string_view text, std::string& folder, std::string& file) {
    const auto last = text.rfind(PathSeparator());
    if (last == std::string_view::npos) return false;
    folder.assign(text.substr(0, last + 1));
    file.assign(text.substr(last + 1));
    return true;
}

namespace {

// The absolute path with "." and ".." resolved and the links of its existing
// part followed.
std::string NormalPath(const std::string& path) {
    std::error_code error;
    fs::path absolute = fs::absolute(NativePath(path), error);
    if (error) return path;
    fs::path normal = fs::weakly_canonical(absolute, error);
    if (error) normal = absolute.lexically_normal();
    const std::u8string text = normal.generic_u8string();
    return {text.begin(), text.end()};
}

}  // namespace

bool SameFile(const std::string& a, const std::string& b) {
    std::error_code error;
    if (fs::exists(NativePath(a), error) && fs::exists(NativePath(b), error)) {
        const bool same = fs::equivalent(NativePath(a), NativePath(b), error);
        if (!error) return same;
    }
    return SameTextIgnoringCase(NormalPath(a), NormalPath(b));
}

}  // namespace brisel
