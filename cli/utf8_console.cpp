#include "cli/utf8_console.h"

#ifdef _WIN32
#include <windows.h>
// After windows.h, which it needs.
#include <shellapi.h>
#endif

#include "common/native_path.h"

namespace brisel::cli {

#ifdef _WIN32

namespace {

UINT savedOutputCodePage = 0;  // 0: the console's code page is as it was

std::string Utf8(const wchar_t* text) {
    const int size = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
    if (size <= 1) return {};
    std::string utf8(static_cast<size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text, -1, utf8.data(), size, nullptr, nullptr);
    utf8.pop_back();
    return utf8;
}

void RestoreOutputCodePage() {
    if (savedOutputCodePage != 0) SetConsoleOutputCP(savedOutputCodePage);
    savedOutputCodePage = 0;
}

BOOL WINAPI RestoreOnInterrupt(DWORD) {
    RestoreOutputCodePage();
    return FALSE;  // the next handler ends the program
}

}  // namespace

std::vector<std::string> Utf8CommandLine(const wchar_t* commandLine) {
    int count = 0;
    wchar_t** words = CommandLineToArgvW(commandLine, &count);
    std::vector<std::string> arguments;
    for (int i = 0; i < count; ++i) arguments.push_back(Utf8(words[i]));
    LocalFree(words);
    return arguments;
}

// Under the programs' manifest the process code page is UTF-8, and so are the
// C runtime's arguments. Where Windows ignores the manifest they would have
// lost every character outside the user's code page.
std::vector<std::string> Utf8Arguments(int argc, char** argv) {
    if (GetACP() == CP_UTF8) return {argv + 1, argv + argc};
    UseUtf8FileNames();
    std::vector<std::string> words = Utf8CommandLine(GetCommandLineW());
    if (!words.empty()) words.erase(words.begin());
    return words;
}

Utf8Console::Utf8Console() {
    const UINT current = GetConsoleOutputCP();  // 0 without a console
    if (current == 0 || current == CP_UTF8 || !SetConsoleOutputCP(CP_UTF8)) return;
    savedOutputCodePage = current;
    SetConsoleCtrlHandler(RestoreOnInterrupt, TRUE);
}

Utf8Console::~Utf8Console() {
    RestoreOutputCodePage();
    SetConsoleCtrlHandler(RestoreOnInterrupt, FALSE);
}

#else

std::vector<std::string> Utf8Arguments(int argc, char** argv) { return {argv + 1, argv + argc}; }

Utf8Console::Utf8Console() = default;
Utf8Console::~Utf8Console() = default;

#endif

}  // namespace brisel::cli
