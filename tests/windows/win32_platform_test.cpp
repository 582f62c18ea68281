// The Win32 backend's own translations, reading the real registry, and the
// folders it names.

#include <gtest/gtest.h>
#include <windows.h>

#include <shellapi.h>

#include <filesystem>
#include <string>

#include "platform/win32/win32_file_dialog.h"
#include "platform/win32/win32_platform.h"
#include "platform/win32/win32_registry.h"

namespace brisel::platform::win32 {
namespace {

struct ShellCase {
    const char* name;
    INT_PTR code;
    OpenResult result;
};

class ShellResultTest : public ::testing::TestWithParam<ShellCase> {};

TEST_P(ShellResultTest, UpTo32IsAFailureAndTheCodeSaysWhich) {
    EXPECT_EQ(OpenResultOf(GetParam().code), GetParam().result);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Codes, ShellResultTest, ::testing::Values(
    ShellCase{"OutOfMemory", 0, OpenResult::Failed},
    ShellCase{"FileNotFound", SE_ERR_FNF, OpenResult::NotFound},
    ShellCase{"PathNotFound", SE_ERR_PNF, OpenResult::NotFound},
    ShellCase{"NoAssociation", SE_ERR_NOASSOC, OpenResult::NoProgram},
    ShellCase{"IncompleteAssociation", SE_ERR_ASSOCINCOMPLETE, OpenResult::NoProgram},
    ShellCase{"DdeBusy32", 32, OpenResult::Failed},
    ShellCase{"Started33", 33, OpenResult::Opened}),
    [](const auto& row) { return row.param.name; });
// clang-format on

TEST(DialogFlags, HideTheReadOnlyBoxAndAskBeforeOverwritingOnlyWhenRequested) {
    EXPECT_EQ(DialogFlags({.kind = FileDialogKind::Open}), 4u);
    EXPECT_EQ(DialogFlags({.kind = FileDialogKind::Save, .confirmOverwrite = true}), 6u);
}

TEST(DialogFilter, EndsEachPieceWithAZeroAndTheWholeWithTwo) {
    EXPECT_EQ(DialogFilter("A (*.net)|*.net|"), std::wstring(L"A (*.net)\0*.net\0\0", 17));
}

class RegistryTest : public ::testing::Test {
protected:
    static constexpr const char* kKey = "SOFTWARE\\Brisel Test";
    RegistryTest() {
        RegCreateKeyExA(HKEY_LOCAL_MACHINE, kKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key_, nullptr);
    }
    ~RegistryTest() override {
        RegCloseKey(key_);
        RegDeleteKeyA(HKEY_LOCAL_MACHINE, kKey);
    }
    void Set(const char* name, DWORD type, const std::string& bytes) {
        RegSetValueExA(key_, name, 0, type, reinterpret_cast<const BYTE*>(bytes.data()),
                       static_cast<DWORD>(bytes.size()));
    }
    std::optional<RegistryValue> Read(const char* name, std::size_t maxBytes = 1024) {
        return registry_.ReadValue(RegistryRoot::LocalMachine, kKey, name, maxBytes);
    }

    HKEY key_ = nullptr;
    Win32Registry registry_;
};

TEST_F(RegistryTest, ReadsTheStoredBytesAndTheirType) {
    Set("Text", REG_SZ, std::string("C:\\x.exe", 9));
    Set("Number", REG_DWORD, std::string("\x05\x01\x00\x00", 4));
    Set("Expandable", REG_EXPAND_SZ, std::string("%x%", 4));
    const auto text = Read("Text");
    ASSERT_TRUE(text);
    EXPECT_EQ(text->type, RegistryType::Text);
    EXPECT_EQ(std::string(text->bytes.begin(), text->bytes.end()), std::string("C:\\x.exe", 9));
    ASSERT_TRUE(Read("Number"));
    EXPECT_EQ(Read("Number")->type, RegistryType::Number);
    EXPECT_EQ(Read("Number")->bytes.size(), 4u);
    EXPECT_EQ(Read("Expandable")->type, RegistryType::Other);
}

TEST_F(RegistryTest, MissingKeysAndValuesAndLongerValuesGiveNothing) {
    Set("Long", REG_BINARY, std::string(1025, 'a'));
    Set("Fits", REG_BINARY, std::string(1024, 'a'));
    EXPECT_FALSE(Read("Long"));
    EXPECT_TRUE(Read("Fits"));
    EXPECT_FALSE(Read("Absent"));
    EXPECT_FALSE(registry_.ReadValue(RegistryRoot::LocalMachine, "SOFTWARE\\No Such Key", "x", 1024));
}

}  // namespace
}  // namespace brisel::platform::win32

namespace brisel::platform::win32 {
namespace {

// Tried, not read from attributes: Wine's Z: drive shows /proc, where no
// file can be made.
TEST(Win32Folders, AFolderIsWritableWhenAFileCanBeMadeThere) {
    Win32Platform platform;
    const std::filesystem::path scratch =
        std::filesystem::temp_directory_path() / ("brisel writable " + std::to_string(GetCurrentProcessId()));
    std::filesystem::create_directories(scratch);
    EXPECT_TRUE(platform.IsWritableFolder(scratch.string()));
    EXPECT_TRUE(std::filesystem::is_empty(scratch));  // the trial file is gone
    EXPECT_FALSE(platform.IsWritableFolder((scratch / "missing").string()));
    EXPECT_FALSE(platform.IsWritableFolder("Z:\\proc"));
    std::filesystem::remove_all(scratch);
}

TEST(Win32Folders, DocumentsAndTheCurrentFolderAreFoldersWithoutATrailingSeparator) {
    Win32Platform platform;
    const std::string documents = platform.DocumentsFolder();
    EXPECT_TRUE(std::filesystem::is_directory(documents)) << documents;
    EXPECT_NE(documents.back(), '\\');
    char current[MAX_PATH] = {};
    GetCurrentDirectoryA(MAX_PATH, current);
    EXPECT_EQ(platform.CurrentFolder(), current);
}

}  // namespace
}  // namespace brisel::platform::win32
