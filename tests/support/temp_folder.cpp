#include "tests/support/temp_folder.h"

#include <algorithm>
#include <atomic>

#include "tests/support/text_files.h"

#ifdef _WIN32
#include <process.h>
#define getpid _getpid
#else
#include <unistd.h>
#endif

namespace brisel::test {

namespace fs = std::filesystem;

TempFolder::TempFolder() : TempFolder(fs::temp_directory_path()) {}

TempFolder::TempFolder(const fs::path& base) {
    static std::atomic<int> counter{0};
    path_ = base / ("brisel-test-" + std::to_string(::getpid()) + "-" + std::to_string(counter++));
    fs::remove_all(path_);
    fs::create_directories(path_);
}

TempFolder::~TempFolder() {
    std::error_code ignored;
    fs::permissions(path_, fs::perms::owner_all, fs::perm_options::add, ignored);
    fs::remove_all(path_, ignored);
}

std::string TempFolder::Folder() const { return path_.string() + "/"; }

std::string TempFolder::Write(const std::string& name, const std::string& bytes) const {
    WriteFile(path_ / name, bytes);
    return (path_ / name).string();
}

std::string TempFolder::Read(const std::string& name) const { return ReadFile(path_ / name); }

bool TempFolder::Exists(const std::string& name) const { return fs::exists(path_ / name); }

std::vector<std::string> Names(const fs::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

}  // namespace brisel::test
