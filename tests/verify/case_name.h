#pragma once
// Test names for parameterised cases, made from their descriptions:
// "a part not in the list" becomes "APartNotInTheList".

#include <cctype>
#include <string>

namespace brisel::verify {

inline std::string CaseName(const std::string& why) {
    std::string name;
    bool wordStart = true;
    for (const char c : why) {
        if (std::isalnum(static_cast<unsigned char>(c)) == 0) {
            wordStart = true;
            continue;
        }
        name += wordStart ? static_cast<char>(std::toupper(static_cast<unsigned char>(c))) : c;
        wordStart = false;
    }
    return name;
}

// For INSTANTIATE_TEST_SUITE_P, on cases that carry a `why`.
struct ByWhy {
    template <typename Info>
    std::string operator()(const Info& info) const {
        return CaseName(info.param.why);
    }
};

}  // namespace brisel::verify
