#include "session.h"

#include <shlobj.h>

#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <vector>

#include "platform/win32/win32_ids.h"

namespace brisel::gui_test {
namespace {

struct Search {
    DWORD processId;
    HWND found;
};

BOOL CALLBACK MatchMainWindow(HWND hwnd, LPARAM data) {
    auto* search = reinterpret_cast<Search*>(data);
    DWORD processId = 0;
    GetWindowThreadProcessId(hwnd, &processId);
    char className[64] = {};
    GetClassNameA(hwnd, className, sizeof className);
    if (processId == search->processId && IsWindowVisible(hwnd) &&
        std::string(className) == platform::win32::kFormClass && TextOf(hwnd) == "Brisel") {
        search->found = hwnd;
        return FALSE;
    }
    return TRUE;
}

}  // namespace

Session::Session(const std::string& exe, const std::string& arguments) {
    std::string line = "\"" + exe + "\" " + arguments;
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION started{};
    if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &started)) {
        throw std::runtime_error("cannot start " + exe);
    }
    CloseHandle(started.hThread);
    process_ = started.hProcess;
    processId_ = started.dwProcessId;
    Search search{processId_, nullptr};
    WaitFor(
        [&] {
            EnumWindows(&MatchMainWindow, reinterpret_cast<LPARAM>(&search));
            return search.found != nullptr;
        },
        30000);
    main_ = search.found;
    if (main_ == nullptr) throw std::runtime_error("the main window did not open");
    thread_ = GetWindowThreadProcessId(main_, nullptr);
}

Session::~Session() {
    if (WaitForSingleObject(process_, 0) == WAIT_TIMEOUT) TerminateProcess(process_, 1);
    CloseHandle(process_);
}

HWND Session::FindForm(const std::string& title) { return FindWindowA(platform::win32::kFormClass, title.c_str()); }

HWND Session::WaitForMessageBox(const std::string& title) {
    HWND box = nullptr;
    WaitFor([&] { return (box = FindWindowA("#32770", title.c_str())) != nullptr && IsWindowVisible(box); });
    return box;
}

// The text of a message box is its static control 0xFFFF.
std::string Session::MessageText(HWND box) { return TextOf(GetDlgItem(box, 0xFFFF)); }

