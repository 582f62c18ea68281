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

}  // namespace
}  // namespace brisel
