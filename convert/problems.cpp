#include "convert/problems.h"

namespace brisel {

std::string ProblemKindName(ProblemKind kind) {
    switch (kind) {
        case ProblemKind::UnsupportedFormat:
            return "unsupported format line";
        case ProblemKind::EmptyName:
            return "empty name";
        case ProblemKind::LongName:
            return "name of " + std::to_string(kLongestName + 1) + " characters or more";
        case ProblemKind::UnexpectedCharacter:
            return "unexpected character";
        case ProblemKind::BadPin:
            return "pin that is not a plain positive number";
        case ProblemKind::UnknownPart:
            return "pin reference to a part not in the part list";
        case ProblemKind::NothingToRepeat:
            return "text before the first pin reference of a net";
        case ProblemKind::NoPartSection:
            return "missing part section";
        case ProblemKind::NoNetSection:
            return "missing net section";
        case ProblemKind::MappedPin:
            return "pin numbered by the pin map";
    }
    return "problem";
}

std::string Quote(std::string_view text) {
    static constexpr std::size_t kMost = 60;
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string quoted = "\"";
    for (std::size_t i = 0; i < text.size() && i < kMost; ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c < 32 || c > 126) {
            quoted += "\\x";
            quoted += kHex[c >> 4];
            quoted += kHex[c & 15];
        } else {
            if (c == '"' || c == '\\') quoted += '\\';
            quoted += static_cast<char>(c);
        }
    }
    if (text.size() > kMost) quoted += "...";
    return quoted + "\"";
}

}  // namespace brisel
