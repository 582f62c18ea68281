#include "platform/win32/win32_platform.h"

#include <commctrl.h>
#include <objbase.h>
#include <shellapi.h>
#include <shlobj.h>

#include <cstring>
#include <cwchar>
#include <stdexcept>
#include <vector>

#include "platform/long_words.h"
#include "platform/win32/win32_file_dialog.h"
#include "platform/win32/win32_text.h"
#include "platform/win32/win32_window.h"

namespace brisel::platform::win32 {
namespace {

constexpr const char* kApplicationTitle = "Brisel";
// Characters of a word that a message box line shows whole.
constexpr std::size_t kLongestWholeWord = 64;
// How long a started program may take before its window is looked for.
constexpr DWORD kStartWaitMilliseconds = 5000;

UINT IconStyle(MessageIcon icon) {
    switch (icon) {
        case MessageIcon::Error:
            return MB_ICONERROR;
        case MessageIcon::Warning:
            return MB_ICONWARNING;
        case MessageIcon::Information:
            return MB_ICONINFORMATION;
        case MessageIcon::None:
            break;
    }
    return 0;
}

struct WindowSearch {
    DWORD processId;
    HWND found;
};

BOOL CALLBACK MatchProcessWindow(HWND hwnd, LPARAM data) {
    auto* search = reinterpret_cast<WindowSearch*>(data);
    DWORD processId = 0;
    GetWindowThreadProcessId(hwnd, &processId);
    if (processId != search->processId || !IsWindowVisible(hwnd) || GetWindow(hwnd, GW_OWNER)) {
        return TRUE;
    }
    search->found = hwnd;
    return FALSE;
}

// A message box is a dialog of the thread; its OK ends it.
BOOL CALLBACK EndMessageBox(HWND hwnd, LPARAM) {
    wchar_t className[8] = {};
    GetClassNameW(hwnd, className, 8);
    if (std::wcscmp(className, L"#32770") == 0) PostMessageW(hwnd, WM_COMMAND, IDOK, 0);
    return TRUE;
}

}  // namespace

OpenResult OpenResultOf(INT_PTR shellResult) {
    switch (shellResult) {
        case SE_ERR_FNF:
        case SE_ERR_PNF:
            return OpenResult::NotFound;
        case SE_ERR_NOASSOC:
        case SE_ERR_ASSOCINCOMPLETE:
            return OpenResult::NoProgram;
        default:
            return shellResult > 32 ? OpenResult::Opened : OpenResult::Failed;
    }
}

std::string FolderOf(const std::string& fileName) {
    const auto last = fileName.find_last_of('\\');
    if (last == std::string::npos) return fileName;
    const bool root = last == 2 && fileName.size() > 1 && fileName[1] == ':';
    return fileName.substr(0, root ? last + 1 : last);
}

Win32Platform::Win32Platform() {
    // The windows hand their controls' accessible objects to screen readers
    // through COM.
    comInitialized_ = SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED));
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    // Untitled, so that a search for the program's window by its title never
    // finds this one.
    hiddenOwner_ = CreateWindowExW(0, L"STATIC", nullptr, WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                                   GetModuleHandleW(nullptr), nullptr);
}

Win32Platform::~Win32Platform() {
    if (hiddenOwner_ != nullptr) DestroyWindow(hiddenOwner_);
    if (comInitialized_) CoUninitialize();
}

std::unique_ptr<Window> Win32Platform::CreateForm(const FormDescription& form) {
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return std::make_unique<Win32Window>(form, dpi, hiddenOwner_);
}

std::optional<FileChoice> Win32Platform::ChooseFile(const FileDialogRequest& request) {
    return ShowFileDialog(request);
}

// The box wraps its lines only between words: a long file name gets breaks
// of its own, so that the box stays on the screen.
void Win32Platform::ShowMessage(const std::string& text, const std::string& title, MessageIcon icon) {
    const std::string shown = WithLongWordsBroken(text, kLongestWholeWord, "\r\n");
    MessageBoxW(GetActiveWindow(), Wide(shown).c_str(), Wide(title.empty() ? kApplicationTitle : title).c_str(),
                MB_OK | IconStyle(icon));
}

void Win32Platform::CloseMessageBoxes() { EnumThreadWindows(GetCurrentThreadId(), &EndMessageBox, 0); }

void Win32Platform::Beep() { MessageBeep(MB_OK); }