void Session::Answer(HWND box) {
    PostMessageA(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    WaitFor([&] { return !IsWindow(box); });
}

HWND Session::Focus() const {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    return GetGUIThreadInfo(thread_, &info) ? info.hwndFocus : nullptr;
}

bool Session::WaitForFocus(HWND control) const {
    return WaitFor([&] { return Focus() == control; });
}

bool Session::WaitForExit(int milliseconds) const {
    return WaitForSingleObject(process_, static_cast<DWORD>(milliseconds)) == WAIT_OBJECT_0;
}

int Session::WindowsTitled(const std::string& title) const {
    struct Count {
        DWORD processId;
        std::string title;
        int found;
    } count{processId_, title, 0};
    EnumWindows(
        [](HWND hwnd, LPARAM data) -> BOOL {
            auto* search = reinterpret_cast<Count*>(data);
            DWORD processId = 0;
            GetWindowThreadProcessId(hwnd, &processId);
            if (processId == search->processId && TextOf(hwnd) == search->title) ++search->found;
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&count));
    return count.found;
}

void Session::DropFile(HWND window, POINT at, const std::string& path) const {
    std::vector<char> drop(sizeof(DROPFILES) + path.size() + 2, '\0');
    auto* header = reinterpret_cast<DROPFILES*>(drop.data());
    header->pFiles = sizeof(DROPFILES);
    header->pt = at;
    path.copy(drop.data() + sizeof(DROPFILES), path.size());
    void* remote = VirtualAllocEx(process_, nullptr, drop.size(), MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
    WriteProcessMemory(process_, remote, drop.data(), drop.size(), nullptr);
    PostMessageA(window, WM_DROPFILES, reinterpret_cast<WPARAM>(remote), 0);
}

HWND ControlOf(HWND form, const platform::FormDescription& described, const std::string& name) {
    for (std::size_t i = 0; i < described.controls.size(); ++i) {
        if (described.controls[i].name == name) {
            return GetDlgItem(form, platform::win32::ControlId(static_cast<int>(i)));
        }
    }
    return nullptr;
}

int MenuCommandOf(const platform::FormDescription& described, const std::string& name) {
    int index = 0;
    for (const platform::MenuDescription& menu : described.menus) {
        for (const platform::MenuDescription& item : menu.items) {
            if (item.name == name) return platform::win32::MenuItemId(index);
            ++index;
        }
    }
    return -1;
}

RECT ClientRectOf(HWND control) {
    RECT rect;
    GetWindowRect(control, &rect);
    MapWindowPoints(HWND_DESKTOP, GetParent(control), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

std::string TextOf(HWND window) {
    // WM_GETTEXT reaches controls of another process; GetWindowText does not.
    const auto length = SendMessageA(window, WM_GETTEXTLENGTH, 0, 0);
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    const auto copied = SendMessageA(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<std::size_t>(copied));
    return text;
}

void TypeText(HWND edit, const std::string& text) {
    SendMessageA(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

std::string Utf8TextOf(HWND window) {
    const auto length = SendMessageW(window, WM_GETTEXTLENGTH, 0, 0);
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    const auto copied = SendMessageW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<std::size_t>(copied));
    const std::u8string utf8 = std::filesystem::path(text).u8string();
    return {utf8.begin(), utf8.end()};
}

void SetUtf8Text(HWND window, const std::string& text) {
    const std::wstring wide = std::filesystem::path(std::u8string(text.begin(), text.end())).wstring();
    SendMessageW(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(wide.c_str()));
}

void ClickInto(HWND control) {
    PostMessageA(control, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
    PostMessageA(control, WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
}

void PressKey(HWND control, WPARAM key) {
    PostMessageA(control, WM_KEYDOWN, key, 1);
    PostMessageA(control, WM_KEYUP, key, static_cast<LPARAM>(0xC0000001u));
}

namespace {

INPUT KeyInput(WORD key, WORD unit, DWORD flags) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    input.ki.wScan = unit;
    input.ki.dwFlags = flags;
    return input;
}

void Send(std::vector<INPUT> inputs) {
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
    Sleep(100);  // the program takes them in its own time
}

}  // namespace

void TypeKeys(const std::string& utf8) {
    const std::wstring units = std::filesystem::path(std::u8string(utf8.begin(), utf8.end())).wstring();
    std::vector<INPUT> inputs;
    for (const wchar_t unit : units) {
        inputs.push_back(KeyInput(0, static_cast<WORD>(unit), KEYEVENTF_UNICODE));
        inputs.push_back(KeyInput(0, static_cast<WORD>(unit), KEYEVENTF_UNICODE | KEYEVENTF_KEYUP));
    }
    Send(inputs);
}

void SendKey(WORD key, WORD modifier) {
    std::vector<INPUT> inputs;
    if (modifier != 0) inputs.push_back(KeyInput(modifier, 0, 0));
    inputs.push_back(KeyInput(key, 0, 0));
    inputs.push_back(KeyInput(key, 0, KEYEVENTF_KEYUP));
    if (modifier != 0) inputs.push_back(KeyInput(modifier, 0, KEYEVENTF_KEYUP));
    Send(inputs);
}

int SystemDpi() {
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dpi;
}

namespace {

struct ScreenPicture {
    BITMAPINFOHEADER header;
    std::vector<char> pixels;
};

// The windows' frames together, with what lies between them.
RECT FrameOf(std::initializer_list<HWND> windows) {
    RECT frame{};
    for (HWND window : windows) {
        RECT one;
        GetWindowRect(window, &one);
        if (IsRectEmpty(&frame)) {
            frame = one;
        } else {
            UnionRect(&frame, &frame, &one);
        }
    }
    return frame;
}

ScreenPicture PictureOf(const RECT& frame) {
    const int width = frame.right - frame.left;
    const int height = frame.bottom - frame.top;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, screen, frame.left, frame.top, SRCCOPY);
    SelectObject(memory, old);
    ScreenPicture picture{{sizeof(BITMAPINFOHEADER), width, height, 1, 24, BI_RGB, 0, 0, 0, 0, 0}, {}};
    const int stride = (width * 3 + 3) & ~3;
    picture.pixels.resize(static_cast<std::size_t>(stride) * static_cast<std::size_t>(height));
    GetDIBits(memory, bitmap, 0, static_cast<UINT>(height), picture.pixels.data(),
              reinterpret_cast<BITMAPINFO*>(&picture.header), DIB_RGB_COLORS);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return picture;
}

}  // namespace

std::vector<char> PixelsOf(HWND window) { return PictureOf(FrameOf({window})).pixels; }

bool SaveWindowsPicture(std::initializer_list<HWND> windows, const std::string& path) {
    const ScreenPicture picture = PictureOf(FrameOf(windows));
    const BITMAPINFOHEADER& header = picture.header;
    BITMAPFILEHEADER file{0x4D42, static_cast<DWORD>(sizeof(BITMAPFILEHEADER) + sizeof header + picture.pixels.size()),
                          0, 0, sizeof(BITMAPFILEHEADER) + sizeof header};
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(&file), sizeof file);
    out.write(reinterpret_cast<const char*>(&header), sizeof header);
    out.write(picture.pixels.data(), static_cast<std::streamsize>(picture.pixels.size()));
    return static_cast<bool>(out);
}

}  // namespace brisel::gui_test
