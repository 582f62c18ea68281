#include "about_box/system_info.h"

#include <gtest/gtest.h>

#include "tests/gui/fake_platform.h"

namespace brisel::testing {
namespace {

using about_box::GetKeyValue;
using Bytes = std::vector<std::uint8_t>;

const char* const kKey = "SOFTWARE\\Test";

Bytes Text(const std::string& text, bool withZero) {
    Bytes bytes(text.begin(), text.end());
    if (withZero) bytes.push_back(0);
    return bytes;
}

struct KeyValueCase {
    const char* name;
    bool keyExists;
    bool valueExists;
    RegistryValue value;
    bool result;
    std::string keyVal;  // KeyVal enters as "entry"
};

class GetKeyValueTest : public ::testing::TestWithParam<KeyValueCase> {};

TEST_P(GetKeyValueTest, ReadsTheValueAsDescribed) {
    FakeRegistry registry;
    if (GetParam().keyExists) registry.Set(kKey, "other", {});
    if (GetParam().valueExists) registry.Set(kKey, "Value", GetParam().value);
    std::string keyVal = "entry";
    const bool result = GetKeyValue(registry, platform::RegistryRoot::LocalMachine, kKey, "Value", keyVal);
    EXPECT_EQ(result, GetParam().result);
    EXPECT_EQ(keyVal, GetParam().keyVal);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Values, GetKeyValueTest, ::testing::Values(
    KeyValueCase{"StringWithZero", true, true, {platform::RegistryType::Text, Text("C:\\x.exe", true)},
                 true, "C:\\x.exe"},
    KeyValueCase{"StringWithoutZero", true, true, {platform::RegistryType::Text, Text("C:\\x.exe", false)},
                 true, "C:\\x.exe"},
    KeyValueCase{"DwordMostSignificantFirst", true, true,
                 {platform::RegistryType::Number, Bytes{0x05, 0x01, 0x00, 0x00}}, true, "&h000105"},
    KeyValueCase{"DwordUpperCaseHex", true, true,
                 {platform::RegistryType::Number, Bytes{0xAB, 0x0C, 0xFF, 0x12}}, true, "&h12FF0CAB"},
    KeyValueCase{"OtherTypeKeepsKeyVal", true, true,
                 {platform::RegistryType::Other, Text("%SystemRoot%", true)}, true, "entry"},
    KeyValueCase{"ExactlyTheBufferFits", true, true,
                 {platform::RegistryType::Text, Bytes(1024, 'a')}, true, std::string(1024, 'a')},
    KeyValueCase{"LongerThan1024Bytes", true, true, {platform::RegistryType::Text, Bytes(1025, 'a')},
                 false, ""},
    KeyValueCase{"MissingKey", false, false, {}, false, ""},
    KeyValueCase{"MissingValue", true, false, {}, false, ""}),
    [](const auto& row) { return row.param.name; });
// clang-format on

TEST(GetKeyValue, ReadsAtMost1024Bytes) {
    FakeRegistry registry;
    registry.Set(kKey, "Value", {platform::RegistryType::Text, Text("x", true)});
    std::string keyVal;
    GetKeyValue(registry, platform::RegistryRoot::LocalMachine, kKey, "Value", keyVal);
    EXPECT_EQ(registry.lastMaxBytes, 1024u);
}

TEST(GetKeyValue, ValueOfZeroBytesRaisesAnErrorForTheCaller) {
    FakeRegistry registry;
    registry.Set(kKey, "Value", {platform::RegistryType::Text, {}});
    std::string keyVal;
    EXPECT_THROW(GetKeyValue(registry, platform::RegistryRoot::LocalMachine, kKey, "Value", keyVal),
                 about_box::EmptyRegistryValue);
}

const char* const kToolKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
const char* const kFolderKey = "SOFTWARE\\Microsoft\\Shared Tools Location";
const std::string kUnavailable =
    MessageEntry("Brisel", "System Information Is Unavailable At This Time", platform::MessageIcon::None);

struct SysInfoCase {
    const char* name;
    std::optional<RegistryValue> path;    // the "PATH" value
    std::optional<RegistryValue> folder;  // the "MSINFO" value
    bool toolInFolder;
    bool startFails;
    Log expected;
};

class StartSysInfoTest : public ::testing::TestWithParam<SysInfoCase> {};

TEST_P(StartSysInfoTest, StartsTheToolOrSaysItIsUnavailable) {
    FakePlatform platform;
    if (GetParam().path) platform.registry.Set(kToolKey, "PATH", *GetParam().path);
    if (GetParam().folder) platform.registry.Set(kFolderKey, "MSINFO", *GetParam().folder);
    if (GetParam().toolInFolder) platform.ordinaryFiles.push_back("C:\\Tools\\MSINFO32.EXE");
    platform.startFails = GetParam().startFails;
    about_box::StartSysInfo(platform);
    EXPECT_EQ(platform.log, GetParam().expected);
}

const RegistryValue kPath{platform::RegistryType::Text, Text("C:\\Gone\\msinfo32.exe", true)};
const RegistryValue kFolder{platform::RegistryType::Text, Text("C:\\Tools", true)};

// clang-format off
INSTANTIATE_TEST_SUITE_P(Registry, StartSysInfoTest, ::testing::Values(
    // The PATH value is started as it is, without an existence test.
    SysInfoCase{"PathStartedUntested", kPath, std::nullopt, false, false,
                {"start [C:\\Gone\\msinfo32.exe]"}},
    SysInfoCase{"PathStartFails", kPath, std::nullopt, false, true,
                {"start [C:\\Gone\\msinfo32.exe]", kUnavailable}},
    SysInfoCase{"PathOfOtherTypeStartsEmptyCommand",
                RegistryValue{platform::RegistryType::Other, Text("%x%", true)}, std::nullopt, false,
                false, {"start []", kUnavailable}},
    SysInfoCase{"PathOfZeroBytes", RegistryValue{platform::RegistryType::Text, {}}, kFolder, true, false,
                {kUnavailable}},
    SysInfoCase{"FolderWithTool", std::nullopt, kFolder, true, false,
                {"start [C:\\Tools\\MSINFO32.EXE]"}},
    SysInfoCase{"FolderWithoutTool", std::nullopt, kFolder, false, false, {kUnavailable}},
    SysInfoCase{"Neither", std::nullopt, std::nullopt, false, false, {kUnavailable}}),
    [](const auto& row) { return row.param.name; });
// clang-format on

TEST(StartSysInfo, EmptyRegistryOfLinuxMakesItUnavailable) {
    FakePlatform platform;
    platform::EmptyRegistry empty;
    std::string keyVal = "x";
    EXPECT_FALSE(GetKeyValue(empty, platform::RegistryRoot::LocalMachine, kToolKey, "PATH", keyVal));
    EXPECT_EQ(keyVal, "");
}

}  // namespace
}  // namespace brisel::testing