// The clipboard takes the memory once SetClipboardData succeeds. Programs
// that ask for CF_TEXT get it converted by Windows.
ClipboardResult Win32Platform::SetClipboardText(const std::string& text) {
    const std::wstring wide = Wide(text);
    const std::size_t bytes = (wide.size() + 1) * sizeof(wchar_t);
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes);
    if (memory == nullptr) return ClipboardResult::NoMemory;
    std::memcpy(GlobalLock(memory), wide.c_str(), bytes);
    GlobalUnlock(memory);
    const bool copied = OpenClipboard(hiddenOwner_) && EmptyClipboard() && SetClipboardData(CF_UNICODETEXT, memory);
    CloseClipboard();
    if (copied) return ClipboardResult::Copied;
    GlobalFree(memory);
    return ClipboardResult::Refused;
}

TaskId Win32Platform::StartProgram(const std::string& commandLine) {
    std::wstring line = Wide(commandLine);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWNORMAL;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process)) {
        throw std::runtime_error("cannot start " + commandLine);
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return static_cast<TaskId>(process.dwProcessId);
}

void Win32Platform::BringToFront(TaskId task) {
    HANDLE process = OpenProcess(SYNCHRONIZE | PROCESS_QUERY_INFORMATION, FALSE, static_cast<DWORD>(task));
    if (process != nullptr) {
        WaitForInputIdle(process, kStartWaitMilliseconds);
        CloseHandle(process);
    }
    WindowSearch search{static_cast<DWORD>(task), nullptr};
    EnumWindows(&MatchProcessWindow, reinterpret_cast<LPARAM>(&search));
    if (search.found == nullptr) return;
    if (IsIconic(search.found)) ShowWindow(search.found, SW_RESTORE);
    SetForegroundWindow(search.found);
}

// The shell answers before ShellExecute returns.
void Win32Platform::ShellOpen(const Window* owner, const std::string& target, OpenDone done) {
    const auto* window = dynamic_cast<const Win32Window*>(owner);
    HINSTANCE result = ShellExecuteW(window != nullptr ? window->Handle() : nullptr, L"open", Wide(target).c_str(),
                                     nullptr, nullptr, SW_SHOWNORMAL);
    done(OpenResultOf(reinterpret_cast<INT_PTR>(result)));
}

std::string Win32Platform::ProgramFolder() const {
    std::vector<wchar_t> name(MAX_PATH);
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, name.data(), static_cast<DWORD>(name.size()));
        if (length < name.size()) return FolderOf(Utf8(name.data(), length));
        name.resize(name.size() * 2);
    }
}

std::string Win32Platform::CurrentFolder() const {
    std::wstring folder(GetCurrentDirectoryW(0, nullptr), L'\0');
    folder.resize(GetCurrentDirectoryW(static_cast<DWORD>(folder.size()), folder.data()));
    return Utf8(folder);
}

// The program's folder stands in, should Windows name no documents folder.
std::string Win32Platform::DocumentsFolder() const {
    wchar_t folder[MAX_PATH] = {};
    if (SHGetFolderPathW(nullptr, CSIDL_PERSONAL, nullptr, SHGFP_TYPE_CURRENT, folder) != S_OK) return ProgramFolder();
    return Utf8(folder);
}

// A file of its own name, made and gone again when it is closed.
bool Win32Platform::IsWritableFolder(const std::string& folder) const {
    const std::string probe = folder + (folder.empty() || folder.back() == '\\' ? "" : "\\") + "BriselWriteTest-" +
                              std::to_string(GetCurrentProcessId()) + "-" + std::to_string(GetTickCount()) + ".tmp";
    HANDLE file = CreateFileW(Wide(probe).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                              FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    CloseHandle(file);
    return true;
}

bool Win32Platform::IsOrdinaryFile(const std::string& path) const {
    const DWORD attributes = GetFileAttributesW(Wide(path).c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) return false;
    return (attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM)) == 0;
}

void Win32Platform::Quit() {
    for (Win32Window* window : Win32Window::OpenWindows()) window->Close();
    PostQuitMessage(0);
}

int Win32Platform::Run() {
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        Win32Window* form = Win32Window::FromHandle(GetAncestor(message.hwnd, GA_ROOT));
        if (form == nullptr || !form->PreTranslate(message)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
        if (Win32Window* focused = Win32Window::FromHandle(GetAncestor(GetFocus(), GA_ROOT))) {
            focused->FollowFocus();
        }
    }
    return static_cast<int>(message.wParam);
}

}  // namespace brisel::platform::win32
