// The keyword tests read a line's first eight bytes as one word; they must
// agree with the byte-wise comparison for every byte in every place.

#include <gtest/gtest.h>

#include <string>

#include "convert/netlist_text.h"

namespace brisel {
namespace {

struct KeywordTest {
    const char* keyword;
    bool (*test)(std::string_view);
};

TEST(Keywords, AgreeWithTheByteWiseComparisonForEveryByteInEveryPlace) {
    const KeywordTest tests[] = {
        {"*PART*", IsPartHeader},
        {"*NET*", IsNetHeader},
        {"*END*", IsEndLine},
        {"*SIGNAL*", IsLongSignalHeader},
        {"*SIG*", [](std::string_view line) { return NetNameStart(line) == 5; }},
        {"*CONNECTION*", IsConnectionHeader},
    };
    for (const KeywordTest& t : tests) {
        const std::string keyword = t.keyword;
        for (const std::string& base : {keyword, keyword + " GND", std::string("*signal* n$1"), std::string("*Net*")}) {
            for (std::size_t length = 0; length <= base.size(); ++length) {
                for (std::size_t place = 0; place < length; ++place) {
                    for (int byte = 0; byte < 256; ++byte) {
                        std::string line = base.substr(0, length);
                        line[place] = static_cast<char>(byte);
                        bool expected = StartsWithIgnoreCase(line, keyword);
                        if (keyword == "*SIG*") expected = expected && !StartsWithIgnoreCase(line, "*SIGNAL*");
                        ASSERT_EQ(t.test(line), expected) << keyword << " in \"" << line << "\"";
                    }
                }
            }
        }
    }
}

// A section's keyword line ends an open part section; other lines that
// begin with "*" do not.
TEST(SectionKeywordLine, IsAStarAKeywordAStarThenTheEndOrABlank) {
    struct Case {
        const char* line;
        bool keyword;
    };
    // clang-format off
    const Case cases[] = {
        {"*SIGNAL* X",    true},
        {"*SIG* X",       true},
        {"*SIGNAL*",      true},   // bare
        {"*END*",         true},
        {"*NETS*",        true},
        {"*PARTS*",       true},
        {"*MISC*      MISCELLANEOUS PARAMETERS", true},
        {"*CONNECTION*",  true},
        {"*Net_2-b*\tx",  true},   // letters, digits, "_" and "-"; a tab after
        {"*SIGNAL*GND",   false},  // text right after the keyword
        {"*SIG*x",        false},
        {"*",             false},
        {"**",            false},  // no keyword
        {"*A B*",         false},
        {"*N$1*",         false},
        {" *NET*",        false},  // tested as the line stands
        {"*NET*\v",       false},  // only spaces and tabs are blanks
        {"NET*",          false},
        {"",              false},
    };
    // clang-format on
    for (const Case& c : cases) EXPECT_EQ(IsSectionKeywordLine(c.line), c.keyword) << c.line;
}

TEST(BlankLine, HoldsNothingButSpacesAndTabs) {
    EXPECT_TRUE(IsBlankLine(""));
    EXPECT_TRUE(IsBlankLine(" \t  \t"));
    EXPECT_FALSE(IsBlankLine(" \v "));
    EXPECT_FALSE(IsBlankLine(" \f"));
    EXPECT_FALSE(IsBlankLine("  x"));
}

}  // namespace
}  // namespace brisel
