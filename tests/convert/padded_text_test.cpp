// The scans of a line's text read whole blocks of 16 bytes that run past
// the text; their answers must stay those of a byte-wise scan of the line.

#include "convert/padded_text.h"

#include <gtest/gtest.h>

#include <string>

namespace brisel {
namespace {

// The line followed by what follows every line the reader returns: a
// space, then bytes of any value, here `after`.
std::string AsReadLine(const std::string& line, char after) {
    return line + " " + std::string(kReadableAfterText - 1, after);
}

TEST(FindBlank, StopsAtTheFirstSpaceOrTabOrAtTheLineEnd) {
    struct Case {
        std::string line;
        std::size_t from;
        std::size_t blank;
    };
    // clang-format off
    const Case cases[] = {
        {"U1 x",                       0, 2},
        {"U1\tx",                      0, 2},   // a tab ends an ID too
        {"U1 x",                       2, 2},   // a blank where the search starts
        {"NOBLANK",                    0, 7},   // the space after the line
        {"",                           0, 0},
        {"ABCDEFGHIJKLMNOP Q",         0, 16},  // the second block's first byte
        {"ABCDEFGHIJKLMNOPQRSTUVWXYZ", 3, 26},  // past a whole block, to the line end
        {"A\vB\fC D",                  0, 5},   // a vertical tab or form feed is no blank
    };
    // clang-format on
    for (const Case& c : cases) {
        for (const char after : {' ', 'x', '\t'}) {
            const std::string line = AsReadLine(c.line, after);
            EXPECT_EQ(FindBlank(line.data() + c.from) - line.data(), static_cast<std::ptrdiff_t>(c.blank)) << c.line;
        }
    }
}

// The name of a signal header, read in one block when short: the same text,
// at the same place in the line, as the byte-wise trim gives.
TEST(NetNameInLine, TrimsAsNetNameOf) {
    // clang-format off
    const std::string headers[] = {
        "*SIGNAL* GND", "*SIGNAL*   GND  ", "*SIGNAL* ", "*SIGNAL*", "*SIGNAL*     ", "*SIG* A B ",
        "*SIGNAL* \tGND\t",                       // only spaces go, tabs stay
        "*SIGNAL* " + std::string(16, 'N'),        // a name part of a whole block
        "*SIGNAL* " + std::string(15, 'N') + " ",  // spaces at its last byte
        "*SIGNAL* " + std::string(17, 'N'),        // longer: the byte-wise trim
        "*SIGNAL*  " + std::string(20, 'N') + "  ",
    };
    // clang-format on
    for (const std::string& header : headers) {
        const std::size_t start = NetNameStart(header);
        for (const char after : {' ', 'x'}) {
            const std::string line = AsReadLine(header, after);
            const std::string_view inLine(line.data(), header.size());
            const std::string_view name = NetNameInLine(inLine, start);
            const std::string_view expected = NetNameOf(inLine, start);
            EXPECT_EQ(name, expected) << '"' << header << '"';
            if (!expected.empty()) EXPECT_EQ(name.data(), expected.data()) << '"' << header << '"';
        }
    }
}

TEST(SkipSpaces, StopsAtTheFirstOtherByteButNeverPastTheLineEnd) {
    struct Case {
        std::string line;
        std::size_t from;
        std::size_t other;
    };
    // clang-format off
    const Case cases[] = {
        {"   x",                     0, 3},
        {"x",                        0, 0},
        {"\tx",                      0, 0},   // only spaces are skipped
        {std::string(20, ' ') + "x", 0, 20},  // past a whole block
        {"ID               NAME",    2, 17},  // a padded column
        {"     ",                    0, 5},   // only spaces: the line end
        {std::string(40, ' '),       1, 40},
        {"",                         0, 0},
    };
    // clang-format on
    for (const Case& c : cases) {
        for (const char after : {' ', 'x'}) {
            const std::string line = AsReadLine(c.line, after);
            const char* end = line.data() + c.line.size();
            EXPECT_EQ(SkipSpaces(line.data() + c.from, end) - line.data(), static_cast<std::ptrdiff_t>(c.other))
                << '"' << c.line << "\" then '" << after << "'";
        }
    }
}

}  // namespace
}  // namespace brisel
