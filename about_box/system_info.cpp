#include "about_box/system_info.h"

#include <cstdint>
#include <cstdio>
#include <optional>

#include "about_box/application_record.h"
#include "messages/window_texts.h"

namespace brisel::about_box {
namespace {

constexpr std::size_t kValueBufferSize = 1024;
constexpr const char* kToolKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
constexpr const char* kToolFolderKey = "SOFTWARE\\Microsoft\\Shared Tools Location";

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
    if (GetKeyValue(registry, platform::RegistryRoot::LocalMachine, kToolKey, "PATH", keyValue)) {
        return keyValue;  // used as it is, without an existence test
    }
    if (!GetKeyValue(registry, platform::RegistryRoot::LocalMachine, kToolFolderKey, "MSINFO", keyValue)) {
        return std::nullopt;
    }
    const std::string candidate = keyValue + "\\MSINFO32.EXE";
    if (!platform.IsOrdinaryFile(candidate)) return std::nullopt;
    return candidate;
}

}  // namespace

bool GetKeyValue(platform::Registry& registry, platform::RegistryRoot KeyRoot, const std::string& KeyName,
                 const std::string& SubKeyRef, std::string& KeyVal) {
    const auto value = registry.ReadValue(KeyRoot, KeyName, SubKeyRef, kValueBufferSize);
    if (!value) {
        KeyVal.clear();
        return false;
    }
    if (value->bytes.empty()) throw EmptyRegistryValue();
    std::string text(value->bytes.begin(), value->bytes.end());
    if (text.back() == '\0') text.pop_back();
    if (value->type == platform::RegistryType::Text) KeyVal = text;
    if (value->type == platform::RegistryType::Number) KeyVal = HexFromLastByte(text);
    return true;
}

void StartSysInfo(platform::Platform& platform) {
    try {
        if (const auto tool = FindSysInfoTool(platform)) {
            platform.StartProgram(*tool);
            return;
        }
    } catch (const std::exception&) {}
    platform.ShowMessage(messages::kSysInfoUnavailable, application::kTitle, platform::MessageIcon::None);
}

}  // namespace brisel::about_box
