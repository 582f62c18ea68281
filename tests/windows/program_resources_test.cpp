// What Windows shows of each program from its resources: the version and
// maker in the file's properties, Task Manager and the installed programs,
// and the icon at every size Explorer and the taskbar ask for.

#include <gtest/gtest.h>
#include <windows.h>

#include <filesystem>
#include <string>
#include <vector>

#include "brisel_maker.h"
#include "brisel_version.h"
#include "platform/win32/win32_resources.h"

namespace brisel::test {
namespace {

namespace fs = std::filesystem;

fs::path ProgramFolder() {
    wchar_t name[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, name, MAX_PATH);
    return fs::path(name).parent_path();
}

struct ProgramCase {
    const char* name;
    const char* file;
    const char* description;
};

void PrintTo(const ProgramCase& row, std::ostream* out) { *out << row.file; }

class ProgramResources : public testing::TestWithParam<ProgramCase> {
protected:
    fs::path Program() const { return ProgramFolder() / GetParam().file; }
};

std::string VersionString(const std::vector<char>& info, const char* name) {
    const std::string query = std::string("\\StringFileInfo\\040904B0\\") + name;
    char* value = nullptr;
    UINT length = 0;
    if (!VerQueryValueA(info.data(), query.c_str(), reinterpret_cast<void**>(&value), &length) || length == 0) {
        return "(none)";
    }
    return std::string(value, length - 1);
}

TEST_P(ProgramResources, NameTheMakerTheVersionAndTheCopyright) {
    const DWORD size = GetFileVersionInfoSizeW(Program().c_str(), nullptr);
    ASSERT_GT(size, 0u) << Program();
    std::vector<char> info(size);
    ASSERT_TRUE(GetFileVersionInfoW(Program().c_str(), 0, size, info.data()));
    EXPECT_EQ(VersionString(info, "CompanyName"), BRISEL_MAKER_NAME);
    EXPECT_EQ(VersionString(info, "LegalCopyright"), std::string("Copyright (C) 2026 ") + BRISEL_MAKER_NAME);
    EXPECT_EQ(VersionString(info, "FileDescription"), GetParam().description);
    EXPECT_EQ(VersionString(info, "FileVersion"), BRISEL_FILE_VERSION);
    EXPECT_EQ(VersionString(info, "ProductVersion"), version::kAppVersion);
    EXPECT_EQ(VersionString(info, "ProductName"), "Brisel");
    EXPECT_EQ(VersionString(info, "OriginalFilename"), GetParam().file);
}

// The icon group's entries: a width of 0 stands for 256 pixels.
std::vector<int> IconSizes(const fs::path& program) {
    HMODULE module = LoadLibraryExW(program.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    if (module == nullptr) return {};
    std::vector<int> sizes;
    HRSRC group = FindResourceA(module, MAKEINTRESOURCEA(BRISEL_IDI_PROGRAM), RT_GROUP_ICON);
    if (group != nullptr) {
        const auto* bytes = static_cast<const BYTE*>(LockResource(LoadResource(module, group)));
        const WORD count = *reinterpret_cast<const WORD*>(bytes + 4);
        for (WORD i = 0; i < count; ++i) {
            const BYTE width = bytes[6 + 14 * i];
            sizes.push_back(width == 0 ? 256 : width);
        }
    }
    FreeLibrary(module);
    return sizes;
}

TEST_P(ProgramResources, CarryTheIconAtEverySizeWindowsAsksFor) {
    EXPECT_EQ(IconSizes(Program()), (std::vector<int>{16, 24, 32, 48, 256}));
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Programs, ProgramResources, testing::Values(
    ProgramCase{"Window", "brisel.exe", "Brisel: PADS netlists to ExpressPCB netlists"},
    ProgramCase{"CommandLine", "brisel-convert.exe",
                "Brisel on the command line: PADS netlists to ExpressPCB netlists"}),
    [](const auto& row) { return std::string(row.param.name); });
// clang-format on

}  // namespace
}  // namespace brisel::test
