#include "file_system/file_paths.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "common/native_path.h"

namespace brisel {

namespace fs = std::filesystem;

bool SplitPath(std::string_view text, std::string& folder, std::string& file) {
    const auto last = text.rfind(PathSeparator());
    if (last == std::string_view::npos) return false;
    folder.assign(text.substr(0, last + 1));
    file.assign(text.substr(last + 1));
    return true;
}

namespace {

char Lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

// ASCII letters alike in either case, as the file systems that ignore case
// take them.
bool SameIgnoringCase(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) { return Lower(x) == Lower(y); });
}

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
    return SameIgnoringCase(NormalPath(a), NormalPath(b));
}

}  // namespace brisel
