#pragma once
// Test names from a case's description, for parameterised tests: "a missing
// folder" becomes "a_missing_folder", and ctest lists the description.

#include <gtest/gtest.h>

#include <cctype>
#include <string>

namespace brisel::test {

inline std::string CaseName(const std::string& why) {
    std::string name;
    for (const char c : why) name += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
    return name;
}

// For INSTANTIATE_TEST_SUITE_P: names each case by its `why`.
struct ByWhy {
    template <typename Case>
    std::string operator()(const testing::TestParamInfo<Case>& info) const {
        return CaseName(info.param.why);
    }
};

}  // namespace brisel::test
