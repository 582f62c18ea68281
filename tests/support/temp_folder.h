#pragma once
// A folder of the test's own, removed at the end.

#include <filesystem>
#include <string>
#include <vector>

namespace brisel::test {

// The sorted names in a folder.
std::vector<std::string> Names(const std::filesystem::path& folder);

class TempFolder {
public:
    TempFolder();
    // In `base` instead of the system's folder for temporary files.
    explicit TempFolder(const std::filesystem::path& base);
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& Path() const { return path_; }
    // The folder as the conversion holds it: with its trailing separator.
    std::string Folder() const;
    std::string Write(const std::string& name, const std::string& bytes) const;
    std::string Read(const std::string& name) const;
    bool Exists(const std::string& name) const;
    std::vector<std::string> Names() const { return test::Names(path_); }

private:
    std::filesystem::path path_;
};

}  // namespace brisel::test
