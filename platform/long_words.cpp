#include "platform/long_words.h"

namespace brisel::platform {
namespace {

bool IsSpace(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

// A byte that continues a character begun before it.
bool Continues(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

}  // namespace

std::string WithLongWordsBroken(const std::string& text, std::size_t longest, const std::string& lineBreak) {
    std::string result;
    std::size_t inWord = 0;  // characters of the current word since its last break
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (IsSpace(c)) {
            inWord = 0;
        } else if (!Continues(c) && inWord++ == longest) {
            result += lineBreak;
            inWord = 1;
        }
        result += c;
    }
    return result;
}

}  // namespace brisel::platform
