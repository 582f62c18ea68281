#pragma once
// Finding and starting the Windows system information tool through the
// registry.

#include <stdexcept>
#include <string>

#include "platform/platform.h"

namespace brisel::about_box {

// A value of 0 bytes has no last byte to look at; GetKeyValue raises this
// and its caller reports the tool as unavailable.
class EmptyRegistryValue : public std::runtime_error {
public:
    EmptyRegistryValue() : std::runtime_error("registry value of 0 bytes") {}
};

// Reads one value: REG_SZ as its text without a final zero byte, REG_DWORD
// as "&h" and its bytes in hex, most significant first; another type leaves
// KeyVal as it was. A missing key or value, or one over 1024 bytes, gives
// false and an empty KeyVal.
bool GetKeyValue(platform::Registry& registry, platform::RegistryRoot KeyRoot, const std::string& KeyName,
                 const std::string& SubKeyRef, std::string& KeyVal);

// Starts MSINFO32 from the path the registry holds, or from the shared
// tools folder when that holds the program; otherwise says it is unavailable.
void StartSysInfo(platform::Platform& platform);

}  // namespace brisel::about_box
