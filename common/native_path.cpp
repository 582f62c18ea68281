#include "common/native_path.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace brisel {

#ifdef _WIN32

namespace {

UINT fileNameCodePage = CP_ACP;

std::wstring Widened(const std::string& text, UINT codePage) {
    if (text.empty()) return {};
    const int size = static_cast<int>(text.size());
    const int length = MultiByteToWideChar(codePage, 0, text.data(), size, nullptr, 0);
    std::wstring wide(static_cast<size_t>(length), L'\0');
    MultiByteToWideChar(codePage, 0, text.data(), size, wide.data(), length);
    return wide;
}

}  // namespace

void UseUtf8FileNames() { fileNameCodePage = CP_UTF8; }

// std::filesystem would widen each byte on its own, as if the name were Latin-1.
std::filesystem::path NativePath(const std::string& name) { return Widened(name, fileNameCodePage); }

std::string ProgramPath(const std::filesystem::path& path) {
    const std::wstring& wide = path.native();
    if (wide.empty()) return {};
    const int size = static_cast<int>(wide.size());
    const int length = WideCharToMultiByte(fileNameCodePage, 0, wide.data(), size, nullptr, 0, nullptr, nullptr);
    std::string narrow(static_cast<size_t>(length), '\0');
    WideCharToMultiByte(fileNameCodePage, 0, wide.data(), size, narrow.data(), length, nullptr, nullptr);
    return narrow;
}

#else

void UseUtf8FileNames() {}

std::filesystem::path NativePath(const std::string& name) { return name; }

std::string ProgramPath(const std::filesystem::path& path) { return path.string(); }

#endif

}  // namespace brisel
