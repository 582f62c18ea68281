#include "about_box/system_info.h"

#include <cstdint>
#include <cstdio>
#include <optional>
#include <vector>

#include "about_box/application_record.h"

namespace brisel::about_box {
namespace {

constexpr std::uint32_t kValueBufferSize = 1024;
constexpr const char* kToolKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
constexpr const char* kToolFolderKey = "SOFTWARE\\Microsoft\\Shared Tools Location";

class OpenedKey {
public:
    OpenedKey(platform::Registry& registry, platform::RegistryKey key) : registry_(registry), key_(key) {}
    ~OpenedKey() { registry_.CloseKey(key_); }
    OpenedKey(const OpenedKey&) = delete;
    OpenedKey& operator=(const OpenedKey&) = delete;

private:
    platform::Registry& registry_;
    platform::RegistryKey key_;
};

std::string HexFromLastByte(const std::string& bytes) {
    std::string hex = "&h";
    for (auto byte = bytes.rbegin(); byte != bytes.rend(); ++byte) {
        char digits[3];
        std::snprintf(digits, sizeof digits, "%02X", static_cast<unsigned char>(*byte));
        hex += digits;
    }
    return hex;
}

// The tool path, or nothing when neither value leads to the tool.
std::optional<std::string> FindSysInfoTool(platform::Platform& platform) {
    std::string keyValue;
    platform::Registry& registry = platform.SystemRegistry();
    if (GetKeyValue(registry, platform::kHkeyLocalMachine, kToolKey, "PATH", keyValue)) {
        return keyValue;  // used as it is, without an existence test
    }
    if (!GetKeyValue(registry, platform::kHkeyLocalMachine, kToolFolderKey, "MSINFO", keyValue)) {
        return std::nullopt;
    }
    const std::string candidate = keyValue + "\\MSINFO32.EXE";
    if (!platform.IsOrdinaryFile(candidate)) return std::nullopt;
    return candidate;
}

}  // namespace

bool GetKeyValue(platform::Registry& registry, platform::RegistryKey KeyRoot, const std::string& KeyName,
                 const std::string& SubKeyRef, std::string& KeyVal) {
    platform::RegistryKey key = 0;
    if (registry.OpenKey(KeyRoot, KeyName, 0, platform::kKeyAllAccess, key) != platform::kErrorSuccess) {
        KeyVal.clear();
        return false;
    }
    const OpenedKey closeOnReturn(registry, key);
    std::vector<std::uint8_t> buffer(kValueBufferSize, 0);
    std::uint32_t size = kValueBufferSize;
    std::uint32_t type = 0;
    if (registry.QueryValue(key, SubKeyRef, type, buffer, size) != platform::kErrorSuccess || size > kValueBufferSize) {
        KeyVal.clear();
        return false;
    }
    if (size == 0) throw EmptyRegistryValue();
    std::string text(buffer.begin(), buffer.begin() + size);
    if (text.back() == '\0') text.pop_back();
    if (type == platform::kRegSz) KeyVal = text;
    if (type == platform::kRegDword) KeyVal = HexFromLastByte(text);
    return true;
}

void StartSysInfo(platform::Platform& platform) {
    try {
        if (const auto tool = FindSysInfoTool(platform)) {
            platform.StartProgram(*tool);
            return;
        }
    } catch (const std::exception&) {}
    platform.ShowMessage(kSysInfoUnavailable, application::kTitle, platform::MessageIcon::None);
}

}  // namespace brisel::about_box
