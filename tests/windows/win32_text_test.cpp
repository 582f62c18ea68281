// Texts between the program's UTF-8 and the Unicode windows' UTF-16.

#include "platform/win32/win32_text.h"

#include <gtest/gtest.h>

namespace brisel::platform::win32 {
namespace {

struct TextCase {
    const char* name;
    std::string utf8;
    std::wstring wide;
};

class TextTest : public testing::TestWithParam<TextCase> {};

TEST_P(TextTest, CrossesBothWaysUnchanged) {
    EXPECT_EQ(Wide(GetParam().utf8), GetParam().wide);
    EXPECT_EQ(Utf8(GetParam().wide), GetParam().utf8);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Scripts, TextTest, testing::Values(
    TextCase{"Empty", "", L""},
    TextCase{"Ascii", "C:\\Boards\\a.net", L"C:\\Boards\\a.net"},
    TextCase{"Cyrillic", "плата", L"\x043F\x043B\x0430\x0442\x0430"},
    TextCase{"EmojiAsASurrogatePair", "\xF0\x9F\x94\x8C", L"\xD83D\xDD0C"},
    TextCase{"EmbeddedZero", std::string("a\0b", 3), std::wstring(L"a\0b", 3)}),
    [](const auto& row) { return row.param.name; });
// clang-format on

TEST(Text, BytesThatAreNotUtf8BecomeReplacementCharacters) {
    EXPECT_EQ(Wide("a\xFF"
                   "b"),
              L"a\xFFFD"
              L"b");
}

TEST(Text, AWindowsTextOfAnyScriptComesBackAsItWasSet) {
    HWND edit = CreateWindowExW(0, L"EDIT", nullptr, WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(edit, nullptr);
    const std::string text = "C:\\Boards\\Дмитрий\\вывод \xF0\x9F\x94\x8C.net";
    SetWindowTextUtf8(edit, text);
    EXPECT_EQ(WindowText(edit), text);
    DestroyWindow(edit);
}

}  // namespace
}  // namespace brisel::platform::win32
