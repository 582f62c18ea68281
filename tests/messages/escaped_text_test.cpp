#include "messages/escaped_text.h"

#include <gtest/gtest.h>

namespace brisel::messages {
namespace {

struct Case {
    std::string text;
    std::string quoted;   // in a problem text
    std::string console;  // on one line of the console, outside Windows
};

TEST(EscapedText, EachRuleOnEachKindOfByte) {
    const EscapeRules console{.namedControls = true, .backslash = true};
    const std::string sixty(60, 'x');
    // clang-format off
    const Case cases[] = {
        {"U1",                  "\"U1\"",                        "U1"},
        {"",                    "\"\"",                          ""},
        {"a\tb\nc\rd",          "\"a\\x09b\\x0Ac\\x0Dd\"",       "a\\tb\\nc\\rd"},
        {std::string("\0\x1f", 2), "\"\\x00\\x1F\"",            "\\x00\\x1F"},
        {"del\x7f",             "\"del\\x7F\"",                  "del\\x7F"},
        {"R\xc3\xa9",           "\"R\\xC3\\xA9\"",               "R\xc3\xa9"},      // UTF-8 stays on the console
        {"say \"hi\"",          "\"say \\\"hi\\\"\"",            "say \"hi\""},
        {"a\\b",                "\"a\\\\b\"",                    "a\\\\b"},
        {" ~",                  "\" ~\"",                        " ~"},
        {sixty,                 "\"" + sixty + "\"",             sixty},
        {sixty + "y",           "\"" + sixty + "...\"",          sixty + "y"},
        {"\t" + sixty,          "\"\\x09" + sixty.substr(1) + "...\"", "\\t" + sixty},  // the cut counts bytes of the source
    };
    // clang-format on
    for (const Case& c : cases) {
        EXPECT_EQ(Quote(c.text), c.quoted) << c.text;
        EXPECT_EQ(Escaped(c.text, console), c.console) << c.text;
    }
}

TEST(EscapedText, ABackslashStaysWhereNoRuleDoublesIt) {
    EXPECT_EQ(Escaped("C:\\boards\\a\tb.net", {.namedControls = true}), "C:\\boards\\a\\tb.net");
}

TEST(ByteCode, TwoUpperCaseHexDigits) {
    EXPECT_EQ(ByteCode(0), "0x00");
    EXPECT_EQ(ByteCode('\t'), "0x09");
    EXPECT_EQ(ByteCode('"'), "0x22");
    EXPECT_EQ(ByteCode(0xAB), "0xAB");
    EXPECT_EQ(ByteCode(0xFF), "0xFF");
}

}  // namespace
}  // namespace brisel::messages
