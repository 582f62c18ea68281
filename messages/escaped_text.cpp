#include "messages/escaped_text.h"

namespace brisel::messages {
namespace {

constexpr char kHexDigits[] = "0123456789ABCDEF";

void AppendHex(std::string& text, unsigned char byte) {
    text += kHexDigits[byte >> 4];
    text += kHexDigits[byte & 15];
}

// The escape of a byte the rules escape, or nothing.
std::string_view NamedEscape(char c, const EscapeRules& rules) {
    if (rules.namedControls && c == '\n') return "\\n";
    if (rules.namedControls && c == '\r') return "\\r";
    if (rules.namedControls && c == '\t') return "\\t";
    if (rules.quote && c == '"') return "\\\"";
    if (rules.backslash && c == '\\') return "\\\\";
    return {};
}

bool NeedsHex(unsigned char byte, const EscapeRules& rules) {
    return byte < 0x20 || byte == 0x7F || (rules.nonAscii && byte > 0x7F);
}

}  // namespace

std::string Escaped(std::string_view text, const EscapeRules& rules) {
    std::string escaped;
    const std::size_t shown = text.size() < rules.most ? text.size() : rules.most;
    for (const char c : text.substr(0, shown)) {
        const auto byte = static_cast<unsigned char>(c);
        if (const std::string_view named = NamedEscape(c, rules); !named.empty()) {
            escaped += named;
        } else if (NeedsHex(byte, rules)) {
            escaped += "\\x";
            AppendHex(escaped, byte);
        } else {
            escaped += c;
        }
    }
    if (shown < text.size()) escaped += "...";
    return escaped;
}

std::string Quote(std::string_view text) {
    static constexpr EscapeRules kInProblemText{.nonAscii = true, .quote = true, .backslash = true, .most = 60};
    return '"' + Escaped(text, kInProblemText) + '"';
}

std::string ByteCode(unsigned char byte) {
    std::string code = "0x";
    AppendHex(code, byte);
    return code;
}

}  // namespace brisel::messages
