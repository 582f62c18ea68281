#pragma once
// Fast decimal text of whole numbers, for the rows written by the million.

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>

#include "convert/readable_bytes.h"
#include "convert/short_copy.h"

namespace brisel {

// Writes `value` in decimal at `at` (at most 20 characters) and returns the
// end of what it wrote.
inline char* PutDecimal(char* at, std::uint64_t value) {
    static constexpr char kPairs[] =
        "00010203040506070809101112131415161718192021222324252627282930313233343536373839"
        "40414243444546474849505152535455565758596061626364656667686970717273747576777879"
        "8081828384858687888990919293949596979899";
    int length = 1;
    for (std::uint64_t rest = value; rest >= 10; rest /= 10) ++length;
    char* end = at + length;
    char* p = end;
    while (value >= 100) {
        const auto pair = static_cast<unsigned>(value % 100) * 2;
        value /= 100;
        *--p = kPairs[pair + 1];
        *--p = kPairs[pair];
    }
    if (value >= 10) {
        const auto pair = static_cast<unsigned>(value) * 2;
        *--p = kPairs[pair + 1];
        *--p = kPairs[pair];
    } else {
        *--p = static_cast<char>('0' + value);
    }
    return end;
}

inline char* PutDecimal(char* at, std::int64_t value) {
    if (value < 0) {
        *at++ = '-';
        return PutDecimal(at, 0 - static_cast<std::uint64_t>(value));
    }
    return PutDecimal(at, static_cast<std::uint64_t>(value));
}

}  // namespace brisel

namespace brisel {

// A whole number kept as its decimal text, so that counting up by one costs
// no division. A new counter stands at 0, with the text "0".
class DecimalCounter {
public:
    DecimalCounter() { digits_[kSize - 1] = '0'; }
    void Set(std::uint64_t value) {
        char text[20];
        length_ = static_cast<std::size_t>(PutDecimal(text, value) - text);
        for (std::size_t i = 0; i < length_; ++i) digits_[kSize - length_ + i] = text[i];
    }
    void Increment() {
        if (digits_[kSize - 1] != '9') {
            ++digits_[kSize - 1];  // nine times in ten
            return;
        }
        std::size_t i = kSize;
        while (i > kSize - length_ && digits_[i - 1] == '9') digits_[--i] = '0';
        if (i == kSize - length_) {
            digits_[i - 1] = '1';
            ++length_;
        } else {
            ++digits_[i - 1];
        }
    }
    std::string_view Text() const { return std::string_view(digits_ + kSize - length_, length_); }
    // The text in a block, when it has at most 16 digits.
    TextBlock Block() const { return BlockAt(digits_ + kSize - length_, length_); }

private:
    static constexpr std::size_t kSize = 21;
    char digits_[kSize + kReadableAfterText] = {};  // the text ends at kSize; a block may read on into the spare bytes
    std::size_t length_ = 1;
};

}  // namespace brisel
