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
